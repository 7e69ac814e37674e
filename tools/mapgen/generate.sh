#!/usr/bin/env bash
# Regenerates Tarvel's map pictures and region data files from the pinned
# Natural Earth shapes, and the PNG screenshots under docs/maps/.
#
#   tools/mapgen/generate.sh          write tarvel/res/maps/* and docs/maps/*.png
#   tools/mapgen/generate.sh --check  generate into a temporary folder and compare
#                                     with the committed files (exit 1 on a difference)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/tarvel/res/maps"
files=(struct1.mpr struct2.mpr struct3.mpr struct4.mpr struct5.mpr struct6.mpr struct7.mpr
       map129.bmp map130.bmp map131.bmp map132.bmp map133.bmp map134.bmp map135.bmp)

cd "$here"
npm ci --no-audit --no-fund --loglevel=error >/dev/null

if [ "${1:-}" = "--check" ]; then
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  node generate.mjs --out "$tmp" >/dev/null
  status=0
  for f in "${files[@]}"; do
    if ! cmp -s "$tmp/$f" "$out/$f"; then
      echo "differs from the generator's output: tarvel/res/maps/$f"
      status=1
    fi
  done
  [ "$status" -eq 0 ] && echo "tarvel/res/maps matches the generator's output"
  exit "$status"
fi

node generate.mjs --out "$out"
mkdir -p "$root/docs/maps"
for f in "${files[@]}"; do
  case "$f" in
    *.bmp) convert "$out/$f" -strip "$root/docs/maps/${f%.bmp}.png" ;;
  esac
done
echo "wrote tarvel/res/maps and docs/maps"
