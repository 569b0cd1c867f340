#!/usr/bin/env bash
# The real program in a real X server with a window manager: its window, full screen
# and back with Alt+Enter and Escape, and a clean exit when the window is closed.
# Usage: window-test.sh GAME RESOURCES WORKDIR   (screenshots are left in WORKDIR)
set -euo pipefail
game=$1 resources=$2 work=$3
for tool in Xvfb openbox xdotool xwininfo import; do
  command -v "$tool" >/dev/null || { echo "skipping: $tool is not installed"; exit 77; }
done

rm -rf "$work" && mkdir -p "$work" && ln -s "$resources" "$work/resources"
number=$(( 200 + $$ % 500 ))
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
pids=("$xvfb")
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 1

cd "$work"
# A real window on the X server, whatever the headless tests around it use.
unset SDL_VIDEODRIVER SDL_RENDER_DRIVER
SDL_AUDIODRIVER=dummy "$game" >game.out 2>game.err & gamepid=$!
pids+=("$gamepid")
window=$(timeout 30 xdotool search --sync --name '^Grocerush$' | head -n 1)

size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
expect_size() {
  for _ in $(seq 150); do [ "$(size)" = "$1" ] && return 0; sleep 0.1; done
  echo "$2: window is $(size), expected $1"; exit 1
}
shoot() { sleep 0.5; import -window root "$work/$1.png"; }

expect_size 1024x768 "at start"
[ "$(xprop -id "$window" WM_CLASS)" = 'WM_CLASS(STRING) = "Grocerush", "Grocerush"' ] || { echo "wrong window class"; exit 1; }
sleep 2
shoot windowed

# Alt is held while Enter is pressed, long enough for a frame to see both however
# busy the machine is.
xdotool windowactivate --sync "$window" keydown alt sleep 0.3 key Return sleep 0.3 keyup alt
expect_size 1280x1024 "after Alt+Enter"
shoot fullscreen
# Escape counts while it is held, as a real key press is (a synthetic tap can be shorter than a frame).
xdotool windowactivate --sync "$window" keydown Escape sleep 0.3 keyup Escape
expect_size 1024x768 "after Escape"
shoot windowed-again

xdotool windowactivate --sync "$window" key alt+F4
for _ in $(seq 100); do kill -0 "$gamepid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$gamepid" 2>/dev/null; then echo "the game did not end when its window was closed"; exit 1; fi
wait "$gamepid" && status=0 || status=$?
[ "$status" -eq 0 ] || { echo "the game ended with $status"; cat game.err; exit 1; }
echo "window 1024x768, full screen 1280x1024 and back, closed with exit code 0"
