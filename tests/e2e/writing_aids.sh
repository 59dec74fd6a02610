#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Auto-correct as a new user switches it on (rules put in the store from the command line,
# then typed into the real editor), and a word replaced everywhere with one undo.
# Usage (under an X server, e.g. xvfb-run): writing_aids.sh CALMDESK_BINARY
set -euo pipefail
calmdesk=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

settings='Software\Osmira\v11\Settings'
"$calmdesk" --reg add "$settings\\general" txtcore 1
"$calmdesk" --reg add "$settings\\autocorect" a0 teh
"$calmdesk" --reg add "$settings\\autocorect" b0 the
"$calmdesk" --reg add "$settings\\autocorect" a1 adn
"$calmdesk" --reg add "$settings\\autocorect" b1 and

start_editor
xdotool type --delay 30 "I saw teh cat adn Teh dog"
[ "$(editor_text)" = "I saw the cat and The dog" ] ||
  fail "typed text reads \"$(editor_text)\""

# Ctrl+H, the word and its replacement, Replace All: every "the" goes; one Ctrl+Z.
xdotool key --clearmodifiers ctrl+h
focus_window Replace
xdotool type --delay 30 "the"
xdotool key Tab
xdotool type --delay 30 "teh"
xdotool key alt+a
sleep 0.3
xdotool key Escape
[ "$(editor_text)" = "I saw teh cat and teh dog" ] ||
  fail "after Replace All the text reads \"$(editor_text)\""
xdotool key --clearmodifiers ctrl+z
[ "$(editor_text)" = "I saw the cat and The dog" ] ||
  fail "after one undo the text reads \"$(editor_text)\""
kill_editor
echo "PASS"
