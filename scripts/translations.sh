#!/usr/bin/env bash
# Brings translations/dotlark_de.ts and dotlark_fr.ts up to date with the texts in the code: a new text
# arrives unfinished (and the test of the translations fails until it is translated), a text
# gone from the code is dropped. Then translate the unfinished ones (Qt Linguist, or by hand:
# fill <translation> and remove type="unfinished").
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=""
for candidate in lupdate-qt6 /usr/lib/qt6/bin/lupdate lupdate; do
  if command -v "$candidate" >/dev/null 2>&1; then lupdate=$candidate; break; fi
done
if [ -z "$lupdate" ]; then
  echo "lupdate was not found: install qt6-l10n-tools (apt-get install qt6-l10n-tools)." >&2
  exit 1
fi
# lupdate rewrites every file it is given: it works on copies, and a file whose texts did not
# change is left untouched, so that the next build does not compile it (and relink) again.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in translations/dotlark_de.ts translations/dotlark_fr.ts; do cp -p "$ts" "$work/"; done
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h src app -ts "$work/dotlark_de.ts" "$work/dotlark_fr.ts" "$@"
for ts in translations/dotlark_de.ts translations/dotlark_fr.ts; do
  if ! cmp -s "$work/$(basename "$ts")" "$ts"; then
    cp "$work/$(basename "$ts")" "$ts"
    echo "updated $ts"
  fi
done
