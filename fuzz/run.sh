#!/usr/bin/env bash
# Runs every fuzz target of a KAVELIN_FUZZ build for a while, one after the other, each with
# its dictionary, starting from the committed seeds. New inputs go to a working corpus in the
# build tree; findings (crash-*, leak-*, timeout-*) land in that build's fuzz folder.
#   fuzz/run.sh BUILD_DIR SECONDS_PER_TARGET [TARGET...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_binding fuzz_parameter_documents fuzz_registry_file fuzz_log_config
    fuzz_watch_delivery fuzz_direct_connect)

dictionary() {
    case "$1" in
    fuzz_registry_file) echo "$here/registry.dict" ;;
    fuzz_log_config) echo "$here/log_config.dict" ;;
    fuzz_watch_delivery | fuzz_direct_connect) echo "$here/http_soap.dict" ;;
    *) echo "$here/xml.dict" ;;
    esac
}

# Findings inside the engine that are its own, each with its reason, are suppressed.
export ASAN_OPTIONS="suppressions=$here/../tests/asan.supp${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

for target in "${targets[@]}"; do
    corpus="$build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    echo "== $target ($seconds s)"
    (cd "$build/fuzz" && nice -n 10 "./$target" -max_total_time="$seconds" \
        -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -dict="$(dictionary "$target")" "$corpus" "$here/corpus/$target")
done
