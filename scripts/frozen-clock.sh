#!/bin/sh
# Runs COMMAND with its real-time clock frozen at TIME: LIBRARY (libfaketime, the path
# in build/faketime-library) preloaded and the time in FAKETIME. For a process that
# reads the clock, the library makes a shared-memory file and a semaphore in /dev/shm,
# faketime_shm_PID and sem.faketime_sem_PID, and removes them only when the process
# ends through exit(); tulvo ends with _exit. Once COMMAND has ended, this removes its
# two files and exits with its status. Standard input, output and error are COMMAND's.
# Usage: frozen-clock.sh LIBRARY TIME COMMAND [ARGUMENT...]
if [ $# -lt 3 ]; then
  echo "Usage: frozen-clock.sh LIBRARY TIME COMMAND [ARGUMENT...]" >&2
  exit 2
fi
library=$1
time=$2
shift 2

# A signal meant for COMMAND (Ctrl-C, or timeout's to the process group) must not end
# this script before the files are gone; the handler does nothing.
trap : HUP INT TERM
# The inner shell prints its process id, which the command keeps through both execs,
# into the command substitution, and gives the command this script's standard output.
# A pair already named after that id was left by an earlier process with the same id,
# which has ended: the library would refuse to start with it, so it goes first.
exec 3>&1
pid=$(sh -c 'echo $$ && rm -f "/dev/shm/faketime_shm_$$" "/dev/shm/sem.faketime_sem_$$" &&
  exec env "$@" >&3 3>&-' sh "LD_PRELOAD=$library" "FAKETIME=$time" "$@")
status=$?
exec 3>&-
[ -n "$pid" ] && rm -f "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"
exit $status
