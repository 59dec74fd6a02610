#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The notes as a new user meets them: Alt+P shows them with the keyboard in them, and what
# was typed there is still there after the editor is closed and started again.
#   scratchpad.sh CALMDESK
set -euo pipefail
calmdesk=$1
. "$(dirname "$0")/lib.sh"

start_editor
xdotool key --clearmodifiers alt+p
sleep 0.5
xdotool type --delay 20 "an idea for chapter two"
sleep 0.3
# The document is unchanged: Ctrl+Q closes without a question and keeps the notes.
xdotool key --clearmodifiers ctrl+q
wait "$pid" || fail "the editor did not close cleanly"
pid=""
notes=$(find "$XDG_DATA_HOME" -name Scratchpad.rtf)
[ -n "$notes" ] || fail "no Scratchpad.rtf was written"

start_editor
xdotool key --clearmodifiers alt+p
sleep 0.5
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.3
text=$(xclip -o -selection clipboard | tr -d '\r')
[ "$text" = "an idea for chapter two" ] || fail "notes after the restart: '$text'"
echo "scratchpad: ok"
