#!/usr/bin/env bash
# Checks the house's one rule: a folder includes only its own headers and those of the
# layers below it, and only the platform includes system headers. The layers, from the
# ground up (docs/layout.md draws them):
#   engine          src/engine, include/tulvo/engine.h, in its own layers:
#     engine/board      the board's state, the position, the random source  (nothing else)
#     engine/analysis   line tables, candidates, summaries                   (engine/board)
#     engine/choice     the search and the scorers                           (engine/board, engine/analysis)
#     engine            the door and the start of a decision                 (all three)
#   file_protocol   src/file_protocol, include/tulvo/file_protocol.h    (engine, platform)
#   platform        src/platform, include/tulvo/platform.h             (nothing else)
#   common          src/common                                         (nothing else)
#   signature       src/signature                                      (engine, file_protocol)
#   programs        src/{file_program,pbrain,analyze,arena,web}, and libtulvo's C interface
#                   src/library with include/tulvo/tulvo.h         (any layer below, never src/engine)
#   support         tests/support, the tests' shared helpers: white-box, any layer, but
#                   the system only through the platform, as the programs reach it
# tulvo-arena is itself in parts, each of which includes only its own headers and those
# of the parts before it: match, engines, stats, records, cli (src/arena/PART).
# Prints one line per include that breaks it and exits 1; prints nothing and exits 0
# when the tree keeps it.
set -euo pipefail
cd "$(dirname "$0")/.."

# allowed FOLDER: the quoted-include roots and public headers FOLDER may include.
allowed() {
  case "$1" in
    engine/board) echo '"engine/board/ <tulvo/engine.h>' ;;
    engine/analysis) echo '"engine/board/ "engine/analysis/ <tulvo/engine.h>' ;;
    engine/choice) echo '"engine/board/ "engine/analysis/ "engine/choice/ <tulvo/engine.h>' ;;
    engine) echo '"engine/ <tulvo/engine.h>' ;;
    file_protocol) echo '"file_protocol/ <tulvo/engine.h> <tulvo/file_protocol.h> <tulvo/platform.h>' ;;
    platform) echo '"platform/ <tulvo/platform.h>' ;;
    common) echo '"common/' ;;
    signature) echo '"signature/ <tulvo/engine.h> <tulvo/file_protocol.h>' ;;
    support) echo '"support/ "engine/ "file_protocol/ "platform/ "common/ "signature/ "file_program/ <tulvo/engine.h> <tulvo/file_protocol.h> <tulvo/platform.h>' ;;
    file_program | pbrain | analyze | arena | web | library)
      echo "\"$1/ \"file_protocol/ \"platform/ \"common/ \"signature/ <tulvo/engine.h> <tulvo/file_protocol.h> <tulvo/platform.h> <tulvo/tulvo.h>" ;;
    *) echo "" ;;
  esac
}

# The arena's parts, from the ground up.
arena_parts=(match engines stats records cli)

# arena_allowed PART: the quoted-include roots of the arena's parts PART may include,
# or "" when PART is none of them.
arena_allowed() {
  local roots="" part
  for part in "${arena_parts[@]}"; do
    roots+=" \"arena/$part/"
    if [ "$part" = "$1" ]; then
      echo "$roots"
      return
    fi
  done
}

# The layer a public header belongs to.
public_layer() {
  case "$1" in
    include/tulvo/engine.h) echo engine ;;
    include/tulvo/file_protocol.h) echo file_protocol ;;
    include/tulvo/platform.h) echo platform ;;
    include/tulvo/tulvo.h) echo library ;;
  esac
}

faults=0
while IFS= read -r file; do
  if [[ $file == include/* ]]; then
    layer=$(public_layer "$file")
  elif [[ $file == tests/support/* ]]; then
    layer=support
  else
    layer=${file#src/}
    case "$layer" in
      engine/board/* | engine/analysis/* | engine/choice/*) layer=${layer%/*} ;;
      *) layer=${layer%%/*} ;;
    esac
  fi
  roots=$(allowed "$layer")
  if [ "$layer" = arena ]; then
    part=${file#src/arena/}
    part=${part%%/*}
    parts=$(arena_allowed "$part")
    # A file of the arena outside its parts is in no layer; the roots drop "arena/.
    roots=${parts:+${roots/\"arena\/ /} $parts}
    layer="arena/$part"
  fi
  if [ -z "$roots" ]; then
    echo "$file: in no layer (add its folder to scripts/check-layers.sh and docs/layout.md)"
    faults=$((faults + 1))
    continue
  fi
  while IFS= read -r line; do
    included=${line#*#include }
    included=${included%%[[:space:]]*}
    ok=false
    case "$included" in
      \"*)
        for root in $roots; do [[ $included == "$root"* ]] && ok=true; done ;;
      \<tulvo/*)
        for root in $roots; do [[ $included == "$root" ]] && ok=true; done ;;
      \<stddef.h\> | \<stdint.h\> | \<stdbool.h\>) ok=true ;;  # C's own, for tulvo.h
      \<*.h\> | \<*/*\>)
        # A system header: the platform's alone.
        [ "$layer" = platform ] && ok=true ;;
      *) ok=true ;;  # the C++ standard library
    esac
    if ! $ok; then
      echo "$file: $layer includes $included"
      faults=$((faults + 1))
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find src include tests/support -name '*.h' -o -name '*.cpp' | sort)

[ "$faults" -eq 0 ]
