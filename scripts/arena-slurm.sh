#!/usr/bin/env bash
# Runs one tulvo-arena match as a Slurm job array of N shards, from the login node.
# Task K plays shard K/N with its journal in DIR/shard-K.jsonl, its records in
# DIR/shard-K/ and its output in DIR/logs/shard-K.log; this script follows the
# journals with `tulvo-arena merge --follow`, cancels the array once an SPRT decides,
# and prints the merged table. DIR, the arena and the engines must be on a file system
# that every node sees. The arena is $TULVO_ARENA, else tulvo-arena on the PATH, else
# the one built beside this script.
# Exit status: 0 when the match or the SPRT finished; 1 when a task failed or ended
# without finishing its shard; 2 for a mistake on this command line or a job that
# Slurm refused.
set -euo pipefail

usage() {
  cat >&2 << 'EOF'
usage: arena-slurm.sh --shards N --dir DIR [--partition P] [--time T] [--cpus C]
                      [--sbatch "FLAGS"] -- ARENA_OPTIONS... ENGINE ENGINE...
  --shards N     tasks in the array, each playing every N-th game pair
  --dir DIR      the shards' journals, records and logs (must not hold a match yet)
  --partition P  the Slurm partition (default: the cluster's default)
  --time T       each task's time limit, as sbatch --time takes it
  --cpus C       CPUs per task; each task plays C games at once (default 1)
  --sbatch FLAGS further sbatch options, split at blanks
EOF
  exit 2
}
fail() {
  echo "arena-slurm.sh: $1" >&2
  exit "${2:-1}"
}

shards="" dir="" cpus=1
sbatch_flags=()
while [ $# -gt 0 ]; do
  case "$1" in
    --shards) shards=${2:-} ;;
    --dir) dir=${2:-} ;;
    --partition) sbatch_flags+=("--partition=${2:-}") ;;
    --time) sbatch_flags+=("--time=${2:-}") ;;
    --cpus) cpus=${2:-} ;;
    --sbatch) read -r -a extra <<< "${2:-}" && sbatch_flags+=("${extra[@]}") ;;
    --) shift && break ;;
    *) echo "arena-slurm.sh: unknown option $1" >&2 && usage ;;
  esac
  [ $# -ge 2 ] || { echo "arena-slurm.sh: $1 needs a value" >&2 && usage; }
  shift 2
done
[[ $shards =~ ^[1-9][0-9]*$ ]] || { echo "arena-slurm.sh: --shards takes a whole number from 1" >&2 && usage; }
[[ $cpus =~ ^[1-9][0-9]*$ ]] || { echo "arena-slurm.sh: --cpus takes a whole number from 1" >&2 && usage; }
[ -n "$dir" ] || { echo "arena-slurm.sh: --dir is needed" >&2 && usage; }
[ $# -ge 2 ] || { echo "arena-slurm.sh: the arena's options and at least two engines follow --" >&2 && usage; }
for option in "$@"; do
  case "$option" in
    --shard | --shard=* | --journal | --journal=* | -r | --records | --records=* | -j | --jobs | --jobs=* | --resume*)
      fail "$option is this script's to set: each task gets its --shard, --journal, -r and -j" 2 ;;
  esac
done

arena=${TULVO_ARENA:-$(command -v tulvo-arena || echo "$(dirname "$0")/../build/bin/tulvo-arena")}
[ -x "$arena" ] || fail "no tulvo-arena at $arena (set TULVO_ARENA)" 2
arena=$(realpath "$arena")
for program in sbatch squeue scancel; do
  command -v "$program" > /dev/null || fail "$program is not on the PATH: run this on a Slurm login node" 2
done
mkdir -p "$dir/logs"
dir=$(realpath "$dir")
journals=()
for ((k = 1; k <= shards; k++)); do
  [ -e "$dir/shard-$k.jsonl" ] && fail "$dir already holds a match ($dir/shard-$k.jsonl): choose another --dir" 2
  journals+=("$dir/shard-$k.jsonl")
done

# The task: its shard of the match, or, when Slurm runs it again (a requeue after a
# node failure or preemption), the rest of it from its journal. Its exit status is
# kept beside its log, so that a failure is told from a cancel.
task=$dir/task.sh
{
  echo '#!/usr/bin/env bash'
  echo "# One shard of a tulvo-arena match of $shards shards, written by arena-slurm.sh."
  printf 'dir=%q arena=%q shards=%q cpus=%q\n' "$dir" "$arena" "$shards" "$cpus"
  printf 'options=('
  printf ' %q' "$@"
  echo ' )'
  cat << 'EOF'
k=$SLURM_ARRAY_TASK_ID
journal=$dir/shard-$k.jsonl
if [ -s "$journal" ]; then
  "$arena" --resume "$journal" -j "$cpus" &
else
  "$arena" --shard "$k/$shards" --journal "$journal" -r "$dir/shard-$k" -j "$cpus" "${options[@]}" &
fi
# Slurm stops a task with SIGTERM to all its processes: the arena ends its games and
# exits on its own, and its status is what this shell waits for.
arena_pid=$!
trap : TERM
while :; do
  wait "$arena_pid"
  status=$?
  kill -0 "$arena_pid" 2> /dev/null || break
done
echo "$status" > "$dir/logs/shard-$k.status"
exit "$status"
EOF
} > "$task"
chmod +x "$task"

if ! job=$(sbatch --parsable --array="1-$shards" --job-name=tulvo-arena --cpus-per-task="$cpus" \
  --chdir="$PWD" --output="$dir/logs/shard-%a.log" --open-mode=append "${sbatch_flags[@]}" "$task"); then
  fail "Slurm refused the job (sbatch's message is above)" 2
fi
job=${job%%;*}
echo "arena-slurm.sh: job array $job, $shards shards, logs in $dir/logs" >&2

# True while any task of the array is pending or running. squeue forgets a finished
# job a while later and then calls its id invalid; any other error is retried.
array_alive() {
  local output errors=0
  while :; do
    if output=$(squeue --noheader --jobs="$job" --format=%i 2>&1); then
      [ -n "$output" ]
      return
    fi
    [[ $output == *"Invalid job id"* ]] && return 1
    ((++errors < 10)) || fail "squeue keeps failing: $output"
    sleep 2
  done
}

# The merge follows the journals in the background; a task that fails, or an array
# that ends before the merge sees every shard complete, is noticed here.
"$arena" merge --follow --interval 1 "${journals[@]}" > >(tee "$dir/follow.txt" >&2) &
follow=$!
trap 'kill "$follow" 2> /dev/null; scancel "$job" 2> /dev/null; exit 130' INT TERM
while kill -0 "$follow" 2> /dev/null; do
  sleep 3
  if ! array_alive; then
    # The last lines may have landed since the merge's last look.
    sleep 6
    kill "$follow" 2> /dev/null || true
    break
  fi
done
follow_status=0
wait "$follow" || follow_status=$?
decided_at=$SECONDS

# With a verdict (or a merge that refused the journals) the rest of the array plays
# nothing more; a match whose shards are all complete ends by itself.
cancelled=false
if [ $follow_status -eq 0 ] && ! grep -q ' accepted after ' "$dir/follow.txt"; then
  while array_alive; do sleep 1; done
elif array_alive; then
  scancel "$job"
  cancelled=true
  while array_alive; do sleep 1; done
  if [ $follow_status -eq 0 ]; then
    echo "arena-slurm.sh: the test decided; the array was gone $((SECONDS - decided_at)) s after the verdict" >&2
  else
    echo "arena-slurm.sh: tulvo-arena merge --follow stopped with status $follow_status; the array is cancelled" >&2
  fi
fi

# A task that ended with a status other than 0 failed, and so did one that ended
# without a status unless this script cancelled it.
failed=0
for ((k = 1; k <= shards; k++)); do
  status=$(cat "$dir/logs/shard-$k.status" 2> /dev/null || echo none)
  [ "$status" = 0 ] && continue
  $cancelled && { [ "$status" = none ] || [ "$status" = 143 ]; } && continue
  failed=$((failed + 1))
  if [ "$status" = none ]; then
    echo "arena-slurm.sh: shard $k ended without finishing (cancelled, out of time or never started); its log: $dir/logs/shard-$k.log" >&2
  elif [ "$status" = 143 ]; then
    echo "arena-slurm.sh: shard $k was stopped by SIGTERM (cancelled, or out of its time limit); its log: $dir/logs/shard-$k.log" >&2
  else
    echo "arena-slurm.sh: shard $k failed with exit status $status; its log: $dir/logs/shard-$k.log" >&2
  fi
  [ -f "$dir/logs/shard-$k.log" ] && tail -n 5 "$dir/logs/shard-$k.log" | sed 's/^/  /' >&2
done

existing=()
for journal in "${journals[@]}"; do [ -s "$journal" ] && existing+=("$journal"); done
if [ ${#existing[@]} -gt 0 ]; then
  "$arena" merge "${existing[@]}" || failed=$((failed + 1))
else
  echo "arena-slurm.sh: no shard wrote a journal" >&2
  failed=$((failed + 1))
fi
[ $failed -eq 0 ] && [ $follow_status -eq 0 ]
