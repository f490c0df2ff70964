#!/usr/bin/env bash
# The 32-bit Windows build beside the 64-bit one, by what needs no running (Wine here runs
# 64-bit code only): kavelin.dll is PE32 and exports exactly what the 64-bit DLL exports, and
# the DLL and kavelin.exe import no DLL that their 64-bit builds do not.
# Usage: tests/wine/compare-win32.sh WIN64_BUILD_DIR WIN32_BUILD_DIR
set -euo pipefail

win64=$1
win32=$2
for file in "$win64/kavelin.dll" "$win32/kavelin.dll" "$win64/kavelin.exe" "$win32/kavelin.exe"; do
    [ -f "$file" ] || { echo "check-win32: $file is missing" >&2; exit 1; }
done
# The 64-bit binutils read both formats.
headers() { x86_64-w64-mingw32-objdump -p "$1"; }
# The names of the export table's name pointer table, one a line, sorted.
exports() { sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p' | sort; }
# The imported DLLs, in lower case (the loader ignores case), one a line, sorted.
imports() { sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u; }

failures=0
pass() { echo "ok   $1"; }
fail() { echo "FAIL $1"; shift; printf '     %s\n' "$@"; failures=$((failures + 1)); }

magic=$(headers "$win32/kavelin.dll" | sed -n 's/^Magic\s*//p')
if [[ $magic =~ ^010b[[:space:]]+\(PE32\)$ ]]; then
    pass "kavelin.dll is PE32"
else
    fail "kavelin.dll is PE32" "magic: $magic"
fi

exports64=$(headers "$win64/kavelin.dll" | exports)
exports32=$(headers "$win32/kavelin.dll" | exports)
if [ -n "$exports64" ] && [ "$exports32" = "$exports64" ]; then
    pass "the same exports as the 64-bit DLL ($(wc -l <<<"$exports32"))"
else
    fail "the same exports as the 64-bit DLL" "$(diff <(echo "$exports64") <(echo "$exports32") | sed -n 's/^[<>]/&/p')"
fi

# The C interface's names, as kavelin_c.h declares them, are all exported.
declared=$(sed -n 's/^KAVELIN_API [^(]*[ *]\(kavelin_[a-z_]*\)(.*/\1/p' "$(dirname "$0")/../../include/kavelin/kavelin_c.h" | sort)
missing=$(comm -23 <(echo "$declared") <(echo "$exports32"))
if [ -n "$declared" ] && [ -z "$missing" ]; then
    pass "the C interface exported ($(wc -l <<<"$declared") names)"
else
    fail "the C interface exported" "missing: ${missing:-(no declarations read)}"
fi

for program in kavelin.dll kavelin.exe; do
    imports64=$(headers "$win64/$program" | imports)
    imports32=$(headers "$win32/$program" | imports)
    extra=$(comm -13 <(echo "$imports64") <(echo "$imports32"))
    if [ -n "$imports32" ] && [ -z "$extra" ]; then
        pass "$program imports no DLL beyond the 64-bit build's"
    else
        fail "$program imports no DLL beyond the 64-bit build's" "32-bit only: ${extra:-(no imports read)}"
    fi
done

echo "check-win32: $failures failed"
[ "$failures" -eq 0 ]
