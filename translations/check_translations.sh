#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_translations.sh LUPDATE SOURCE_ROOT CATALOG=DIR[,DIR]...
# Fails when a catalog's .ts is not what lupdate makes of the sources now (a text
# added or changed and not extracted), or when an entry is unfinished, vanished or
# obsolete. Prints each catalog's count of translated texts.
set -euo pipefail
lupdate=$1 root=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for entry in "$@"; do
    catalog=${entry%%=*}
    IFS=, read -r -a dirs <<<"${entry#*=}"
    ts="$root/translations/${catalog}_en.ts"
    cp "$ts" "$tmp/${catalog}_en.ts"
    (cd "$root" && "$lupdate" -silent -locations none -no-obsolete "${dirs[@]}" \
        -ts "$tmp/${catalog}_en.ts")
    if ! diff -q "$ts" "$tmp/${catalog}_en.ts" >/dev/null; then
        echo "${catalog}_en.ts is not up to date with the sources (run the update_translations target):"
        diff "$ts" "$tmp/${catalog}_en.ts" | head -n 20
        status=1
    fi
    bad=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$ts" || true)
    total=$(grep -c '<source>' "$ts" || true)
    echo "$catalog: $((total - bad)) of $total texts translated"
    if [ "$bad" -ne 0 ]; then
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$ts" | grep '<source>' | head -n 20
        status=1
    fi
done
exit $status
