#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The diary as a new user meets it, with the status line always shown: a double click on
# the clock opens today's page (made empty first), and what is typed there is saved in it.
#   diary.sh CALMDESK
set -euo pipefail
calmdesk=$1
. "$(dirname "$0")/lib.sh"
"$calmdesk" --reg add 'Software\Osmira\v11\Settings\general' show_status 1 >/dev/null

start_editor
geometry=$(xdotool getdisplaygeometry)
width=${geometry% *}
height=${geometry#* }
# The clock stands at the right end of the status line along the bottom.
xdotool mousemove $((width - 70)) $((height - 12)) click --repeat 2 --delay 80 1
sleep 1
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
page="$XDG_DATA_HOME/Calmdesk/Diary/$(date +%d-%m-%Y).txt"
[ -f "$page" ] || fail "no page $page"
focus_window Calmdesk
xdotool type --delay 20 "dear diary"
xdotool key --clearmodifiers ctrl+s
sleep 0.5
[ "$(tr -d '\r\n' <"$page")" = "dear diary" ] || fail "page holds '$(cat "$page")'"
echo "diary: ok"
