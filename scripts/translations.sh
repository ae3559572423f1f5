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
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h src app -ts translations/dotlark_de.ts translations/dotlark_fr.ts "$@"
