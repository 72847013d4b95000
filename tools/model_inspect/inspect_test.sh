#!/usr/bin/env bash
# model_inspect on a good model, damaged and unusable ones, and good and bad bitmaps:
# what it prints and its exit status. Usage: inspect_test.sh MODEL_INSPECT CORPUS_DIR SCRATCH
set -u
tool=$1 corpus=$2 scratch=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
mkdir -p "$scratch"

out=$("$tool" "$corpus/scene.3ds" 2>&1) || fail "scene.3ds: exit status $?"
grep -qx '  0 "sky" texture "SKY.BMP" colour 150 150 150' <<<"$out" || fail "scene.3ds: material 0: $out"
grep -qx '  1 "Shape1" vertices 16 texture coordinates 16 faces 8 material 1 "grass" textured' <<<"$out" ||
  fail "scene.3ds: object 1: $out"
grep -qx '    bounds x -31.163 to 30.325, y -22.382 to 23.087, z -4.324 to -4.324' <<<"$out" ||
  fail "scene.3ds: backdrop bounds: $out"

for args in "$corpus/truncated.3ds" "--check $corpus/truncated.3ds"; do
  # shellcheck disable=SC2086
  out=$("$tool" $args 2>&1) && fail "$args: accepted"
  [ "$(wc -l <<<"$out")" = 1 ] || fail "$args: more than one line: $out"
  grep -Eqx "model_inspect: error: .*truncated.3ds: damaged: chunk 0x[0-9A-F]{4} at byte [0-9]+: .+" <<<"$out" ||
    fail "$args: $out"
done

out=$("$tool" --check "$corpus/ribbon_v4.3ds" 2>&1) && fail "version 4 accepted as a logo model"
grep -q "error: .*cannot be the logo model: file version 4; the saver reads versions up to 3" <<<"$out" ||
  fail "ribbon_v4.3ds: $out"

# Three materials of its own: the saver's four texture materials would need bitmap 122.
out=$("$tool" --check "$corpus/three_materials.3ds" 2>&1) && fail "three materials accepted"
grep -q "error: .*cannot be the logo model: 3 materials; .* more than 2 .* slot 6 (bitmap 122), beyond the 6 bitmaps" \
  <<<"$out" || fail "three_materials.3ds: $out"

out=$("$tool" "$corpus/face_index.3ds" 2>&1) || fail "face_index.3ds: exit status $?"
grep -q 'warning: .*object 0 "tri": 1 faces dropped' <<<"$out" || fail "face_index.3ds: $out"

out=$("$tool" "$scratch/missing.3ds" 2>&1) && fail "missing file accepted"
grep -q "error: .*missing.3ds: cannot open" <<<"$out" || fail "missing file: $out"

# A 1 x 1 24-bit bitmap, the same with 8 bits per pixel, top-down, and 4096 wide.
header() { printf 'BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0'"$2"'\0\0'"$3"'\x01\0'"$1"'\0\0\0\0\0\x04\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'; }
{ header '\x18' '\x01\0' '\x01\0\0\0'; printf '\x10\x20\x30\0'; } >"$scratch/good.bmp"
{ header '\x08' '\x01\0' '\x01\0\0\0'; printf '\x10\x20\x30\0'; } >"$scratch/bad.bmp"
{ header '\x18' '\x01\0' '\xff\xff\xff\xff'; printf '\x10\x20\x30\0'; } >"$scratch/topdown.bmp"
{ header '\x18' '\0\x10' '\x01\0\0\0'; head -c 12288 /dev/zero; } >"$scratch/wide.bmp"
for case in "topdown.bmp:rows stored top-down" "wide.bmp:4096 x 1 pixels; sides up to 2048"; do
  out=$("$tool" --check "$corpus/scene.3ds" "$scratch/${case%%:*}" 2>&1) && fail "${case%%:*} accepted"
  grep -q "error: .*${case%%:*}: cannot be a texture: ${case#*:}" <<<"$out" || fail "${case%%:*}: $out"
done
out=$("$tool" --check "$corpus/scene.3ds" "$scratch/good.bmp" 2>&1) || fail "good bitmap refused: $out"
grep -q "usable logo model: 2 materials, 2 objects, .*; 1 bitmaps usable" <<<"$out" || fail "check summary: $out"
out=$("$tool" --check "$corpus/scene.3ds" "$scratch/good.bmp" "$scratch/bad.bmp" 2>&1) && fail "8-bit bitmap accepted"
grep -qx "model_inspect: error: .*bad.bmp: cannot be a texture: 8 bits per pixel; needs 24 or 32" <<<"$out" ||
  fail "bad bitmap: $out"

[ "$failures" = 0 ] && echo "model_inspect: all checks passed"
[ "$failures" = 0 ]
