#!/usr/bin/env bash
# Sets everything up, builds, and starts the programs with their stand-ins.
#
#   scripts/run.sh [tarvel|vintrel|all]     (default: all, one after the other)
#
# tarvel: starts a modem emulator on a pseudo-terminal, maps it to COM3 for the
# modem library (FENNICK_CONFIG), and starts Tarvel in build/run/tarvel, a folder
# with the region data files; the emulator stops when Tarvel ends.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"  # BUILD_DIR: another build folder
what="${1:-all}"

case "$what" in
  tarvel | vintrel | all) ;;
  *)
    echo "usage: scripts/run.sh [tarvel|vintrel|all]" >&2
    exit 2
    ;;
esac

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: run this on a desktop, or under xvfb-run, or with QT_QPA_PLATFORM=offscreen." >&2
fi

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

run_tarvel() {
  cmake --build "$build" --target tarvel fennick-emulator
  local run="$build/run/tarvel"
  mkdir -p "$run"
  ln -sf "$root"/tarvel/res/maps/struct[1-7].mpr "$run/"

  "$build/bin/fennick-emulator" --link "$run/modem" --state "$run/modem-country" >"$run/emulator.log" 2>&1 &
  local emulator=$!
  local tries=0
  until [ -L "$run/modem" ] || [ $tries -ge 50 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  if ! [ -L "$run/modem" ]; then
    echo "The modem emulator did not start; see $run/emulator.log" >&2
    kill "$emulator" 2>/dev/null || true
    return 1
  fi
  printf 'COM1=none\nCOM2=none\nCOM3=%s\nCOM4=none\n' "$run/modem" >"$run/fennick.conf"
  echo "Tarvel: modem emulator on COM3 ($(readlink "$run/modem")); country it holds: $run/modem-country"

  local status=0
  (cd "$run" && FENNICK_CONFIG="$run/fennick.conf" "$build/bin/tarvel") || status=$?
  kill "$emulator" 2>/dev/null || true
  wait "$emulator" 2>/dev/null || true
  echo "Tarvel ended (status $status); the modem holds $(cat "$run/modem-country" 2>/dev/null || echo '?')"
  return $status
}

# vintrel: starts the ISDN adapter simulator on a socket of its own in
# build/run/vintrel, and Vintrel with a registry in which the simulated adapter
# is installed (PLATFORM_REGISTRY). A call is placed on line 1 a few seconds in,
# so the counters and the event log move; the simulator stops when Vintrel ends.
run_vintrel() {
  cmake --build "$build" --target vintrel isdn-simulator isdn-sim
  local run="$build/run/vintrel"
  mkdir -p "$run"
  local socket="$run/isdn-sim.sock"
  "$build/bin/isdn-simulator" --config "$root/vintrel/res/simulator.conf" --socket "$socket" >"$run/simulator.log" 2>&1 &
  local simulator=$!
  local tries=0
  until [ -S "$socket" ] || [ $tries -ge 50 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  if ! [ -S "$socket" ]; then
    echo "The ISDN adapter simulator did not start; see $run/simulator.log" >&2
    kill "$simulator" 2>/dev/null || true
    return 1
  fi
  echo "Vintrel: simulated adapter on $socket; drive it with"
  echo "  $build/bin/isdn-sim --socket $socket call 2     (or clear 1, log TEXT, set TxPackets 5, status ...)"
  (sleep 6 && "$build/bin/isdn-sim" --socket "$socket" call 1 5550100 >/dev/null 2>&1) &
  local caller=$!

  local status=0
  ISDN_SIM_SOCKET="$socket" PLATFORM_REGISTRY="$root/vintrel/res/simulated-adapter.reg" "$build/bin/vintrel" || status=$?
  kill "$caller" 2>/dev/null || true
  kill "$simulator" 2>/dev/null || true
  wait "$simulator" 2>/dev/null || true
  echo "Vintrel ended (status $status)"
  return $status
}

case "$what" in
  tarvel) run_tarvel ;;
  vintrel) run_vintrel ;;
  all)
    run_tarvel
    run_vintrel
    ;;
esac
