# The live tests' shell helpers, sourced.  live_setup ZARN WORK checks the
# host tools (exit 77 to skip without them, 1 where they are required) and
# enters a fresh WORK; every twin and OpenOCD that live starts ends with the
# script.
set -euo pipefail

live_setup() {
    zarn=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    for tool in verilator openocd yosys; do
        if ! command -v "$tool" >/dev/null; then
            [ "${ZARN_REQUIRE_HOST_TOOLS:-0}" = 1 ] && { echo "$tool is missing"; exit 1; }
            echo "$tool is missing: skipped"; exit 77
        fi
    done
    rm -rf "$2"
    mkdir -p "$2"
    cd "$2"
    pids=()
    insert_options=()
    trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT
}
fail() { echo "FAILED: $*"; exit 1; }

# build CONFIG TOP FILE... [-- SIM OPTIONS...]: the open cores of CONFIG
# inserted into the design (with the options insert_options holds, if any); sets map, its probe map, and twin, the path of
# its simulation twin.
build() {
    local config=$1 top=$2 files=() sim=()
    shift 2
    while [ $# -gt 0 ] && [ "$1" != -- ]; do files+=("$1"); shift; done
    [ $# -gt 0 ] && { shift; sim=("$@"); }
    "$zarn" ip --out ip >/dev/null
    "$zarn" insert --config "$config" --design "${files[@]}" --top "$top" --ip-root ip --strict --out inserted "${insert_options[@]}" >insert.log 2>&1 \
        || { cat insert.log; fail "zarn insert"; }
    map=inserted/zarn/zarn_probes.json
    twin=$("$zarn" sim --filelist "inserted/${top}_zarn.f" --top "$top" "${sim[@]}" --out twin 2>sim.log | tail -n1) \
        || { cat sim.log; fail "zarn sim"; }
}

# awaited FILE SCRIPT: what sed -n SCRIPT prints of FILE, once it prints something, within ten seconds; else nothing.
awaited() {
    local found
    for _ in $(seq 100); do
        found=$(sed -n "$2" "$1")
        [ -n "$found" ] && { printf '%s\n' "$found"; return; }
        sleep 0.1
    done
}
# twin NAME [TWIN ARGS...]: a twin that serves one OpenOCD after another; sets port.
twin() {
    "$twin" --port 0 --time-limit 300 --reconnect "${@:2}" >"$1.twin.out" 2>"$1.twin.err" &
    pids+=($!)
    port=$(awaited "$1.twin.out" 's/^listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p')
    [ -n "$port" ] || { cat "$1.twin.err"; fail "$1: the twin does not listen"; }
}
# openocd NAME: an OpenOCD on the twin at port; sets tcl, its Tcl port, and openocd, its id.
openocd() {
    "$zarn" openocd-config --remote-bitbang "$port" --tcl-port 0 >"$1.cfg"
    command openocd -f "$1.cfg" >"$1.openocd.log" 2>&1 &
    openocd=$!
    pids+=($!)
    tcl=$(awaited "$1.openocd.log" 's/.*Listening on port \([0-9]*\) for tcl connections.*/\1/p')
    [ -n "$tcl" ] || { cat "$1.openocd.log"; fail "$1: OpenOCD does not serve Tcl"; }
}
# live NAME [TWIN ARGS...]: the twin and an OpenOCD on it.
live() { twin "$@" && openocd "$1"; }
# tcl COMMAND: OpenOCD's answer to a Tcl command of our own.
tcl() {
    local answer
    exec 3<>"/dev/tcp/127.0.0.1/$tcl"
    printf '%s\032' "$1" >&3
    IFS= read -r -d $'\032' -t 10 answer <&3 || fail "OpenOCD does not answer $1"
    exec 3>&-
    printf '%s\n' "$answer"
}
probe() { "$zarn" probe "$1" --map "$map" --openocd "127.0.0.1:$tcl" "${@:2}"; }

# failing CODE TEXT COMMAND...: exits CODE and says TEXT.
failing() {
    local code=$1 text=$2 status=0
    shift 2
    "$@" >failing.out 2>failing.err || status=$?
    [ "$status" = "$code" ] && grep -qF -- "$text" failing.err || { cat failing.err; fail "'$*' exits $status, not $code with: $text"; }
}
# value NAME [ARGS...]: NAME's value as zarn probe read prints it.
value() { probe read "$@" | awk -v name="$1" '$1 == name { print $2 }'; }
