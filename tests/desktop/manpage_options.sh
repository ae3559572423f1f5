#!/bin/sh
# A manual page names exactly the options its program's --help names: an option added to the
# program and not to the page, or one the page still describes after it went, fails.
# Usage: manpage_options.sh PROGRAM PAGE
set -eu
options() { grep -o -- '--[a-z][a-z0-9-]*' | sort -u; }
help=$(LANG=C LANGUAGE= "$1" --help | options)
page=$(sed 's/\\-/-/g' "$2" | options)
if [ "$help" != "$page" ]; then
  echo "options of $1 --help and of $2 differ (< only in --help, > only in the page):"
  printf '%s\n' "$help" > "${TMPDIR:-/tmp}/help.$$"
  printf '%s\n' "$page" | diff "${TMPDIR:-/tmp}/help.$$" - || true
  rm -f "${TMPDIR:-/tmp}/help.$$"
  exit 1
fi
