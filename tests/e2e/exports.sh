#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Export as a new user meets it: text typed with bracket tags, Ctrl+E, each of the four
# entries of the export dialog, and every file opened by a reader (skipped when missing).
# Usage (under an X server, e.g. xvfb-run): exports.sh CALMDESK_BINARY
set -euo pipefail
calmdesk=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

settings='Software\Osmira\v11\Settings'
"$calmdesk" --reg add "$settings\\general" formats 2
out=$work/out
mkdir -p "$out"

start_editor
xdotool type --delay 20 "Plain [b]bold words[/b] and (more)"

# Ctrl+E, the entry `index` of the file type list (counted from 1), the name typed.
export_as() {
  local index=$1 name=$2
  focus_window Calmdesk
  xdotool key --clearmodifiers ctrl+e
  focus_window "Calmdesk -.*Export File"
  sleep 0.5
  # The file type list follows the name field; Home, then Down to the entry.
  xdotool key --clearmodifiers Tab
  xdotool key --clearmodifiers Home
  for _ in $(seq 2 "$index"); do xdotool key --clearmodifiers Down; done
  xdotool key --clearmodifiers shift+Tab
  xdotool type --delay 20 "$out/$name"
  xdotool key --clearmodifiers Return
  sleep 1
}

export_as 1 story
export_as 2 story
focus_window "Export to HTML"
xdotool key --clearmodifiers Return
sleep 1
export_as 3 story
export_as 4 story
kill_editor

for f in story.rtf story.html story.pdf story.txt; do
  [ -s "$out/$f" ] || fail "no $f (the folder holds: $(ls "$out"))"
done
grep -q '\\b bold words' "$out/story.rtf" || fail "story.rtf has no bold words"
grep -q '<b>bold words</b>' "$out/story.html" || fail "story.html has no bold words"
grep -q '<html>' "$out/story.html" || fail "story.html is no page"
[ "$(cat "$out/story.txt")" = "Plain [b]bold words[/b] and (more)" ] ||
  fail "story.txt reads \"$(cat "$out/story.txt")\""
if command -v qpdf >/dev/null; then
  qpdf --check "$out/story.pdf" >/dev/null || fail "qpdf finds fault with story.pdf"
fi
if command -v pdftotext >/dev/null; then
  pdftotext "$out/story.pdf" - | grep -q 'Plain \[b\]bold words\[/b\] and (more)' ||
    fail "pdftotext reads no text back"
fi
if command -v pandoc >/dev/null; then
  pandoc -f rtf -t html "$out/story.rtf" | grep -q '<strong>bold words</strong>' ||
    fail "pandoc reads no bold words"
fi
python3 -c 'import html.parser,sys; html.parser.HTMLParser().feed(open(sys.argv[1]).read())' \
  "$out/story.html" || fail "story.html does not parse"
echo "PASS"
