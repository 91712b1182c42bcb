#!/usr/bin/env bash
# The manual page and "vendaro --help" name the same options (and "/P"):
# an option added to one of them alone fails here.
#   manual_page_check.sh VENDARO MANUAL_PAGE
set -euo pipefail
vendaro=$1
page=$2

options() { grep -oE -- '--[a-z][a-z-]*|/P' | sort -u; }

help_options=$("$vendaro" --help | options)
# The page's source without its comments, with groff's "\-" as the hyphen.
page_options=$(grep -v '^\.\\"' "$page" | sed 's/\\-/-/g' | options)

[ -n "$help_options" ] || { echo "vendaro --help nennt keine Optionen" >&2; exit 1; }
if [ "$help_options" != "$page_options" ]; then
  echo "Nur in --help (<) oder nur im Handbuch (>):" >&2
  diff <(echo "$help_options") <(echo "$page_options") >&2 || true
  exit 1
fi
echo "$(echo "$help_options" | wc -l) Optionen in beiden"
