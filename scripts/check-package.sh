#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder (default: build), checks it with
# desktop-file-validate, appstreamcli and lintian, then installs it and starts the
# program from its desktop entry on a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/tonalink_*.deb | head -n 1)
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB, installed $(dpkg-deb -f "$deb" Installed-Size) KiB)"

root=$(mktemp -d /tmp/tonalink-deb-XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/tonalink.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
# Errors fail; warnings are shown.
lintian --fail-on error --allow-root "$deb"

# Installed as a user would, then started the way the desktop starts it.
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/tonalink.desktop | sed 's/ %f//')
home=$(mktemp -d /tmp/tonalink-home-XXXXXX)
cat >"$home/start.sh" <<SH
cd "$home"
$exec_line &
for _ in \$(seq 100); do
    if xdotool search --name '^Tonalink' >/dev/null 2>&1; then kill \$!; wait \$!; exit 0; fi
    kill -0 \$! 2>/dev/null || exit 1
    sleep 0.1
done
kill \$!; exit 1
SH
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/share" XDG_RUNTIME_DIR="$home/run" \
    xvfb-run -a bash "$home/start.sh" && rc=0 || rc=$?
rm -rf "$home"
if [ "$rc" -ne 0 ]; then
    echo "the installed program did not show its window" >&2
    exit 1
fi
echo "the installed program started from its desktop entry and showed its window"
