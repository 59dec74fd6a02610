#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser page as a new user meets it: Alt+B shows it, a page served on 127.0.0.1
# loads, and "Insert" puts the page's selected text into the document.
#   browser.sh CALMDESK
set -euo pipefail
calmdesk=$1
. "$(dirname "$0")/lib.sh"

site=$work/site
mkdir -p "$site"
cat >"$site/index.html" <<'HTML'
<html><head><title>Loopback</title></head>
<body><p>Quiet words from a loopback page.</p></body></html>
HTML
port=$((20000 + RANDOM % 20000))
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >"$work/server.log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; cleanup' EXIT

start_editor
xdotool key --clearmodifiers alt+b
sleep 3
# The address box, where the panel stands on a 1280x800 screen.
xdotool mousemove 1070 127 click 1
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "http://127.0.0.1:$port/index.html"
xdotool key Return
sleep 4
# Into the page, everything in it selected, then Escape clicks "Insert".
xdotool mousemove 1120 400 click 1
sleep 0.5
xdotool key ctrl+a
sleep 0.5
xdotool key Escape
sleep 0.5
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
text=$(editor_text)
grep -q "Quiet words from a loopback page." <<<"$text" || fail "inserted text: '$text'"
grep -q "GET /index.html" "$work/server.log" || fail "the page was never asked for"
echo "browser: ok"
