#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The crash-recovery copy as a writer meets it: text typed into the real editor survives a
# SIGKILL, once after Enter and once five seconds after the last key with no Enter, and
# the next start offers it back with the "Auto-recovery" message.
# Usage (under an X server, e.g. xvfb-run): crash_recovery.sh CALMDESK_BINARY
set -euo pipefail
calmdesk=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
recovery=$XDG_STATE_HOME/calmdesk/recovery.txt

# Waits up to $2 tenths of a second until the copy on disk holds $1.
wait_for_copy() {
  for _ in $(seq 1 "$2"); do
    grep -q "$1" "$recovery" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
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
# Sooner than the pause in typing would write it.
wait_for_copy "Killed after Enter" 20 || fail "Enter wrote no recovery copy"
kill_editor
[ "$(stat -c %a "$recovery")" = 600 ] || fail "the recovery copy is readable by others"
offered_back "Killed after Enter"

# A pause in typing writes it too.
rm -f "$recovery"
start_editor
xdotool type --delay 20 "Killed in a pause"
sleep 5
wait_for_copy "Killed in a pause" 50 || fail "a pause in typing wrote no recovery copy"
kill_editor
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
