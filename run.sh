#!/usr/bin/env bash
# Installs what is missing, builds, and starts Gyrovane fed by the device
# simulator through a pseudo-terminal pair:
#   demo/                        XDG_DATA_HOME of the run
#   demo/Gyrovane/Gyrovane/      the program folder (configuration, logs, Excel)
#   demo/Gyrovane/Gyrovane/COM3  the program's end of the serial line (port 3)
#   demo/device                  the simulator's end
# socat and the simulator are stopped when Gyrovane exits.
set -euo pipefail
cd "$(dirname "$0")"
ROOT="$PWD"
. scripts/deps.sh
gv_install_deps
gv_build build

export XDG_DATA_HOME="$ROOT/demo"
PROGRAM_FOLDER="$XDG_DATA_HOME/Gyrovane/Gyrovane"
DEVICE="$ROOT/demo/device"
mkdir -p "$PROGRAM_FOLDER"
rm -f "$PROGRAM_FOLDER/COM3" "$DEVICE"

SOCAT_PID=""
SIM_PID=""
cleanup() {
  [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null || true
  [ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT INT TERM

socat pty,raw,echo=0,link="$PROGRAM_FOLDER/COM3" pty,raw,echo=0,link="$DEVICE" &
SOCAT_PID=$!
for _ in $(seq 1 50); do
  [ -e "$PROGRAM_FOLDER/COM3" ] && [ -e "$DEVICE" ] && break
  sleep 0.1
done
if [ ! -e "$PROGRAM_FOLDER/COM3" ]; then
  echo "socat did not create the pseudo-terminals" >&2
  exit 1
fi

# The simulator sends the messages of the system type in the settings
# (type 0 on a first start), one a second; a Current Cost 128 also sends
# its stored totals once a minute (a Classic sends them in every message).
TYPE=0
if [ -f "$PROGRAM_FOLDER/hardware.cfg" ]; then
  TYPE=$(sed -n 's/.*<SystemType>\([0-9]*\)<\/SystemType>.*/\1/p' "$PROGRAM_FOLDER/hardware.cfg" | head -n 1)
  case "$TYPE" in [0-8]) ;; *) TYPE=0 ;; esac
fi
build/tools/gv_simulator --type "$TYPE" --interval-ms 1000 --history 60 --out "$DEVICE" &
SIM_PID=$!

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: Gyrovane runs headless (stop it with Ctrl+C)."
  export QT_QPA_PLATFORM=offscreen
fi
echo "Program folder: $PROGRAM_FOLDER"
build/gyrovane
