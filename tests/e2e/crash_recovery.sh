#!/usr/bin/env bash
# The crash-recovery copy as a writer meets it: text typed into the real editor survives a
# SIGKILL, once after Enter and once five seconds after the last key with no Enter, and
# the next start offers it back with the "Auto-recovery" message.
# Usage (under an X server, e.g. xvfb-run): crash_recovery.sh CALMDESK_BINARY
set -euo pipefail
calmdesk=$1
source "$(dirname "$0")/editor-session.sh"
recovery=$XDG_STATE_HOME/calmdesk/recovery.txt

kill_editor() {
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

offered_back() {
  local typed=$1
  start_editor
  focus_window Auto-recovery
  xdotool key Return
  sleep 0.3
  [ "$(editor_text)" = "$typed" ] || fail "the editor shows \"$(editor_text)\", not \"$typed\""
  kill_editor
}

# Enter writes the copy when it comes up.
start_editor
xdotool type --delay 20 "Killed after Enter"
xdotool key Return
sleep 1
kill_editor
grep -q "Killed after Enter" "$recovery" || fail "Enter wrote no recovery copy"
[ "$(stat -c %a "$recovery")" = 600 ] || fail "the recovery copy is readable by others"
offered_back "Killed after Enter"

# A pause in typing writes it too.
rm -f "$recovery"
start_editor
xdotool type --delay 20 "Killed in a pause"
sleep 5
kill_editor
grep -q "Killed in a pause" "$recovery" || fail "a pause in typing wrote no recovery copy"
offered_back "Killed in a pause"

# The recovered text is unsaved, and a normal close removes the copy.
start_editor
focus_window Auto-recovery
xdotool key Return
focus_window Calmdesk
xdotool key --clearmodifiers ctrl+q
sleep 0.5
focus_window "Save Confirmation"
xdotool key n
wait "$pid" || true
pid=""
[ ! -e "$recovery" ] || fail "a normal close left the recovery copy"
echo "PASS"
