#!/usr/bin/env bash
# Runs COMMAND and fails when it leaves a new file in /dev/shm. Where a private mount
# namespace can be made (as root), COMMAND gets an empty /dev/shm of its own, so that
# only what it leaves counts; elsewhere the shared folder is compared before and after,
# and what other programs make there meanwhile counts too.
# Usage: check-dev-shm.sh COMMAND [ARGUMENT...]
set -euo pipefail
if [ -z "${TULVO_PRIVATE_SHM:-}" ] && unshare --mount --propagation private true 2> /dev/null; then
  exec unshare --mount --propagation private env TULVO_PRIVATE_SHM=1 "$0" "$@"
fi
[ -n "${TULVO_PRIVATE_SHM:-}" ] && mount -t tmpfs tulvo-shm /dev/shm

files() { ls -A /dev/shm 2> /dev/null | LC_ALL=C sort; }
before=$(files)
"$@"
new=$(comm -13 <(echo "$before") <(files))
if [ -n "$new" ]; then
  echo "$1 left $(wc -l <<< "$new") new files in /dev/shm, such as: $(head -n 4 <<< "$new" | tr '\n' ' ')" >&2
  exit 1
fi
