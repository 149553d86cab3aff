#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# startup-figures.sh [BUILD] [RUNS]: the program's start-up time (exec to its main
# window mapped) and resident memory a second later, in Japanese and in English,
# on the sample data under Xvfb. Prints the median of RUNS (default 5) per language.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
program=$(realpath "$build/src/ui/shell/tonalink")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/measure.sh" <<SH
set -euo pipefail
for lang in ja en; do
    times=() rss=()
    for _ in \$(seq $runs); do
        home=\$(mktemp -d "$work/home-XXXXXX")
        cp data/call.dat data/maddress.dat "\$home/"
        start=\$(date +%s%N)
        (cd "\$home" && XDG_CONFIG_HOME="\$home" TONALINK_LANG=\$lang exec "$program") &
        pid=\$!
        # xdotool's own --sync polls every half second; this polls every 10 ms.
        while kill -0 "\$pid" 2>/dev/null &&
            ! xdotool search --onlyvisible --pid "\$pid" >/dev/null 2>&1; do
            sleep 0.01
        done
        kill -0 "\$pid" 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
        times+=(\$(( (\$(date +%s%N) - start) / 1000000 )))
        sleep 1
        rss+=(\$(awk '/VmRSS/ {print \$2}' /proc/\$pid/status))
        kill "\$pid"; wait "\$pid" 2>/dev/null || true
    done
    t=\$(printf '%s\n' "\${times[@]}" | sort -n | sed -n "\$(( ($runs + 1) / 2 ))p")
    r=\$(printf '%s\n' "\${rss[@]}" | sort -n | sed -n "\$(( ($runs + 1) / 2 ))p")
    echo "\$lang: start-up \${t} ms, resident \$(( r / 1024 )) MiB (median of $runs: \${times[*]} ms)"
done
SH
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/measure.sh"
