#!/usr/bin/env bash
# The Windows kavelin.exe and kavelin.dll under Wine against the Linux kavelin-device: the same
# answers as the Linux host, the registry values read from Wine's registry, playback from the
# SoapMsgs folder beside the DLL, and one log file shared by two Windows processes.
# Usage: tests/wine/kavelin-under-wine.sh WINDOWS_BUILD_DIR LINUX_BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../../scripts/device-port.sh"

windows_build=$(realpath "$1")
linux_build=$(realpath "$2")
exe=$windows_build/kavelin.exe
linux_host=$linux_build/tools/kavelin/kavelin
device=$linux_build/tools/kavelin-device/kavelin-device
for program in "$exe" "$linux_host" "$device"; do
    [ -x "$program" ] || { echo "test-wine: $program is missing" >&2; exit 1; }
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
device_pid=
cleanup() {
    [ -n "$device_pid" ] && kill "$device_pid" 2>/dev/null
    timeout 20 wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
pass() { echo "ok   $1"; }
fail() { echo "FAIL $1"; shift; printf '     %s\n' "$@"; failures=$((failures + 1)); }
# Runs kavelin.exe with a bound: Wine must never hang the suite.
win() { timeout 60 wine "$exe" "$@" | tr -d '\r'; }
reg_set() { timeout 60 wine reg add "HKLM\\SOFTWARE\\Orvanta\\Plotara\\$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null; }
reg_drop() { timeout 60 wine reg delete "HKLM\\SOFTWARE\\Orvanta\\Plotara\\$1" /f >/dev/null 2>&1 || true; }
windows_path() { echo "Z:${1//\//\\}"; }

timeout 120 wineboot -i >/dev/null 2>&1

"$device" --port 0 --duration 300 >"$work/device.out" 2>"$work/device.err" &
device_pid=$!
port=$(device_port "$work/device.out")
[ -n "$port" ] || { echo "test-wine: kavelin-device did not start" >&2; exit 1; }
url=http://127.0.0.1:$port/BaseService
dd=dd=http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/
export KAVELIN_REGISTRY=$work/empty.reg
: >"$KAVELIN_REGISTRY"

# The same answers as the Linux host, byte for byte (Windows writes lines ending in CR LF).
same_as_linux() {
    local name=$1
    shift
    local windows linux
    windows=$(win --url "$url" "$@" 2>&1 | tr -d '\r') || true
    linux=$("$linux_host" --url "$url" "$@" 2>&1) || true
    if [ "$windows" = "$linux" ] && [ -n "$linux" ]; then pass "$name"; else fail "$name" "windows: ${windows:0:200}" "linux:   ${linux:0:200}"; fi
}
same_as_linux "get-data of one value" get-data 'string(//dd:Model)' --prefix "$dd"
same_as_linux "get-data of several nodes, a line each" get-data //dd:Tray/dd:Name --prefix "$dd" --text
same_as_linux "settable" settable
same_as_linux "events" events
same_as_linux "a device Fault with its cause" get-data '//dd:[' --prefix "$dd"

echo '<dd:Printer xmlns:dd="http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/"><dd:Identity><dd:Location>Room 7 under Wine</dd:Location></dd:Identity></dd:Printer>' >"$work/set.xml"
if win --url "$url" set-data - <"$work/set.xml" &&
    [ "$("$linux_host" --url "$url" get-data 'string(//dd:Location)' --prefix "$dd")" = "Room 7 under Wine" ]; then
    pass "set-data"
else
    fail "set-data" "the Linux host does not read the value written from Windows"
fi

id=$(win --url "$url" subscribe --event ConsumableChanged --fallback http://127.0.0.1:9/EventCallback) || true
if [[ $id == subscription-* ]] && win --url "$url" unsubscribe "$id"; then
    pass "subscribe and unsubscribe"
else
    fail "subscribe and unsubscribe" "id: $id"
fi

# A host written in C, built with mingw-w64's C compiler: every operation of the C interface
# (against a device of its own that delays each answer, so a second thread finds a call inside).
c_host=$(timeout 180 "$(dirname "$0")/../capi/with-device.sh" "$device" 200 \
    timeout 120 wine "$windows_build/kavelin_c_host.exe" 2>&1 | tr -d '\r') || true
if [[ $c_host == *"c_host: 0 failed"* ]]; then pass "the C host"; else fail "the C host" "$(grep -v '^ok' <<<"$c_host" | head -5)"; fi

# Playback answers come from SoapMsgs\ beside kavelin.dll; nothing reaches a device. Level 6
# logs the requests, and with them the session language.
log=$work/playback.log
reg_set Logging-Infra OVCOM.Kavelin "file,$(windows_path "$log"),134"
reg_set Lang "$(whoami)" fr-fr
playback=$(win --url ovdcs:playback events 2>&1 | tr -d '\r') || true
expected=$("$linux_host" --playback events 2>&1) || true
if [ "$playback" = "$expected" ] && [ -n "$expected" ]; then pass "playback from SoapMsgs beside the DLL"; else fail "playback from SoapMsgs beside the DLL" "windows: ${playback:0:200}" "linux:   ${expected:0:200}"; fi
if grep -q "fr-FR" "$log"; then pass "the language value of the user from the registry"; else fail "the language value of the user from the registry" "no fr-FR in the playback log"; fi
reg_drop Lang

# Two processes log to one file through the named mutex: every line whole, both present.
log=$work/shared.log
reg_set Logging-Infra OVCOM.Kavelin "file,$(windows_path "$log"),5"
win --url "$url" --repeat 40 get-data 'string(//dd:Model)' --prefix "$dd" >/dev/null &
first=$!
win --url "$url" --repeat 40 settable >/dev/null
wait "$first"
line='^[0-9]{1,2}/[0-9]{1,2}/[0-9]{2}-[0-9]{2}:[0-9]{2}:[0-9]{2},\[[0-9]+:[0-9]+/[0-9]\] OVCOM\.Kavelin::'
broken=$(tr -d '\r' <"$log" | grep -Evc "$line" || true)
processes=$(tr -d '\r' <"$log" | sed -n 's/^[^[]*\[\([0-9]*\):.*/\1/p' | sort -u | wc -l)
if [ "$broken" -eq 0 ] && [ "$processes" -eq 2 ] && [ "$(wc -l <"$log")" -gt 100 ]; then
    pass "one log file, two processes, every line whole"
else
    fail "one log file, two processes, every line whole" "$broken broken lines, $processes processes, $(wc -l <"$log") lines"
fi

# At the last close the file is cut to its last kilobyte, starting on a whole line.
log=$work/trimmed.log
reg_set Logging-Infra OVCOM.Kavelin "file,$(windows_path "$log"),1,5"
win --url "$url" --repeat 20 events >/dev/null
if [ "$(stat -c %s "$log")" -le 1024 ] && head -1 "$log" | tr -d '\r' | grep -Eq "$line"; then
    pass "the log trimmed to its limit at the last close"
else
    fail "the log trimmed to its limit at the last close" "$(stat -c %s "$log") bytes, first line: $(head -c 80 "$log")"
fi

# Where MSXML 4.0 is gone (its DLL disabled), the host's documents load on 6.0: a prefix map
# (get-data), a subscription description and a filter (subscribe). The COM trace names the
# class each run used.
log=$work/xml.log
reg_set Logging-Infra OVCOM.Kavelin "file,$(windows_path "$log"),8"
without_msxml4() { WINEDLLOVERRIDES="$WINEDLLOVERRIDES;msxml4=" win "$@"; }
model=$(without_msxml4 --url "$url" get-data 'string(//dd:Model)' --prefix "$dd") || true
id=$(without_msxml4 --url "$url" subscribe --event ConsumableChanged --filter Section=Consumables \
    --fallback http://127.0.0.1:9/EventCallback) || true
[[ $id == subscription-* ]] && win --url "$url" unsubscribe "$id" >/dev/null
trace=$(tr -d '\r' <"$log" | sed -n 's/.* - XML document class: //p' | sort | uniq -c | tr -s ' ')
if [ "$model" = "$("$linux_host" --url "$url" get-data 'string(//dd:Model)' --prefix "$dd")" ] &&
    [[ $id == subscription-* ]] && [ "$trace" = " 2 MSXML2.DOMDocument.6.0" ]; then
    pass "prefix map, subscription and filter on MSXML 6.0 without 4.0"
else
    fail "prefix map, subscription and filter on MSXML 6.0 without 4.0" "model: $model" "id: $id" "trace: $trace"
fi
: >"$log"
win --url "$url" get-data 'string(//dd:Model)' --prefix "$dd" >/dev/null || true
if grep -q " - XML document class: MSXML2.DOMDocument.4.0" "$log"; then pass "MSXML 4.0 where it is there"; else fail "MSXML 4.0 where it is there" "$(grep -a "XML document class" "$log" | head -2)"; fi

# A ProgID forced out of process is read from the real registry.
log=$work/force.log
reg_set Logging-Infra OVCOM.Kavelin "file,$(windows_path "$log"),9"
reg_set ForceToOutOfProc OVCOM.SessionInfoWrapper 1
win --url "$url" events >/dev/null 2>&1 || true
if grep -q "found string value in forcekey" "$log"; then pass "ForceToOutOfProc from the registry"; else fail "ForceToOutOfProc from the registry" "no forcekey line in the log"; fi
reg_drop ForceToOutOfProc
reg_drop Logging-Infra

echo "test-wine: $failures failed"
[ "$failures" -eq 0 ]
