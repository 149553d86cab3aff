#!/usr/bin/env bash
# Installs what is needed, builds, and starts Tonalink on the sample data with a
# simulated modem on COM1. Settings, the log and the modem's transcript go to a
# throw-away folder, printed at the start; your own settings are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target tonalink tonalink-modemsim tonalink-cli \
    typeedit pbedit_library pbedit XtPlus

work=$(mktemp -d /tmp/tonalink-sample-XXXXXX)
cp data/call.dat data/maddress.dat "$work/"
mkdir -p "$work/config/QUILLFERN"
printf '[Setting]\nPhoneType=1\n\n[Ports]\nCOM1=%s\n' "$work/modem" >"$work/config/QUILLFERN/Tonalink.ini"
echo "Sample folder: $work (modem transcript: $work/modem.jsonl, audio: $work/modem.wav)"

build/tools/modemsim/tonalink-modemsim --log "$work/modem.jsonl" --wav "$work/modem.wav" \
    "$work/modem" 2>"$work/modemsim.err" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "$work/modem" ] && break; sleep 0.05; done

app="$PWD/build/src/ui/shell/tonalink"
cd "$work"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/run}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$app" "$@"
else
    echo "No display: running on a virtual X server (xvfb-run); close with Ctrl+C."
    xvfb-run -a "$app" "$@"
fi
