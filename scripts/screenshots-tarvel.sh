#!/usr/bin/env bash
# Takes Tarvel's screenshots into docs/tarvel/ on Qt's offscreen platform: the
# Map page on the globe, the Map page on the map of Europe with a hover label,
# and the List page after programming a modem emulator mapped to COM3.
#
#   scripts/screenshots-tarvel.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"  # BUILD_DIR: another build folder

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tarvel_screenshots fennick-emulator

run="$build/run/tarvel-screenshots"
rm -rf "$run"
mkdir -p "$run" "$root/docs/tarvel"
ln -s "$root"/tarvel/res/maps/struct[1-7].mpr "$run/"

"$build/bin/fennick-emulator" --link "$run/modem" --state "$run/modem-country" >"$run/emulator.log" 2>&1 &
emulator=$!
trap 'kill "$emulator" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  [ -L "$run/modem" ] && break
  sleep 0.1
done
printf 'COM1=none\nCOM2=none\nCOM3=%s\nCOM4=none\n' "$run/modem" >"$run/fennick.conf"

(cd "$run" && QT_QPA_PLATFORM=offscreen FENNICK_CONFIG="$run/fennick.conf" \
  "$build/bin/tarvel_screenshots" "$root/docs/tarvel")
echo "The modem now holds: $(cat "$run/modem-country")"
