# Sourced by the recipe tests. start_unit NAME ARGS... starts a simulated unit ($unit_sim) in the
# calling shell, so that its cleanup ends it (its pid goes into pids), and sets port once the unit
# has said its port.
start_unit() {
    local name=$1
    shift
    # setpriv execs the unit, which dies with the calling shell even when that shell is killed.
    setpriv --pdeathsig=TERM -- "$unit_sim" --port 0 "$@" >"$name.out" 2>/dev/null &
    pids+=($!)
    port=''
    for _ in $(seq 100); do
        port=$(sed -n 's/^\(listening on\|no server at\) 127\.0\.0\.1:\([0-9]*\)$/\2/p' "$name.out" 2>/dev/null || true)
        [ -n "$port" ] && return
        sleep 0.05
    done
    echo "unit $name did not start" >&2
    exit 1
}
