#!/usr/bin/env bash
# The Slurm stage: stands up a one-node Slurm cluster on this machine from Debian's
# packages (munged, slurmctld and slurmd, as root, on free loopback ports, every file
# in one scratch folder), then runs scripts/arena-slurm.sh on two matches:
#  - 4 shards of a 40-game match: the journals hold every game of the schedule once,
#    and the merged table is the sum of the shards' own tables;
#  - an SPRT of pbrain-tulvo /6 against /0, whose array is cancelled once the merged
#    shards decide: far fewer games than -n, and nothing left in squeue.
# The daemons are stopped by their process ids and the scratch folder removed. Where
# Slurm cannot be installed or started, the stage says so in one line and fails under
# CI=true, else skips. Usage: test-slurm.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

unavailable() { exec scripts/stage-unavailable.sh "Slurm stage" "$1"; }

[ "$(id -u)" -eq 0 ] || unavailable "slurmd runs jobs as their owner and so must run as root, and this is $(id -un)"
scripts/install-packages.sh --no-recommends slurm-wlm munge ||
  unavailable "the Debian packages slurm-wlm and munge could not be installed"
for program in munged mungekey slurmctld slurmd sbatch squeue sinfo scancel; do
  command -v "$program" > /dev/null || unavailable "$program is missing after installing slurm-wlm and munge"
done

scripts/configure.sh "$build"
cmake --build "$build" -j 2 --target tulvo-arena pbrain-tulvo
echo "Built (${SECONDS}s)"

# Everything the cluster writes goes here: the munge key and socket, the controller's
# state, the node's spool, the daemons' logs and pid files, and the matches.
# munged wants every folder on its socket's path searchable by all.
scratch=$(mktemp -d)
chmod 755 "$scratch"
mkdir -m 700 "$scratch/munge"
mkdir -m 755 "$scratch/run"
mkdir "$scratch/state" "$scratch/spool" "$scratch/log"
export SLURM_CONF=$scratch/slurm.conf

