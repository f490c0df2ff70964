#!/usr/bin/env bash
# Runs PROGRAM [ARGS...] with the URL of a kavelin-device started for it as the last argument;
# the device answers every request after DELAY_MS and stops with the program (or after 120 s).
# Usage: tests/capi/with-device.sh DEVICE DELAY_MS PROGRAM [ARGS...]
set -euo pipefail
. "$(dirname "$0")/../../scripts/device-port.sh"

device=$1 delay=$2
shift 2
out=$(mktemp)
"$device" --port 0 --delay "$delay" --duration 120 >"$out" 2>/dev/null &
device_pid=$!
trap 'kill "$device_pid" 2>/dev/null; rm -f "$out"' EXIT
port=$(device_port "$out")
[ -n "$port" ] || { echo "kavelin-device did not start" >&2; exit 1; }
"$@" "http://127.0.0.1:$port/BaseService"
