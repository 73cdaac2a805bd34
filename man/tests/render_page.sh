#!/usr/bin/env bash
# Renders a manual page as man and groff do, with every warning on; any
# message at all fails it. lexgrog must find its NAME line, as mandb does.
#   render_page.sh PAGE
set -euo pipefail
page=$1
groff_messages=$(groff -t -man -ww -z "$page" 2>&1)
man_messages=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
if [ -n "$groff_messages$man_messages" ]; then
  printf '%s\n' "$groff_messages" "$man_messages"
  echo "$page: warnings while rendering"
  exit 1
fi
if command -v lexgrog >/dev/null && ! lexgrog "$page" >/dev/null; then
  echo "$page: lexgrog cannot read its NAME section"
  exit 1
fi
echo "$page renders cleanly"
