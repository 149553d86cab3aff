#!/bin/bash
# Figures of the SIP line against peers we did not write, on loopback:
#  - dial line to call answered (the program's INVITE to its ACK) and the digit
#    spacing the far end saw, in each DTMF mode, against linphonec taking G.711 only;
#  - registration time at Kamailio with digest authentication (first REGISTER to
#    its 200 OK), over UDP and TCP;
#  - the resident memory of the program (and any engine process it runs) with
#    a SIP line open.
# usage: scripts/sip-figures.sh [BUILD_DIR [memory]]   needs linphonec, kamailio,
# strace and python3; BUILD_DIR defaults to ./build; "memory" measures only the
# memory (for a build of another version).
set -eu
build=$(realpath "${1:-build}")
here=$(dirname "$(realpath "$0")")
cli=$build/tools/cli/tonalink-cli
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
port=$((41000 + $$ % 5000 * 4))

now() { date +%s%3N; }
stamp() { while IFS= read -r line; do printf '%s %s\n' "$(now)" "$line"; done; }

# The tool's data and settings: WaitTime 1 s, ten digits a part, hold 3 s.
setup_tool() { # DIR SIP_SECTION_LINES
    mkdir -p "$1/data" "$1/config/QUILLFERN"
    printf '%s\r\n' "[Sip]" FreeStartCmd=5 FreeEndCmd=6 FormStartCmd=4 MsgEndCmd=# \
        MsgCount=10 FreeToSuzi=/ WaitTime=1 CutTime=0 MsgCancelCmd=0 FormStyleCnt=1 \
        "Fm000=[01]OK" FreeWordCnt=2 "Fe000=[13]A" "Fe001=[14]B" NumberWordCnt=2 \
        "Nu000=[1]1" "Nu001=[2]2" >"$1/data/call.dat"
    printf '[Setting]\nPhoneType=1\nDefaultOffTime=3\n[Ports]\nCOM1=sip:127.0.0.1:%s\n[Sip]\n%s\n' \
        "$port" "$2" >"$1/config/QUILLFERN/Tonalink.ini"
}

# The tool's send under strace: its SIP messages with microsecond times.
traced_send() { # DIR MESSAGE
    XDG_CONFIG_HOME=$1/config strace -f -tt -e trace=%network,read,write -s 4000 -o "$1/trace" \
        "$cli" --dir "$1/data" send --type Sip --call-number 123 "$2" >"$1/out" 2>&1
}

# Milliseconds between the first traced line matching $2 and the next matching $3.
trace_gap() { # TRACE FIRST THEN
    python3 - "$@" <<'EOF'
import re, sys
def ms(line):
    h, m, s = line.split()[1].split(":")
    return (int(h) * 3600 + int(m) * 60 + float(s)) * 1000
start = None
for line in open(sys.argv[1], errors="replace"):
    if start is None and re.search(sys.argv[2], line):
        start = ms(line)
    elif start is not None and re.search(sys.argv[3], line):
        print(round(ms(line) - start)); break
EOF
}

if [ "${2:-}" != memory ]; then
echo "== linphonec, G.711 only (PCMU, PCMA), each DTMF mode"
codec=$'rate=8000\nchannels=1\nenabled=1'
for mode in rfc4733 info inband; do
    d=$work/$mode
    mkdir -p "$d/home/.local/share/linphone"
    printf '[sip]\nsip_port=%s\n[rtp]\naudio_rtp_port=-1\n[misc]\nadd_missing_audio_codecs=0\n[audio_codec_0]\nmime=PCMU\n%s\n[audio_codec_1]\nmime=PCMA\n%s\n' \
        "$port" "$codec" "$codec" >"$d/rc"
    mkfifo "$d/in"
    (HOME=$d/home exec linphonec -a -c "$d/rc" <"$d/in" 2>/dev/null | stamp >"$d/peer") &
    peer=$!
    exec 3>"$d/in"
    echo "soundcard use files" >&3
    echo "record $d/call.wav" >&3
    setup_tool "$d" "DtmfMode=$mode"
    traced_send "$d" "AB/12OK"
    echo quit >&3
    exec 3>&-
    wait "$peer" || true
    printf '%-8s dial line -> answered: %s ms;  ' "$mode" \
        "$(trace_gap "$d/trace" 'INVITE sip:' 'ACK sip:')"
    python3 - "$mode" "$d/peer" "$d/call.wav" <<'EOF'
import struct, sys, wave, math
mode, peer, wav = sys.argv[1:]
if mode != "inband":
    # The digits of the first call, as linphonec printed them on arrival.
    times, calls = [], 0
    for line in open(peer, errors="replace"):
        if " connected." in line:
            calls += 1
        elif "Receiving tone" in line and calls == 1:
            times.append(int(line.split()[0]))
else:
    # Tone onsets in the recording, which holds both calls back to back: 10 ms
    # frames whose energy rises past a threshold after at least 30 ms of quiet;
    # the first call's are its ten digits.
    w = wave.open(wav)
    rate, raw = w.getframerate(), w.readframes(w.getnframes())
    step = w.getnchannels()
    samples = struct.unpack("<%dh" % (len(raw) // 2), raw)[::step]
    n = len(samples)
    frame = rate // 100
    energy = [math.sqrt(sum(s * s for s in samples[i:i + frame]) / frame)
              for i in range(0, n - frame, frame)]
    threshold = max(energy) / 4
    times, quiet = [], 3
    for k, e in enumerate(energy):
        if e > threshold and quiet >= 3:
            times.append(k * 10)
        quiet = 0 if e > threshold else quiet + 1
    times = times[:10]
gaps = sorted(b - a for a, b in zip(times, times[1:]))
if gaps:
    print("digit spacing at the peer (%d digits): min %d, median %d, max %d ms"
          % (len(times), gaps[0], gaps[len(gaps) // 2], gaps[-1]))
else:
    print("no digits seen")
EOF
done

echo "== Kamailio, digest authentication"
registrar=127.0.0.2:$((port + 2))
for transport in udp tcp; do
    d=$work/kamailio-$transport
    mkdir -p "$d"
    TL_SIP_USER=alice TL_SIP_PASSWORD=secret kamailio -DD -E -m 16 -M 4 \
        -f "$here/../tests/tools/sipcentre/kamailio.cfg" -Y "$d" -w "$d" \
        -l "udp:$registrar" -l "tcp:$registrar" 2>"$d/log" &
    kam=$!
    sleep 2
    setup_tool "$d" $'User=alice\nPassword=secret\nRegistrar='"$registrar"$'\nTransport='"$transport"
    traced_send "$d" "AB" || true
    kill "$kam"
    wait "$kam" 2>/dev/null || true
    echo "$transport registration: $(trace_gap "$d/trace" 'REGISTER sip:' 'SIP/2.0 200 .*CSeq: [0-9]+ REGISTER') ms"
done

fi

echo "== resident memory with a SIP line open"
gui=$build/src/ui/shell/tonalink
d=$work/memory
setup_tool "$d" ""
(cd "$d/data" && XDG_CONFIG_HOME=$d/config QT_QPA_PLATFORM=offscreen exec "$gui") &
app=$!
sleep 8
kb=0
for p in $app $(pgrep -P "$app" || true); do
    kb=$((kb + $(awk '/VmRSS/ {print $2}' "/proc/$p/status")))
done
echo "tonalink with the line open: ${kb} kB resident (children included)"
kill "$app"
