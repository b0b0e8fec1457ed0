#!/usr/bin/env bash
# Checks a release archive as an operator would receive it:
# - one folder named like the archive, holding exactly the DLL, its debug file, the
#   guide as Markdown and HTML, the guide's pictures, the install note, the third-party
#   notices and SHA256SUMS, whose sums hold for every other file;
# - the DLL exports one function, under the console's decorated name, carries no debug
#   section but a debug link to its debug file (which holds the debug information), and
#   neither file holds a path of the machine that built them;
# - the DLL imports only system DLLs, asks for address space layout randomisation and
#   no execution from data (with the relocations the former needs), has no section
#   both writable and executable, and calls the stack protector's check;
# - its version resource reads: the archive's version as file and product version, the
#   product name;
# - every file the guide names (pictures, links) is in the archive, in both forms, and
#   every link to a section of the HTML page finds it; the install note names every
#   file of the folder.
#
#   check_package.sh <KV_UserLog-VERSION.zip>
set -uo pipefail

zip=${1:?usage: check_package.sh <KV_UserLog-VERSION.zip>}
tools=i686-w64-mingw32
failures=0
fail() {
  printf 'FAIL: %s\n' "$*"
  failures=$((failures + 1))
}

name=$(basename "$zip" .zip)
version=${name#KV_UserLog-}
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "FAIL: $zip is not named KV_UserLog-<major.minor.patch>.zip"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
zip=$(realpath "$zip")
(cd "$scratch" && cmake -E tar xf "$zip") || { echo "FAIL: cannot unpack $zip"; exit 1; }
dir=$scratch/$name
[ -d "$dir" ] || { echo "FAIL: the archive holds no folder $name"; exit 1; }

# Contents, exactly.
expected=$(printf '%s\n' KV_UserLog.dll KV_UserLog.dll.debug operator-guide.md operator-guide.html INSTALL.txt \
                  THIRD-PARTY-NOTICES.txt SHA256SUMS
           grep -oE '!\[[^]]*\]\([^) ]+' "$dir/operator-guide.md" 2>/dev/null | sed -E 's/^!\[[^]]*\]\(//')
actual=$(cd "$scratch" && find . -type f | sed "s|^\./$name/||; s|^\./||")
diff <(sort -u <<< "$expected") <(sort <<< "$actual") > "$scratch/contents.diff" ||
  fail "the archive's files differ from the release's (< missing, > not expected):$(printf '\n'; cat "$scratch/contents.diff")"

if [ -f "$dir/SHA256SUMS" ]; then
  (cd "$dir" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not hold"
  summed=$(sed -E 's/^[0-9a-f]{64}  //' "$dir/SHA256SUMS" | sort)
  others=$(grep -vx SHA256SUMS <<< "$actual" | sort)
  [ "$summed" = "$others" ] || fail "SHA256SUMS does not list exactly the other files"
fi

dll=$dir/KV_UserLog.dll
if [ -f "$dll" ]; then
  exports=$($tools-objdump -p "$dll" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s*\[ *[0-9]+\] ' |
            sed -E 's/^\s*\[\s*[0-9]+\] //')
  [ "$exports" = '?CreatePlugin@@YA_NPAUsPluginCreateInfo@@@Z' ] ||
    fail "the DLL must export one function, ?CreatePlugin@@YA_NPAUsPluginCreateInfo@@@Z; it exports: ${exports:-nothing}"

  sections=$($tools-objdump -h "$dll" | awk '$1 ~ /^[0-9]+$/ {print $2}')
  debug=$(grep -E '^\.(debug|zdebug)' <<< "$sections" | tr '\n' ' ')
  [ -z "$debug" ] || fail "the DLL carries debug sections: $debug"
  link=$($tools-objcopy --dump-section .gnu_debuglink="$scratch/link" "$dll" "$scratch/copy.dll" 2>/dev/null &&
         tr -d '\0' < "$scratch/link" 2>/dev/null | head -c 20)
  [ "$link" = KV_UserLog.dll.debug ] || fail "the DLL's debug link names \"$link\", not KV_UserLog.dll.debug"
  $tools-objdump -h "$dir/KV_UserLog.dll.debug" 2>/dev/null | grep -q ' \.debug_info ' ||
    fail "KV_UserLog.dll.debug holds no debug information"
  top=$(cd "$(dirname "$0")/../.." && pwd)
  for f in "$dll" "$dll.debug"; do
    ! grep -aqF "$top" "$f" || fail "$(basename "$f") holds the build machine's path $top"
  done

  # Hardening. The runtime libraries link in statically, so anything beyond these
  # system DLLs would be a file the operator does not have. ADVAPI32 would mean the
  # compiler's stack protector runtime is back, which loads libraries at load time.
  headers=$($tools-objdump -p "$dll")
  imports=$(sed -nE 's/^\s*DLL Name: //p' <<< "$headers" | tr '[:upper:]' '[:lower:]' |
            grep -vxE '(kernel32|user32|gdi32|comctl32|dbghelp|msvcrt)\.dll' | tr '\n' ' ')
  [ -z "$imports" ] || fail "the DLL imports more than system DLLs: $imports"
  for flag in DYNAMIC_BASE NX_COMPAT; do
    grep -qE "^\s+$flag\$" <<< "$headers" || fail "the DLL's DllCharacteristics lack $flag"
  done
  grep -qx .reloc <<< "$sections" || fail "the DLL has no .reloc section, so it cannot move to a random base"
  # objdump shows a section without IMAGE_SCN_MEM_WRITE as READONLY, an executable one as CODE.
  wx=$($tools-objdump -h "$dll" | awk '$1 ~ /^[0-9]+$/ {name = $2; getline; if ($0 ~ /CODE/ && $0 !~ /READONLY/) print name}' |
       tr '\n' ' ')
  [ -z "$wx" ] || fail "the DLL has sections both writable and executable: $wx"
  # The DLL defines __stack_chk_fail itself; only calls to it show that the compiler
  # guarded the functions.
  fail_at=$($tools-nm "$dll.debug" 2>/dev/null | sed -nE 's/^0*([0-9a-f]+) T _+stack_chk_fail$/\1/p')
  checks=0
  [ -z "$fail_at" ] || checks=$($tools-objdump -d "$dll" | grep -cE "call +(0x)?0*$fail_at( |$)")
  [ "$checks" -gt 0 ] || fail "the DLL was built without the stack protector (no call to __stack_chk_fail)"

  rc=$($tools-windres -i "$dll" -O rc 2>&1)
  grep -qE "^ *FILEVERSION ${version//./, }, 0\$" <<< "$rc" || fail "the version resource has no FILEVERSION $version"
  grep -qF "VALUE \"FileVersion\", \"$version\"" <<< "$rc" || fail "the version resource's FileVersion is not $version"
  grep -qE "VALUE \"ProductVersion\", \"${version//./\\.}(\+[0-9a-z.-]+)?\"" <<< "$rc" ||
    fail "the version resource's ProductVersion is not $version (with a revision after a +)"
  grep -qF 'VALUE "ProductName", "KV_UserLog"' <<< "$rc" || fail "the version resource names no product KV_UserLog"
  grep -qE 'VALUE "FileDescription", ".+"' <<< "$rc" || fail "the version resource has no description"
fi

# Files the guide names: Markdown image and link targets, HTML src and href, with
# sections and web addresses left out; sections the HTML links to must exist.
for page in operator-guide.md operator-guide.html; do
  [ -f "$dir/$page" ] || continue
  if [ "$page" = operator-guide.md ]; then
    targets=$(grep -oE '\]\([^) ]+' "$dir/$page" | sed -E 's/^\]\(//')
  else
    targets=$(grep -oE '(src|href)="[^"]*"' "$dir/$page" | sed -E 's/^[a-z]+="//; s/"$//')
  fi
  count=0
  while IFS= read -r target; do
    case $target in '' | '#'* | *://* | mailto:*) continue ;; esac
    count=$((count + 1))
    [ -f "$dir/${target%%#*}" ] || fail "$page names $target, which the archive lacks"
  done <<< "$targets"
  [ "$count" -gt 0 ] || fail "$page names no file (no pictures?)"
done
if [ -f "$dir/operator-guide.html" ]; then
  while IFS= read -r anchor; do
    grep -qF "id=\"$anchor\"" "$dir/operator-guide.html" || fail "operator-guide.html links to #$anchor, which it lacks"
  done < <(grep -oE 'href="#[^"]+"' "$dir/operator-guide.html" | sed -E 's/^href="#//; s/"$//' | sort -u)
fi

if [ -f "$dir/INSTALL.txt" ]; then
  for f in "$dir"/*; do
    grep -qF "$(basename "$f")" "$dir/INSTALL.txt" || fail "INSTALL.txt does not name $(basename "$f")"
  done
fi

echo "$name: $(wc -l <<< "$actual") files checked, $failures failures"
[ "$failures" -eq 0 ]
