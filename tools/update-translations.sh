#!/usr/bin/env bash
# Refreshes resources/Translations/English.ts and German.ts from the sources.
# New texts arrive unfinished: translate them (Qt Linguist or an editor) before
# committing; texts that left the sources are dropped. The German catalogue
# repeats the German source texts and translates the few English ones.
#   LUPDATE=/path/to/lupdate tools/update-translations.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    if [ -x /usr/lib/qt5/bin/lupdate ]; then
        lupdate=/usr/lib/qt5/bin/lupdate
    else
        lupdate=lupdate
    fi
fi
cd "$root"
dirs=()
for d in comm model records app pages service sim platform cli; do
    [ -d "$d" ] && dirs+=("$d")
done
"$lupdate" -no-obsolete -locations relative "${dirs[@]}" \
    -ts resources/Translations/English.ts resources/Translations/German.ts
