#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The options dialog as a new user meets it: F9 opens it, a changed width is applied on OK
# and still there after a restart, Cancel changes nothing, and a profile saved under a name
# brings its settings back after other changes.
#   options.sh CALMDESK
set -euo pipefail
calmdesk=$1
. "$(dirname "$0")/lib.sh"
general='Software\Osmira\v11\Settings\general'
stored() { "$calmdesk" --reg query "$general" "$1" 2>/dev/null | awk '{print $NF}'; }
options_window() { focus_window Options; }
# Waits until the dialog has closed (a slow build stores and applies for a while).
options_closed() {
  for _ in $(seq 1 200); do
    xdotool search --onlyvisible --name '^Options$' >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the options dialog stayed open"
}

# The Editor page's width field (Alt+W), a new value, Enter for OK.
set_width() {
  xdotool key --clearmodifiers F9
  options_window
  xdotool key ctrl+Tab ctrl+Tab alt+w ctrl+a
  xdotool type "$1"
}

start_editor
set_width 60
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool key Return
options_closed
[ "$(stored width)" = 60 ] || fail "width after OK: $(stored width)"

# Cancel (Escape) stores nothing.
before=$("$calmdesk" --reg export 2>/dev/null)
set_width 40
xdotool key Escape
options_closed
[ "$("$calmdesk" --reg export 2>/dev/null)" = "$before" ] || fail "Cancel changed the store"

# Saved as "my:profile" (kept as "myprofile"): Alt+S on the first page.
xdotool key --clearmodifiers F9
options_window
xdotool type "my:profile"
xdotool key alt+s
options_closed
set_width 75
xdotool key Return
options_closed
[ "$(stored width)" = 75 ] || fail "width before the profile: $(stored width)"
xdotool key --clearmodifiers F9
options_window
xdotool type "myprofile"
xdotool key alt+u
options_closed
[ "$(stored width)" = 60 ] || fail "width from the profile: $(stored width)"

kill_editor
start_editor
xdotool key --clearmodifiers F9
options_window
xdotool key ctrl+Tab ctrl+Tab alt+w ctrl+c
sleep 0.3
shown=$(xclip -o -selection clipboard)
[ "$shown" = "60 %" ] || [ "$shown" = "60" ] || fail "width shown after a restart: '$shown'"
echo "options: ok"
