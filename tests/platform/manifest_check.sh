#!/usr/bin/env bash
# Checks the application manifest embedded in a Windows program (resource 1 of type 24):
# well-formed XML with the asm.v2 trustInfo asking for LEVEL, the supportedOS entries
# from Vista to 10/11, the common controls 6 dependency for any processor, and the DPI
# awareness DPI ("system": dpiAware true; "PerMonitorV2": dpiAware true/pm and
# dpiAwareness PerMonitorV2).
#   manifest_check.sh WINDRES PROGRAM LEVEL DPI
# Names each missing entry on its own line; exit code 1 when any is missing.
set -u
windres=$1 program=$2 level=$3 dpi=$4
name=$(basename "$program")
xml=$(mktemp)
trap 'rm -f "$xml"' EXIT
# windres prints the resource as quoted lines with "" for " and \n for line ends.
"$windres" -i "$program" -O rc 2>/dev/null |
  awk '/^1 24 /{ on = 1; next } on && /^END/ { exit }
       on && /^  "/ { sub(/^  "/, ""); sub(/"$/, ""); gsub(/""/, "\""); gsub(/\\n/, "\n"); printf "%s", $0 }' >"$xml"
if [ ! -s "$xml" ]; then
  echo "$name: no application manifest (resource 1 of type 24)"
  exit 1
fi
if ! xmllint --noout "$xml" 2>/dev/null; then
  echo "$name: the manifest is not well-formed XML:"
  xmllint --noout "$xml" 2>&1 | head -n 5
  exit 1
fi
bad=0
has() {  # has <description> <xpath>
  [ "$(xmllint --xpath "count($2)" "$xml" 2>/dev/null)" -ge 1 ] 2>/dev/null && return
  echo "$name: the manifest lacks $1"
  bad=1
}
el() { echo "//*[local-name()='$1'${2:+ and namespace-uri()='$2'}]"; }
has "requestedExecutionLevel $level inside an asm.v2 trustInfo" \
  "$(el trustInfo urn:schemas-microsoft-com:asm.v2)//*[local-name()='requestedExecutionLevel' and @level='$level']"
for os in e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
          4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
          8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  has "supportedOS {$os}" "$(el supportedOS)[@Id='{$os}']"
done
has "the common controls 6 dependency for any processor" \
  "$(el dependentAssembly)/*[local-name()='assemblyIdentity' and @name='Microsoft.Windows.Common-Controls' and @version='6.0.0.0' and @processorArchitecture='*' and @publicKeyToken='6595b64144ccf1df']"
ws=http://schemas.microsoft.com/SMI/2005/WindowsSettings
if [ "$dpi" = PerMonitorV2 ]; then
  has "dpiAware true/pm" "$(el dpiAware $ws)[normalize-space()='true/pm']"
  has "dpiAwareness PerMonitorV2" \
    "$(el dpiAwareness http://schemas.microsoft.com/SMI/2016/WindowsSettings)[normalize-space()='PerMonitorV2']"
else
  has "dpiAware true" "$(el dpiAware $ws)[normalize-space()='true']"
fi
[ $bad = 0 ] && echo "$name: manifest has every entry ($level, $dpi)"
exit $bad