# The daemons this stage started, stopped by pid; then the scratch folder goes.
stop_cluster() {
  local status=$? name pid waited
  if [ -f "$scratch/run/slurmctld.pid" ]; then
    scancel --user=root --quiet 2> /dev/null || true
  fi
  for name in slurmd slurmctld munged; do
    pid=$(cat "$scratch/run/$name.pid" 2> /dev/null || true)
    [ -n "$pid" ] || continue
    kill "$pid" 2> /dev/null || continue
    for ((waited = 0; waited < 100; waited++)); do
      kill -0 "$pid" 2> /dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2> /dev/null && kill -KILL "$pid" 2> /dev/null
  done
  if [ $status -ne 0 ]; then
    for log in "$scratch"/log/*.log; do
      [ -f "$log" ] && { echo "--- the end of $log:"; tail -n 20 "$log"; } >&2
    done
  fi
  rm -rf "$scratch"
}
trap stop_cluster EXIT

# A TCP port that nothing on this machine listens on (from /proc/net/tcp, where each
# listening socket's port is the hex after the local address's colon).
free_port() {
  local taken port
  taken=$(awk 'NR > 1 && $4 == "0A" { split($2, a, ":"); print strtonum("0x" a[2]) }' \
    /proc/net/tcp /proc/net/tcp6 2> /dev/null | sort -u)
  while :; do
    port=$((20000 + RANDOM % 40000))
    grep -qx "$port" <<< "$taken" || [ "$port" = "${1:-}" ] || break
  done
  echo "$port"
}
controller_port=$(free_port)
node_port=$(free_port "$controller_port")
node=$(hostname -s)

# A container has neither systemd nor cgroups to lend: processes are tracked by their
# parentage, tasks are not bound, and nothing is accounted.
cat > "$SLURM_CONF" << EOF
ClusterName=tulvo-test
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$controller_port
SlurmdPort=$node_port
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$scratch/run/munge.socket
StateSaveLocation=$scratch/state
SlurmdSpoolDir=$scratch/spool
SlurmctldPidFile=$scratch/run/slurmctld.pid
SlurmdPidFile=$scratch/run/slurmd.pid
SlurmctldLogFile=$scratch/log/slurmctld.log
SlurmdLogFile=$scratch/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
SwitchType=switch/none
MpiDefault=none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
SchedulerType=sched/backfill
ReturnToService=2
KillWait=10
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=arena Nodes=ALL Default=YES MaxTime=INFINITE State=UP
EOF

mungekey --create --keyfile="$scratch/munge/munge.key" > /dev/null ||
  unavailable "mungekey could not make a key"
munged --key-file="$scratch/munge/munge.key" --socket="$scratch/run/munge.socket" \
  --pid-file="$scratch/run/munged.pid" --log-file="$scratch/log/munged.log" \
  --seed-file="$scratch/munge/munged.seed" || unavailable "munged did not start (see above)"
slurmctld -f "$SLURM_CONF" || unavailable "slurmctld did not start"
slurmd -f "$SLURM_CONF" || unavailable "slurmd did not start"
for ((waited = 0; waited < 60; waited++)); do
  [ "$(sinfo --noheader --node="$node" --format=%t 2> /dev/null)" = idle ] && break
  sleep 1
done
[ "$(sinfo --noheader --node="$node" --format=%t 2> /dev/null)" = idle ] ||
  unavailable "the node $node did not come up idle within 60 s: $(sinfo --noheader 2>&1 | head -n 1)"
echo "Slurm cluster up: node $node idle, controller on port $controller_port (${SECONDS}s)"

export TULVO_ARENA=$PWD/$build/bin/tulvo-arena
pbrain=$PWD/$build/bin/pbrain-tulvo

# The games of the schedule (numbered from 1) that journals hold, one number a line.
journal_games() { grep -ho '"event":"game","game":[0-9]*' "$@" | grep -o '[0-9]*$' || true; }

# The first pairing's games, wins, draws, losses and five pair counts in results in JSON.
pairing_counts() {
  python3 -c 'import json, sys
p = json.load(open(sys.argv[1]))["pairings"][0]
print(p["games"], p["wins"], p["draws"], p["losses"], *p["pairs"])' "$1"
}

# 1. Four shards of 40 games, round robin of three engines: every game once, and the
# merged table is the sum of the shards' tables.
match=$scratch/match
started=$SECONDS
scripts/arena-slurm.sh --shards 4 --dir "$match" --cpus 1 -- -n 40 --seed 3 -t 2000 \
  "pipe:$pbrain /1" "pipe:$pbrain /0" | tee "$scratch/match.txt"
echo "4 shards of 40 games: $((SECONDS - started)) s"
expected=$(seq 1 40)
played=$(journal_games "$match"/shard-*.jsonl | sort -n)
if [ "$played" != "$expected" ]; then
  echo "the shards' journals do not hold games 1..40 once each:" "$played" >&2
  exit 1
fi
for shard in 1 2 3 4; do
  [ "$(find "$match/shard-$shard" -name 'game-*.txt' | wc -l)" = "$(journal_games "$match/shard-$shard.jsonl" | wc -l)" ] || {
    echo "$match/shard-$shard holds other records than its journal's games" >&2
    exit 1
  }
done
"$TULVO_ARENA" merge --json "$scratch/merged.json" "$match"/shard-*.jsonl > /dev/null
sum=(0 0 0 0 0 0 0 0 0)
for shard in 1 2 3 4; do
  "$TULVO_ARENA" merge --json "$scratch/shard-$shard.json" "$match/shard-$shard.jsonl" > /dev/null
  read -r -a counts < <(pairing_counts "$scratch/shard-$shard.json")
  for i in "${!sum[@]}"; do sum[i]=$((sum[i] + counts[i])); done
done
merged=$(pairing_counts "$scratch/merged.json")
if [ "$merged" != "${sum[*]}" ]; then
  echo "the merged games, W, D, L and pair counts ($merged) are not the shards' sum (${sum[*]})" >&2
  exit 1
fi
echo "merged: games, W, D, L and pairs LL LD DD+WL WD WW: $merged, the sum of the 4 shards'"

# 2. An SPRT that the merged shards decide long before -n: the array is cancelled. The
# openings come from a file, so that the journals' first lines stay short.
sprt=$scratch/sprt
started=$SECONDS
scripts/arena-slurm.sh --shards 2 --dir "$sprt" --cpus 1 -- --sprt 0,100 -n 100000 -o samples/openings.txt -t 2000 \
  "pipe:$pbrain /6" "pipe:$pbrain /0" | tee "$scratch/sprt.txt"
echo "SPRT over 2 shards: $((SECONDS - started)) s"
grep -q 'H1 accepted' "$scratch/sprt.txt" || {
  echo "the SPRT did not accept H1" >&2
  exit 1
}
games=$(journal_games "$sprt"/shard-*.jsonl | wc -l)
# These engines play hundreds of games a second here: the verdict, its notice and the
# cancel take a few seconds, and 5% of -n is far more than those seconds' games.
[ "$games" -lt 5000 ] || {
  echo "the SPRT played $games games of -n 100000: the array was not stopped at the verdict" >&2
  exit 1
}
left=$(squeue --noheader --user=root)
[ -z "$left" ] || {
  echo "squeue still holds jobs after the SPRT: $left" >&2
  exit 1
}
verdict=$(grep -o 'accepted after [0-9]* games' "$scratch/sprt.txt" | head -n 1)
echo "SPRT: H1 $verdict; $games games of -n 100000 journalled before the array was gone; squeue empty (${SECONDS}s)"
