#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the benchmarks and the fuzzers
# need. Quick when everything is already there: apt runs only for what is missing.
#
# Every run also unpacks Debian's own gsoap source package into build-deps/gsoap at the
# project's root, once: the library compiles gSOAP's runtime from it and keeps it private.
# With --windows it also installs the cross compiler (x86_64, or i686 for 32-bit) and Wine.
set -euo pipefail

windows_arch=
if [ "${1:-}" = "--windows" ]; then
    windows_arch=${2:-x86_64}
fi
gsoap_folder="$(cd "$(dirname "$0")/.." && pwd)/build-deps"

packages=(
    build-essential cmake make pkg-config
    gsoap libgsoap-dev dpkg-dev
    libxml2-dev
    googletest libgtest-dev libgmock-dev
    libbenchmark-dev python3
    python3-lxml python3-zeep libxml2-utils
    scdoc man-db
    clang libclang-rt-dev clang-format
)
if [ -n "$windows_arch" ]; then
    case "$windows_arch" in
        x86_64) packages+=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev) ;;
        i686) packages+=(g++-mingw-w64-i686-posix mingw-w64-i686-dev) ;;
        *) echo "install-deps: unknown Windows architecture $windows_arch" >&2; exit 2 ;;
    esac
    packages+=(wine wine64)
fi

if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi

# The source of the gsoap package the machine has, through a source list of our own made from
# the machine's package sources, so that the system's apt configuration stays as it is.
unpack_gsoap_source() {
    local folder
    folder=$(realpath -m "$1")
    [ -f "$folder/gsoap/gsoap/stdsoap2.cpp" ] && return 0
    local apt_dir="$folder/apt"
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$folder/download"
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f"
    done > "$apt_dir/sources.list.d/source.list"
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" && echo
    done > "$apt_dir/sources.list.d/source.sources"
    : > "$apt_dir/sources.list"
    local options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
                   -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
                   -o "Dir::State::Lists=$apt_dir/lists")
    apt-get "${options[@]}" update -qq
    (cd "$folder/download" && apt-get "${options[@]}" source --download-only -qq gsoap)
    rm -rf "$folder/gsoap"
    # apt checked the files against the signed release already.
    dpkg-source --no-check -x "$folder"/download/gsoap_*.dsc "$folder/gsoap" > /dev/null
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
unpack_gsoap_source "$gsoap_folder"
