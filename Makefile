# Front door: everything goes through CMake and CTest.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
WIN_BUILD ?= build-win64
# i686 (with another WIN_BUILD) builds the DLL for 32-bit Windows; test-wine runs x86_64 only.
WINDOWS_ARCH ?= x86_64
WIN32_BUILD ?= build-win32
CMAKE_FLAGS ?=

.PHONY: all deps build test test-asan test-tsan bench fuzz fuzz-run format clean
.PHONY: demo install dll test-wine check-win32

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKAVELIN_SANITIZE=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS="suppressions=$(CURDIR)/tests/asan.supp" \
		ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The suites labelled "threads" (the log, the class table, proxies on separate threads) under
# ThreadSanitizer; only what they need is built.
TSAN_TARGETS = kavelin logging_test logging_shared_file_test \
	logging_library_load_test os_named_mutex_test com_test access_threads_test
$(TSAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVELIN_TSAN=ON $(CMAKE_FLAGS)

test-tsan: deps $(TSAN_BUILD)/CMakeCache.txt
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target $(TSAN_TARGETS)
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp" \
		ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS) -L threads

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target bench_compare
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

# The proxy against a bare gSOAP client, a raw socket, Python, direct connect and playback;
# BENCH_COMPARE_FLAGS="--long" adds the resident size after 1M calls (see README).
BENCH_COMPARE_FLAGS ?=
.PHONY: bench-compare
bench-compare: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target bench_compare
	$(BUILD)/bench/bench_compare $(BENCH_COMPARE_FLAGS)

$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVELIN_FUZZ=ON -DKAVELIN_TESTS=OFF $(CMAKE_FLAGS)

fuzz: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Each target for FUZZ_SECONDS, one after the other (fuzz/run.sh).
FUZZ_SECONDS ?= 60
fuzz-run: fuzz
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# kavelin.dll, kavelin.exe and the portable test suites for 64-bit Windows, cross-compiled with
# mingw-w64; gSOAP's runtime comes from Debian's gsoap source package, as on Linux.
$(WIN_BUILD)/CMakeCache.txt:
	scripts/install-deps.sh --windows $(WINDOWS_ARCH)
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DKAVELIN_WINDOWS_ARCH=$(WINDOWS_ARCH) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

dll: $(WIN_BUILD)/CMakeCache.txt
	scripts/install-deps.sh --windows $(WINDOWS_ARCH)
	cmake --build $(WIN_BUILD) -j $(JOBS)

# The portable suites and kavelin.exe under Wine, the latter against the Linux kavelin-device.
test-wine: dll build
	WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wine WINEDEBUG=-all \
		ctest --test-dir $(WIN_BUILD) --output-on-failure
	tests/wine/kavelin-under-wine.sh $(WIN_BUILD) $(BUILD)

# The 32-bit build, which the hosts run and Wine here cannot: the DLL, kavelin.exe and the
# portable suites are built (the layouts a host sees are asserted as they compile), and the
# binaries are compared with the 64-bit build's.
check-win32: dll
	$(MAKE) dll WINDOWS_ARCH=i686 WIN_BUILD=$(WIN32_BUILD)
	tests/wine/compare-win32.sh $(WIN_BUILD) $(WIN32_BUILD)

# A short tour of the command-line host against the simulated device; builds only what it needs.
demo: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kavelin kavelin_cli kavelin-device
	@scripts/demo.sh $(BUILD)

# The library, its headers, both tools with their manual pages and bash completion, kavelin.pc
# and kavelinConfig.cmake under PREFIX.
PREFIX ?= /usr/local
install: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kavelin kavelin_cli kavelin-device kavelin_man
	cmake --install $(BUILD) --prefix $(PREFIX)

# Our own sources; the gSOAP interface headers keep the layout soapcpp2 reads.
format:
	@git ls-files '*.cpp' '*.h' | grep -v -e "^src/binding/gsoap/" -e "^tools/kavelin/WatchDeliverService.h" | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD) $(WIN32_BUILD)
