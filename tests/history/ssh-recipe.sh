#!/usr/bin/env bash
# README's GNU parallel recipe for several stations, run as written through --sshlogin: an sshd
# of the test's own on a free port of 127.0.0.1 (throwaway host and user keys) is the station,
# and a PostgreSQL server of the test's own (initdb into the scratch folder, a Unix socket there
# and no TCP port) is the line's history. Every unit's row must arrive once, with its outcome.
set -euo pipefail
mapfile -t args < <(realpath "$@")
readme=${args[0]} cli_dir=${args[1]} unit_sim=${args[2]} hexgen=${args[3]} history_tool=${args[4]}
source "$(dirname "$0")/../support/start-unit.sh"

work=$(mktemp -d)
pids=()
pg_pid='' sshd_pid='' made_run_sshd=0
cleanup() {
    [ -n "$sshd_pid" ] && kill "$sshd_pid" 2>/dev/null
    # Fast shutdown: the server ends its sessions and removes its socket.
    [ -n "$pg_pid" ] && kill -INT "$pg_pid" 2>/dev/null
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ $made_run_sshd -eq 1 ] && rmdir /run/sshd
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

# The history server. initdb and postgres refuse to run as root: then the "postgres" account runs
# them, reaching its own folder through the scratch folder and nothing else.
pg_bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
as_server=(setpriv --pdeathsig=INT --)
mkdir pg
if [ "$(id -u)" -eq 0 ]; then
    as_server=(setpriv --reuid=postgres --regid=postgres --init-groups --pdeathsig=INT --)
    chmod 711 "$work"
    chown postgres: pg
fi
chmod 700 pg
"${as_server[@]}" "$pg_bin/initdb" -D "$work/pg/data" -U fwu -A trust --no-sync -E UTF8 \
    --locale=C >pg-init.log 2>&1 || fail "initdb: $(cat pg-init.log)"
"${as_server[@]}" "$pg_bin/postgres" -D "$work/pg/data" -k "$work/pg" -c listen_addresses= \
    2>pg.log &
pg_pid=$!
for _ in $(seq 100); do
    "$pg_bin/pg_isready" -q -h "$work/pg" -U fwu -d postgres && break
    sleep 0.1
done
"$pg_bin/pg_isready" -q -h "$work/pg" -U fwu -d postgres || fail "postgres: $(cat pg.log)"
export FWU_HISTORY="postgresql://fwu@/postgres?host=$work/pg"

# The station: sshd as the program it is, with keys made for this run only.
mkdir -m 700 ssh
ssh-keygen -q -t ed25519 -N '' -C host -f ssh/host_key
ssh-keygen -q -t ed25519 -N '' -C user -f ssh/user_key
cp ssh/user_key.pub ssh/authorized_keys
# sshd insists on its privilege separation folder; it goes again if this test made it.
if [ ! -d /run/sshd ]; then mkdir -m 755 /run/sshd; made_run_sshd=1; fi
user=$(id -un)
for _ in $(seq 20); do
    port=$((20000 + RANDOM % 40000))
    cat >ssh/sshd_config <<EOF2
Port $port
ListenAddress 127.0.0.1
HostKey $work/ssh/host_key
AuthorizedKeysFile $work/ssh/authorized_keys
PidFile none
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
AllowUsers $user
SetEnv PATH=$cli_dir:/usr/local/bin:/usr/bin:/bin FWU_TIME_SCALE=0.02
EOF2
    cat >ssh/config <<EOF2
Host 127.0.0.1
    Port $port
    User $user
    IdentityFile $work/ssh/user_key
    IdentitiesOnly yes
    UserKnownHostsFile $work/ssh/known_hosts
    GlobalKnownHostsFile /dev/null
    StrictHostKeyChecking yes
    BatchMode yes
EOF2
    echo "[127.0.0.1]:$port $(cut -d' ' -f1,2 ssh/host_key.pub)" >ssh/known_hosts
    # It dies with this script, also when the script is killed.
    setpriv --pdeathsig=TERM -- /usr/sbin/sshd -D -e -f ssh/sshd_config 2>sshd.log &
    sshd_pid=$!
    for _ in $(seq 50); do
        kill -0 "$sshd_pid" 2>/dev/null || break
        ssh -F ssh/config 127.0.0.1 true 2>/dev/null && break 2
        sleep 0.1
    done
    kill "$sshd_pid" 2>/dev/null || true
    wait "$sshd_pid" 2>/dev/null || true
    sshd_pid=''
done
[ -n "$sshd_pid" ] || fail "sshd did not start: $(cat sshd.log)"
export PARALLEL_SSH="ssh -F $work/ssh/config"
echo 127.0.0.1 >stations.txt

declare -A expected
for i in 1 2 3 4 5 6; do
    start_unit "unit$i" --connections 1
    expected[$port]=finished
done
start_unit refusing --profile Corvus
expected[$port]=refused
start_unit absent --fault no-server
expected[$port]=connect_failed
for port in "${!expected[@]}"; do echo "127.0.0.1 $port"; done >units.txt
"$hexgen" firmware.hex --records 100 >/dev/null

sed -n '/^# flash-units-ssh:/,/^```$/p' "$readme" | sed '$d' >recipe.sh
grep -q -- --sshloginfile recipe.sh || fail "no --sshlogin recipe found in README"
summary=$(bash recipe.sh </dev/null 2>recipe.err) || true

failed=0
for port in "${!expected[@]}"; do
    outcome=$(jq -r 'select(.event == "result") | .outcome' "flash-127.0.0.1-$port.jsonl" 2>/dev/null || echo missing)
    [ "$outcome" = "${expected[$port]}" ] || { echo "FAIL: unit $port: $outcome, expected ${expected[$port]}"; failed=1; }
done
grep -q "Accepted publickey for $user" sshd.log || { echo "FAIL: no upload went through sshd"; failed=1; }
rows=$("$history_tool" --json --limit 0) || fail "the history tool failed"
[ "$(wc -l <<<"$rows")" -eq 8 ] || { echo "FAIL: $(wc -l <<<"$rows") rows, expected 8"; failed=1; }
for port in "${!expected[@]}"; do
    found=$(jq -r --argjson p "$port" 'select(.port == $p) | .outcome' <<<"$rows")
    [ "$found" = "${expected[$port]}" ] || { echo "FAIL: unit $port's rows: ${found:-none}"; failed=1; }
done
[ $failed -eq 0 ] || { cat recipe.err; exit 1; }
echo "$summary"
echo "eight units through sshd, eight rows in PostgreSQL"
