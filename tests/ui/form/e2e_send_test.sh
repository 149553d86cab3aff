#!/usr/bin/env bash
# Drives the real program on a virtual X display: types a call number, chooses the
# pager type, types a message, presses Send, and checks what the simulated modem
# received and what the send log holds after exit.
# usage: e2e_send_test.sh TONALINK MODEMSIM [SCREENSHOT_DIR]
set -euo pipefail
tonalink=$(realpath "$1")
modemsim=$(realpath "$2")
shots=${3:-}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/tonalink.err" ] && sed 's/^/tonalink: /' "$work/tonalink.err" >&2
    exit 1
}
waitFor() { # seconds, command...
    local limit=$(( $1 * 10 )); shift
    for ((i = 0; i < limit; i++)); do "$@" && return 0; sleep 0.1; done
    return 1
}
shot() { [ -n "$shots" ] && import -display ":$display" -window root "$shots/$1.png" || true; }

mkdir -p "$work/run" "$work/config/QUILLFERN" "$work/runtime"
chmod 700 "$work/runtime"
# One pager type with short times, so the call takes seconds: dial 3.5 s after the
# start, codes at once, hang-up 2 s later (DefaultOffTime 2), end 2 s after that.
printf '%s\r\n' '[テスト機種]' 'FreeStartCmd=*2*2' 'MsgEndCmd=##' 'MsgCount=30' \
    'WaitTime=0' 'CutTime=0' 'FreeWordCnt=2' 'Fe000=[11]ア' 'Fe001=[12]イ' |
    iconv -f UTF-8 -t CP932 > "$work/run/call.dat"
cat > "$work/config/QUILLFERN/Tonalink.ini" <<INI
[Setting]
CommPort=0
PhoneType=1
DefaultOffTime=2
[Ports]
COM1=$work/modem
INI

"$modemsim" --log "$work/modem.log" "$work/modem" 2>"$work/modemsim.err" &
pids+=($!)
waitFor 5 test -e "$work/modem" || fail "modem simulator did not start"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
waitFor 5 test -s "$work/display" || fail "Xvfb did not start"
display=$(cat "$work/display")
export DISPLAY=":$display"

(cd "$work/run" && XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb exec "$tonalink") 2>"$work/tonalink.err" &
app=$!
pids+=($app)
window=$(timeout 15 xdotool search --sync --onlyvisible --name 'Tonalink with Win32' | head -1) ||
    fail "no main window"
xdotool windowfocus --sync "$window"
sleep 2.5 # the first clock tick lists the pager types

key() { xdotool key --delay 60 "$@"; }
# Focus starts in the call number; the pager type is five fields on.
xdotool type --delay 60 '0201112222'
key Tab Tab Tab Tab Tab Down
# Message mode, then the message itself.
key Tab Tab
xdotool type --delay 120 'アイ'
sleep 0.5
shot form-typed
# Fixed phrases, Add, Clear, View, then Send.
key Tab Tab Tab Tab Tab space
sleep 4.3
shot call-dialog
waitFor 20 grep -q 'ATE1V1Q0H0' "$work/modem.log" || fail "no hang-up line; modem saw: $(cat "$work/modem.log")"
sleep 2.5
shot finished
key Return # "送信を終了しました。"
sleep 0.5
kill -TERM "$app"
waitFor 10 bash -c "! kill -0 $app 2>/dev/null" || fail "program did not end"

lines=$(sed -e 's/^{"t_ms":[0-9]*,"line":"//' -e 's/"}$//' "$work/modem.log")
expected='ATZ0
ATDT0201112222;
ATDT*2*21112##;
ATE1V1Q0H0'
[ "$lines" = "$expected" ] || fail "modem lines differ:
$lines"
# How far the steps seen on the line are from their plan (codes 0 ms after the
# dial, hang-up 2000 ms after the codes). The exact schedule is checked on virtual
# time; on a loaded machine a step seen here may come 300 ms short (the one before
# it was seen late) or 1500 ms long.
mapfile -t at < <(sed -e 's/^{"t_ms":\([0-9]*\),.*/\1/' "$work/modem.log")
echo "timing: dial->codes $((at[2] - at[1])) ms (plan 0), codes->hang-up $((at[3] - at[2])) ms (plan 2000)"
(( at[2] - at[1] <= 1500 && at[3] - at[2] >= 1700 && at[3] - at[2] <= 3500 )) || fail "call steps off their times"
log=$(iconv -f CP932 -t UTF-8 "$work/run/bell.log")
echo "$log" | grep -q $',0201112222,,テスト機種,アイ,"\\*2\\*21112##"\r$' ||
    fail "no log record: $log"
echo "1 passed, 0 failed"
