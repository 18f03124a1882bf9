# Splits one Markdown page for scripts/check-docs.sh. Variables: out (a folder),
# page (the page's path, used in messages) and first (the number of its first block).
#
# Each ```sh block becomes out/N.sh and each ```python block out/N.py, with out/N.where ("page<TAB>line<TAB>reason";
# the reason of a <!-- not run: reason --> line right before the fence, else empty)
# and, when a ```text block follows it with only blank lines between, out/N.expected.
# Everything a page names goes to out/names, one "page<TAB>line<TAB>kind<TAB>text"
# per line: kind "span" (a code span in prose), "link" (a Markdown link target) or
# "command" (a command of a ```sh block or a "$ " line of a ```text block, with its
# continuation lines joined).
BEGIN { n = first - 1; state = "prose"; after = ""; reason = ""; reasonLine = 0 }

function name(kind, text) { printf "%s\t%d\t%s\t%s\n", page, FNR, kind, text >> (out "/names") }

function command(text) {
  if (text ~ /\\$/) { pending = pending substr(text, 1, length(text) - 1) " "; return }
  name("command", pending text)
  pending = ""
}

state == "prose" && /^<!-- not run: .*-->$/ {
  reason = $0
  sub(/^<!-- not run: */, "", reason)
  sub(/ *-->$/, "", reason)
  reasonLine = FNR
  next
}

state == "prose" && /^```/ {
  if (reasonLine && $0 != "```sh" && $0 != "```python")
    printf "%s:%d: a not-run mark stands before a block that is not ```sh or ```python\n", page, reasonLine >> (out "/problems")
  if ($0 == "```sh" || $0 == "```python") {
    n++
    state = substr($0, 4)
    script = out "/" n "." (state == "sh" ? "sh" : "py")
    printf "%s\t%d\t%s\n", page, FNR, reasonLine == FNR - 1 ? reason : "" > (out "/" n ".where")
    printf "" > script
  } else if ($0 == "```text" && after != "") {
    state = "expected"
    expected = out "/" after ".expected"
    printf "" > expected
  } else {
    state = $0 == "```text" ? "text" : "other"
  }
  after = ""
  reasonLine = 0
  pending = ""
  next
}

state != "prose" && /^```$/ {
  if (state == "sh" || state == "python") after = n
  state = "prose"
  next
}

state == "sh" { print > script; if ($0 !~ /^ *#/) command($0); next }
state == "python" { print > script; next }
state == "expected" { print > expected; if ($0 ~ /^\$ /) name("command", substr($0, 3)); next }
state == "text" { if ($0 ~ /^\$ /) name("command", substr($0, 3)); next }
state == "other" { next }

{
  if ($0 !~ /^[ \t]*$/) after = ""
  if (reasonLine && reasonLine != FNR) {
    printf "%s:%d: a not-run mark must stand right before a ```sh or ```python fence\n", page, reasonLine >> (out "/problems")
    reasonLine = 0
  }
  line = $0
  while (match(line, /`[^`]+`/)) {
    name("span", substr(line, RSTART + 1, RLENGTH - 2))
    line = substr(line, RSTART + RLENGTH)
  }
  line = $0
  while (match(line, /\]\([^) ]+\)/)) {
    name("link", substr(line, RSTART + 2, RLENGTH - 3))
    line = substr(line, RSTART + RLENGTH)
  }
}

END { print n }
