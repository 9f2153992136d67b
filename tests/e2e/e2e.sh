#!/usr/bin/env bash
# End-to-end tests of the real program on a private X server (Xvfb).
#
#   e2e.sh <tarvolix> <x11_close_window> <case> [case arguments...]
#
# Cases:
#   route <expected caption> [program arguments...]
#       the program started with these arguments shows exactly one window,
#       with that caption
#   keys <expected display> <keys...>
#       keys (xdotool key names, or type:TEXT for text typed as such) pressed
#       on the keyboard, then Ctrl+C: the clipboard holds the display
#   quit-keeps-tool
#       "Quitter" with the date calculator open closes the calculator only;
#       closing the date calculator then ends the program
#   close-last <caption> [program arguments...]
#       closing the only window, with that caption, ends the program with
#       exit status 0
#
# Exits 77 (skipped) when Xvfb is not installed.
set -euo pipefail

if ! command -v Xvfb >/dev/null; then
  echo "SKIP: Xvfb not installed (package xvfb)"
  exit 77
fi
for tool in xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool not installed"; exit 1; }
done

app_bin=$1 closer=$2 case_name=$3
shift 3

# A clean user: no settings, records or caches of the person running the tests.
work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
       XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR SESSION_MANAGER WAYLAND_DISPLAY

app_pid= xvfb_pid=
cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server. It picks a free display itself and writes its number
# once it accepts clients (choosing the number here, as xvfb-run -a does,
# races with other servers starting at the same moment).
start_xvfb() {
  local i
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for ((i = 0; i < 300; i++)); do
    grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
    sleep 0.1
  done
  grep -q '^[0-9][0-9]*$' "$work/display" || { echo "FAIL: Xvfb gave no display"; exit 1; }
  export DISPLAY=:$(cat "$work/display")
}
start_xvfb

fail() {
  echo "FAIL: $*"
  if [ -s "$work/app.log" ]; then echo "--- program output:"; cat "$work/app.log"; fi
  exit 1
}

# Starts the program. On a machine shared with other X servers, a display can
# vanish under a starting program (another server taking over its socket);
# that is no fault of the program: start afresh on a new server, twice at most.
start_app() {
  local attempt i
  for attempt in 1 2 3; do
    "$app_bin" "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    for ((i = 0; i < 50; i++)); do
      [ -n "$(captions)" ] && return 0
      kill -0 "$app_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && return 0
    grep -q 'could not connect to display' "$work/app.log" || return 0
    echo "note: display $DISPLAY lost, starting a new X server"
    start_xvfb
  done
}

# The visible top-level windows of the program, one caption a line, sorted.
captions() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app_pid" --name '' 2>/dev/null); do
    # The search also returns the root window, which belongs to no one.
    [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$app_pid" ] || continue
    xdotool getwindowname "$id" 2>/dev/null || true
  done | sort
}

# Polls (up to 30 s) until the visible windows are exactly the given captions.
expect_captions() {
  local want got i
  want=$(printf '%s\n' "$@" | sort)
  for ((i = 0; i < 300; i++)); do
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended; expected windows: $*"
    got=$(captions)
    [ "$got" = "$want" ] && return 0
    sleep 0.1
  done
  fail "expected windows [$(echo "$want" | paste -sd '|')], got [$(echo "$got" | paste -sd '|')]"
}

window_id() {
  xdotool search --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null | head -n 1
}

# Gives the keyboard focus to a window (there is no window manager to do it).
focus() {
  local id
  id=$(window_id "$1")
  [ -n "$id" ] || fail "no window \"$1\""
  xdotool windowfocus --sync "$id"
  sleep 0.3
}

close_window() {
  local id
  id=$(window_id "$1")
  [ -n "$id" ] || fail "no window \"$1\" to close"
  "$closer" "$id" || fail "could not ask \"$1\" to close"
}

# Polls (up to 30 s) until the program ends; it must end with status 0.
expect_exit() {
  local i status
  for ((i = 0; i < 300; i++)); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
      status=0
      wait "$app_pid" || status=$?
      app_pid=
      [ "$status" -eq 0 ] || fail "the program ended with status $status"
      return 0
    fi
    sleep 0.1
  done
  fail "the program is still running with windows [$(captions | paste -sd '|')]"
}

# Polls (up to 30 s) until the clipboard holds the expected text.
expect_clipboard() {
  local got i
  for ((i = 0; i < 300; i++)); do
    got=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$got" = "$1" ] && return 0
    sleep 0.1
  done
  fail "clipboard holds \"$got\", expected \"$1\""
}

case "$case_name" in
  route)
    expected=$1
    shift
    start_app "$@"
    expect_captions "$expected"
    # Still exactly that one window a moment later: nothing opens behind it.
    sleep 1
    expect_captions "$expected"
    ;;
  keys)
    expected=$1
    shift
    start_app
    expect_captions Tarvolix
    focus Tarvolix
    # Each key is held for the calculator's simulated click; leave it time.
    for key in "$@"; do
      case "$key" in
        type:*) xdotool type --delay 250 "${key#type:}" ;;
        *) xdotool key "$key" ;;
      esac
      sleep 0.25
    done
    xdotool key ctrl+c
    expect_clipboard "$expected"
    close_window Tarvolix
    expect_exit
    ;;
  quit-keeps-tool)
    start_app
    expect_captions Tarvolix
    focus Tarvolix
    # "&Affichage", second item: "Calculateur de dates".
    xdotool key alt+a
    sleep 0.5
    xdotool key Down Return
    expect_captions Tarvolix "Calculateur de dates"
    focus Tarvolix
    # "&Fichier", last item: "Quitter".
    xdotool key alt+f
    sleep 0.5
    xdotool key Up Return
    expect_captions "Calculateur de dates"
    sleep 1
    expect_captions "Calculateur de dates"
    close_window "Calculateur de dates"
    expect_exit
    ;;
  close-last)
    expected=$1
    shift
    start_app "$@"
    expect_captions "$expected"
    close_window "$expected"
    expect_exit
    ;;
  *)
    echo "unknown case $case_name"
    exit 2
    ;;
esac
echo "PASS: $case_name $*"
