#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The spelling checker as a writer meets it, with the word list built beside the program:
# with "Check Spelling as you type" on, "helo wrold" is marked a moment after typing stops,
# the context menu on "wrold" offers "world" and choosing it replaces the word; F7 walks the
# text and "The Spelling Check is complete." ends it; a word added to the dictionary is
# still known after a restart.
# Usage (under an X server, e.g. xvfb-run): spelling.sh CALMDESK_BINARY
set -euo pipefail
calmdesk=$1
dictionary=$(dirname "$calmdesk")/english.dct
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

[ -f "$dictionary" ] || fail "no english.dct beside the program"

close_editor() {
  focus_window Calmdesk
  xdotool key --clearmodifiers ctrl+q
  focus_window "Save Confirmation"
  xdotool key n
  wait "$pid" || true
  pid=""
}

# Where WANTED stands among the menu's suggestions for TYPED, counted from the top: the
# first eleven words of TYPED's phonetic group in the list, the last of them at the top.
menu_position() {
  LC_ALL=C awk -v typed="$1" -v wanted="$2" '
    function code(w,   first, key, placed, i, c, d) {
      first = toupper(substr(w, 1, 1)); key = first; placed = 0
      for (i = 2; i <= length(w) && placed < 3; i++) {
        c = toupper(substr(w, i, 1))
        if (c == first) continue
        d = ""
        if (index("BFPV", c)) d = 1; else if (index("CGJKQSXZ", c)) d = 2
        else if (index("DT", c)) d = 3; else if (c == "L") d = 4
        else if (index("MN", c)) d = 5; else if (c == "R") d = 6
        if (d != "") { key = key d; placed++ }
      }
      while (placed++ < 3) key = key "0"
      return key
    }
    BEGIN { want = code(typed) }
    { sub(/\r$/, ""); if (code($0) == want) { words[++n] = $0; if (n == 11) exit } }
    END { for (i = 1; i <= n; i++) if (words[i] == wanted) print n - i + 1 }' "$dictionary"
}

"$calmdesk" --reg add 'Software\Osmira\v11\Settings\general' spelltype 1 >/dev/null

# Marks a moment after typing stops, and the menu's suggestion.
start_editor
xdotool type --delay 30 "helo wrold"
sleep 4
position=$(menu_position wrold world)
[ -n "$position" ] || fail "\"world\" is not among the suggestions the list makes for \"wrold\""
xdotool key Left Menu
sleep 0.5
for _ in $(seq 1 "$position"); do xdotool key Down; done
xdotool key Return
sleep 0.3
[ "$(editor_text)" = "helo world" ] || fail "the menu left \"$(editor_text)\""

# F7 stops at "helo"; Ignore walks on to the end.
xdotool key F7
focus_window "Spelling Check"
xdotool key alt+i
focus_window "Spell Check"
xdotool key Return
sleep 0.3

# "helo" goes into the dictionary from its context menu ("Add To &Dictionary").
focus_window Calmdesk
sleep 3
xdotool key ctrl+Home Menu
sleep 0.5
xdotool key d Return
sleep 0.3
grep -q '^helo' "$XDG_DATA_HOME/calmdesk/added-words.dct" || fail "the added word was not kept"
close_editor

# After a restart the word is known: F7 finds nothing in "Helo".
start_editor
xdotool type --delay 30 "Helo"
sleep 1.5
xdotool key F7
focus_window "Spell Check"
xdotool key Return
close_editor
echo "PASS"
