#!/usr/bin/env bash
# A short tour of the command-line host: starts the simulated device, then reads, lists,
# subscribes and unsubscribes through libkavelin.so, as a host application would.
# Usage: scripts/demo.sh [BUILD_DIR]
set -euo pipefail
. "$(dirname "$0")/device-port.sh"

build=${1:-build}
kavelin=$build/tools/kavelin/kavelin
device=$build/tools/kavelin-device/kavelin-device
for program in "$kavelin" "$device"; do
    [ -x "$program" ] || { echo "demo: $program is missing; run 'make demo'" >&2; exit 1; }
done

work=$(mktemp -d)
device_pid=
live_pid=
cleanup() {
    for pid in $device_pid $live_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The device stops by itself after two minutes should this script be killed.
"$device" --port 0 --duration 120 >"$work/device.out" 2>"$work/device.err" &
device_pid=$!
port=$(device_port "$work/device.out")
[ -n "$port" ] || { echo "demo: the simulated device did not start" >&2; cat "$work/device.err" >&2; exit 1; }

# Every command below reaches the device through this URL; an empty registry keeps the
# library quiet whatever this machine has configured.
export KAVELIN_URL=http://127.0.0.1:$port/BaseService
export KAVELIN_REGISTRY=$work/empty.reg
: >"$KAVELIN_REGISTRY"
dd=dd=http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/

heading() { printf '\n== %s\n' "$*"; }

heading "The simulated device listens on 127.0.0.1:$port"

heading "Device status"
echo "\$ kavelin get-data 'string(//dd:Status/dd:State)' 'string(//dd:Status/dd:Availability)' \\"
echo "    'string(//dd:Status/dd:Load)' --prefix dd=<dictionary namespace>    # one session"
fields=(State Availability Load)
mapfile -t values < <("$kavelin" get-data "string(//dd:Status/dd:State)" \
    "string(//dd:Status/dd:Availability)" "string(//dd:Status/dd:Load)" --prefix "$dd")
for i in "${!fields[@]}"; do
    printf '  %-13s %s\n' "${fields[i]}" "${values[i]}"
done

heading "Consumable levels"
echo "\$ kavelin get-data 'string(//dd:Consumable[N]/@id)' 'string(//dd:Consumable[N]/dd:LevelPercent)' \\"
echo "    'string(//dd:Consumable[N]/dd:State)' ... --prefix dd=...    # every consumable, one session"
count=$("$kavelin" get-data "count(//dd:Consumable)" --prefix "$dd")
paths=()
for i in $(seq "$count"); do
    item="//dd:Consumable[$i]"
    paths+=("string($item/@id)" "string($item/dd:LevelPercent)" "string($item/dd:State)")
done
mapfile -t values < <("$kavelin" get-data "${paths[@]}" --prefix "$dd")
for ((i = 0; i + 2 < ${#values[@]}; i += 3)); do
    printf '  %-15s %4s%%  %s\n' "${values[i]}" "${values[i + 1]}" "${values[i + 2]}"
done

heading "Events the device can deliver"
echo "\$ kavelin events"
"$kavelin" events | sed 's/^/  /'

heading "Subscribe and unsubscribe"
echo "\$ kavelin subscribe --event ConsumableChanged --cookie demo --fallback http://127.0.0.1:9/EventCallback"
id=$("$kavelin" subscribe --event ConsumableChanged --cookie demo \
    --fallback http://127.0.0.1:9/EventCallback)
echo "  subscription id: $id"
echo "\$ kavelin unsubscribe $id"
"$kavelin" unsubscribe "$id"
echo "  cancelled"

heading "Live events"
# A second device, printing on its own every half second, from a copy of the sample whose cyan
# toner is about to run low.
sed 's|<dd:LevelPercent>35</dd:LevelPercent>|<dd:LevelPercent>13</dd:LevelPercent>|' \
    data/xdm/printer.xml >"$work/printer.xml"
"$device" --port 0 --duration 60 --data "$work/printer.xml" --simulate-usage 0.5 \
    >"$work/live.out" 2>"$work/live.err" &
live_pid=$!
live_port=
for _ in $(seq 100); do
    live_port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$work/live.out")
    [ -n "$live_port" ] && break
    sleep 0.1
done
export KAVELIN_URL=http://127.0.0.1:$live_port/BaseService
echo "\$ kavelin watch --count 2 --event ConfigurationChanged --event ConsumableChanged \\"
echo "    --filter Element=Location --filter Element=State    # while set-data moves the printer"
(sleep 1; echo "<dd:Printer xmlns:dd='${dd#dd=}'><dd:Identity><dd:Location>Building B, lobby</dd:Location></dd:Identity></dd:Printer>" \
    | "$kavelin" set-data -) &
writer_pid=$!
"$kavelin" watch --count 2 --duration 30 --event ConfigurationChanged --event ConsumableChanged \
    --filter Element=Location --filter Element=State 2>/dev/null | sed 's/^/  /'
# Only the writer: a bare `wait` would also wait for both devices to reach their --duration.
wait "$writer_pid"

heading "Done: each command opened a device session, ran one operation and ended the session"
