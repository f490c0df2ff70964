# Sourced by the scripts that start kavelin-device with --port 0: device_port OUTPUT prints the
# port the device says it listens on in OUTPUT (its standard output), or nothing when it has
# not said so within 10 s.
device_port() {
    local port=
    for _ in $(seq 100); do
        port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$1")
        [ -n "$port" ] && break
        sleep 0.1
    done
    echo "$port"
}
