#!/usr/bin/env bash
# Checks that a program's manual page documents every switch its help
# display lists, the long switches, and has the sections a reader of a
# Linux tool's page expects.
#   check_tool_page.sh PAGE PROGRAM
set -uo pipefail
page=$1
program=$2
failures=0

# The option paragraphs' tags as man renders the page (without
# overstriking, its output being no terminal): "-E", "-L:n",
# "-eext", "-i", "--help".
rendered=$(MANWIDTH=200 man -l "$page" 2>/dev/null)
documented=$(sed -n 's/^ \{7\}\(-[^ ]*\).*/\1/p' <<<"$rendered" | sort -u)

# The help display's lines are " -X     text"; its continuation lines start
# with eight blanks.
switches=$("$program" -? </dev/null | sed -n 's/^ \(-[^ ]*\) .*/\1/p')
switches+=$'\n--help\n--version'
for switch in $switches; do
  if ! grep -qxF -e "$switch" -e "${switch}ext" <<<"$documented"; then
    echo "$(basename "$page") does not document $switch"
    failures=$((failures + 1))
  fi
done

sections=("NAME" "SYNOPSIS" "DESCRIPTION" "OPTIONS" "DIAGNOSTICS" "EXIT STATUS" "ENVIRONMENT" "FILES"
  "EXAMPLES" "SEE ALSO")
for section in "${sections[@]}"; do
  if ! grep -qx "$section" <<<"$rendered"; then
    echo "$(basename "$page") has no section $section"
    failures=$((failures + 1))
  fi
done
for word in SOURCE_DATE_EPOCH "error(s)" "warning(s)"; do
  if ! grep -qF "$word" <<<"$rendered"; then
    echo "$(basename "$page") never mentions $word"
    failures=$((failures + 1))
  fi
done

[ "$failures" -eq 0 ] && echo "$(basename "$page") covers the command line"
[ "$failures" -eq 0 ]
