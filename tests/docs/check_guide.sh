#!/usr/bin/env bash
# Keeps the operator's guide true to the code:
# - every picture the guide or the README shows exists, and every picture under
#   docs/img/ is shown somewhere (a renamed demo step leaves no stale copy behind);
# - every message the guide lists (the code spans between each pair of its messages
#   markers: the keys' lines and the messages section) is written by the source: it
#   occurs in a string literal under src/, compared with the colour marks ("^" and a
#   digit) removed, since the guide shows messages as the operator reads them.
#
#   check_guide.sh <repo top> [guide]
set -uo pipefail

top=${1:?usage: check_guide.sh <repo top> [guide]}
guide=${2:-$top/docs/operator-guide.md}
readme=$top/README.md
failures=0

fail() {
  printf 'FAIL: %s\n' "$*"
  failures=$((failures + 1))
}

[ -f "$guide" ] || { echo "FAIL: no guide at $guide"; exit 1; }

# Markdown image targets of a file: ![alt](target), one per line.
images_of() { grep -oE '!\[[^]]*\]\([^) ]+' "$1" | sed -E 's/^!\[[^]]*\]\(//'; }

shown=()
check_images() {
  local file=$1 base
  base=$(dirname "$file")
  while IFS= read -r target; do
    [ -n "$target" ] || continue
    local path
    path=$(realpath -m "$base/$target")
    shown+=("$path")
    [ -f "$path" ] || fail "$(basename "$file") shows $target, which does not exist"
  done < <(images_of "$file")
}

check_images "$guide"
guide_pictures=$(images_of "$guide" | grep -c .)
[ "$guide_pictures" -gt 0 ] || fail "the guide shows no picture"
[ -f "$readme" ] && check_images "$readme"

if [ -d "$top/docs/img" ]; then
  for png in "$top"/docs/img/*.png; do
    [ -e "$png" ] || continue
    path=$(realpath -m "$png")
    grep -qxF -- "$path" <<< "$(printf '%s\n' "${shown[@]}")" || fail "docs/img/$(basename "$png") is shown nowhere"
  done
fi

# String literals of the source, one per line, colour marks removed. Character
# literals go first so that a quote character cannot open a string.
literals=$(find "$top/src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 sed -E "s/'(\\\\.|[^'\\\\])'//g" |
  grep -oE '"([^"\\]|\\.)*"' |
  sed -E 's/^"//; s/"$//; s/\^[0-9]//g')
[ -n "$literals" ] || fail "no string literals found under $top/src"

section=$(sed -n '/^<!-- messages/,/^<!-- end of messages -->/p' "$guide")
[ -n "$section" ] || fail "the guide has no messages section (<!-- messages ... <!-- end of messages -->)"
messages=$(printf '%s\n' "$section" | grep -oE '`[^`]+`' | sed -E 's/^`//; s/`$//')
count=0
while IFS= read -r message; do
  [ -n "$message" ] || continue
  count=$((count + 1))
  # A here-string, not a pipe: grep -q stops reading early, which would break the pipe.
  grep -qF -- "$message" <<< "$literals" || fail "the guide lists \"$message\", which the source never writes"
done <<< "$messages"
[ "$count" -gt 0 ] || fail "the messages section lists no message"

echo "$guide_pictures pictures and $count messages checked, $failures failures"
[ "$failures" -eq 0 ]
