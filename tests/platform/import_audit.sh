#!/usr/bin/env bash
# Reads the import table of Windows programs with the toolchain's objdump and checks it
# against a committed list. Two checks:
#   import_audit.sh functions LIST OBJDUMP PROGRAM...
#       every DLL!function imported is on LIST (lines "DLL!function documented|assumed"),
#       and the header asks for subsystem version 4.0 (Windows 95 and NT 4.0 load it);
#   import_audit.sh dlls LIST OBJDUMP PROGRAM...
#       every DLL imported statically is on LIST (one DLL name a line).
# Names compare without regard to case, "*" in LIST matches any run of characters and
# "#" starts a comment. Each offender is named on
# its own line; the exit code is 1 when there is any.
set -u
mode=$1 list=$2 objdump=$3
shift 3
# The list's first words as whole-line patterns: "." literal, "*" any run of characters.
patterns=$(mktemp)
trap 'rm -f "$patterns"' EXIT
sed -e 's/#.*//' "$list" | awk 'NF { print $1 }' | sed -e 's/[.]/\\./g' -e 's/[*]/.*/g' >"$patterns"
[ -s "$patterns" ] || echo '^$' >"$patterns"
bad=0
for program in "$@"; do
  name=$(basename "$program")
  dump=$("$objdump" -p "$program") || { echo "$name: objdump cannot read it"; bad=1; continue; }
  # Import lines: "DLL Name: X" opens a DLL, then "<tab>hint-rva  hint  name" per function.
  imports=$(awk '/^\tDLL Name: / { dll = $3; next }
                 /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ && dll { print dll "!" $3 }' <<<"$dump")
  if [ "$mode" = dlls ]; then
    imports=$(sed -n 's/^\tDLL Name: //p' <<<"$dump")
  else
    sub=$(awk '/^MajorSubsystemVersion/ { a = $2 } /^MinorSubsystemVersion/ { b = $2 }
               END { print a "." b }' <<<"$dump")
    if [ "$sub" != 4.0 ]; then
      echo "$name: subsystem version $sub, not 4.0: Windows 95 and NT 4.0 refuse to load it"
      bad=1
    fi
  fi
  if [ -z "$imports" ]; then
    echo "$name: no imports found (has objdump's output changed?)"
    bad=1
    continue
  fi
  count=$(wc -l <<<"$imports")
  while read -r entry; do
    [ -n "$entry" ] || continue
    if [ "$mode" = dlls ]; then
      echo "$name: imports $entry statically, which is not a Known DLL: load it at run time"
    else
      echo "$name: imports $entry, which is not on the list of what Windows 95 (IE4) and NT 4.0 export"
    fi
    bad=1
  done < <(grep -vxi -f "$patterns" <<<"$imports")
  echo "$name: $count imports checked"
done
exit $bad
