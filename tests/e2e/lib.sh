# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts: the real editor in fresh XDG folders on the X display
# the script runs under, driven with xdotool and read back through the clipboard.
# Sourcing scripts set `calmdesk` to the program first.

work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
  XDG_STATE_HOME=$work/state XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

fail() {
  echo "FAIL: $*" >&2
  # What the editor said, for a failure that is its own.
  if [ -s "$work/editor.log" ]; then
    echo "--- the editor's output:" >&2
    tail -n 60 "$work/editor.log" >&2
  fi
  exit 1
}

# Waits for a visible window whose title is exactly $1 and gives it the keyboard.
focus_window() {
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window \"$1\""
  xdotool windowfocus --sync "$id"
}

start_editor() {
  "$calmdesk" >"$work/editor.log" 2>&1 &
  pid=$!
  focus_window Calmdesk
  sleep 0.5
}

kill_editor() {
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

# The text on screen, as Select All and Copy put it on the clipboard.
editor_text() {
  focus_window Calmdesk
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.3
  xclip -o -selection clipboard | tr -d '\r'
}
