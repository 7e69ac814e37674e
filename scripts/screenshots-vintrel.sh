#!/usr/bin/env bash
# Takes Vintrel's screenshots into docs/vintrel/ on Qt's offscreen platform:
# the real program against the ISDN adapter simulator, with a call on line 1,
# each page shown for a few seconds (the platform's screenshot run,
# PLATFORM_SCREENSHOT_DIR) so that live values and log lines are on them.
#
#   scripts/screenshots-vintrel.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"  # BUILD_DIR: another build folder

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vintrel isdn-simulator isdn-sim

run="$build/run/vintrel-screenshots"
rm -rf "$run"
mkdir -p "$run" "$root/docs/vintrel"
socket="$run/isdn-sim.sock"
sim() { "$build/bin/isdn-sim" --socket "$socket" "$@" >/dev/null; }

# A fast pace, so the layers are up and the call has traffic within seconds.
"$build/bin/isdn-simulator" --config "$root/vintrel/res/simulator.conf" --socket "$socket" \
  --report-interval 250 >"$run/simulator.log" 2>&1 &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  [ -S "$socket" ] && break
  sleep 0.1
done

# Once Vintrel is up: a call on line 1 that stays connected, and a driver text.
(sleep 1.5 && sim call 1 5550100 && sleep 4 && sim log "Layer 1 sync OK on S/T interface") &
driver=$!

rm -f "$root"/docs/vintrel/[0-9]-*.png
QT_QPA_PLATFORM=offscreen PLATFORM_UNATTENDED=1 ISDN_SIM_SOCKET="$socket" \
  PLATFORM_REGISTRY="$root/vintrel/res/simulated-adapter.reg" \
  PLATFORM_SCREENSHOT_DIR="$root/docs/vintrel" PLATFORM_SCREENSHOT_DELAY_MS=3000 \
  "$build/bin/vintrel"
kill "$driver" 2>/dev/null || true
ls "$root"/docs/vintrel/*.png
