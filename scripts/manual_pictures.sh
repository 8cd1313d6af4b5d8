#!/usr/bin/env bash
# Makes the pictures of the user manual from the running game: the window at scale 1 on a
# virtual display with a window manager, driven by real clicks and keys, cut out of the screen
# with its frame. Run it again whenever the window changes. It builds nothing.
# Usage: scripts/manual_pictures.sh PATH/TO/ravelo2 [OUTPUT_DIR, default docs/manual]
# Every wait gives up after RAVELO2_PICTURES_TIMEOUT seconds (default 30) with a message.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
me=manual_pictures.sh
if [[ $# -lt 1 || $# -gt 2 || ! -x $1 ]]; then
    echo "usage: $me PATH/TO/ravelo2 [OUTPUT_DIR]  (the game's executable, built beforehand)" >&2
    exit 2
fi
game=$(realpath "$1")
out=$(realpath -m "${2:-$root/docs/manual}")
limit=${RAVELO2_PICTURES_TIMEOUT:-30}
if ! [[ $limit =~ ^[1-9][0-9]{0,3}$ ]]; then
    echo "$me: RAVELO2_PICTURES_TIMEOUT must be a whole number of seconds, not '$limit'" >&2
    exit 2
fi
mkdir -p "$out"

"$root/scripts/deps.sh" pictures

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# wait_for WHAT COMMAND...: polls COMMAND until it succeeds, or gives up naming WHAT.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        if [[ -n ${game_pid:-} ]] && ! kill -0 "$game_pid" 2>/dev/null; then
            echo "$me: the game ended while waiting for $what" >&2
            cat "$work/game.log" >&2
            exit 1
        fi
        if ((SECONDS >= deadline)); then
            echo "$me: gave up after ${limit} s waiting for $what" >&2
            echo "$me: the game's output:" >&2
            cat "$work/game.log" >&2 2>/dev/null || true
            exit 1
        fi
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for "the virtual display to start" test -s "$work/display"
DISPLAY=:$(<"$work/display")
export DISPLAY
unset WAYLAND_DISPLAY

openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for "the window manager to start" test -e "$work/wm-ready"

# The pointer waits in the screen's far corner, away from the window, so that no tooltip or
# hover shows in a picture.
xdotool mousemove --sync 799 599
env -u QT_STYLE_OVERRIDE -u QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
    XDG_CONFIG_HOME="$work/config" "$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

window_id() {
    xdotool search --onlyvisible --pid "$game_pid" --name '^Ravelo2$' 2>/dev/null | head -n 1 >"$work/wid"
    [[ -s $work/wid ]]
}
wait_for "the game's window to appear" window_id
wid=$(<"$work/wid")

# The window's inside only, for finding the board, and the window as seen on the screen with its
# frame and any menu over it, for the pictures.
grab_inside() { import -window "$wid" "$work/inside.png"; }
grab_screen() { import -screen -frame -window "$wid" "$1"; }

# The board picture leaves a black strip at the right of the 470 x 128 board: its top in the
# column x = 466 is the board's top in the window, whatever the height of the menu bar.
board_top() {
    grab_inside || return 1
    convert "$work/inside.png" -crop 1x400+466+0 +repage txt:- |
        awk -F'[,:]' '/#000000/ { print $2; found = 1; exit } END { exit !found }' >"$work/top"
}
wait_for "the board to be painted" board_top
top=$(<"$work/top")

# The marker of the computer's last move is the only pure red on the default board.
red_pixels() {
    convert "$1" -alpha off -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' \
        -format '%[fx:round(mean*w*h)]' info:
}

# save NAME SHOT: the picture without time stamps or other metadata, so that an unchanged
# window gives an unchanged file.
save() {
    convert "$2" -strip -define png:exclude-chunks=date,time "$out/$1.png"
    echo "$me: wrote $out/$1.png ($(identify -format '%wx%h' "$out/$1.png"))"
}

same_picture() { compare -metric AE "$1" "$2" null: >/dev/null 2>&1; }
visible_windows() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l; }

# settled SHOT: two grabs in a row are the same, and differ from before.png if there is one:
# the window has finished drawing what the last key asked for.
settled() {
    grab_screen "$work/next.png" || return 1
    if [[ -e $work/last.png ]] && same_picture "$work/next.png" "$work/last.png" &&
        ! { [[ -e $work/before.png ]] && same_picture "$work/next.png" "$work/before.png"; }; then
        cp "$work/next.png" "$1"
        return 0
    fi
    mv "$work/next.png" "$work/last.png"
    return 1
}
menu_gone() { (($(visible_windows) <= windows_without_menu)); }

# show_menu KEY NAME: opens a menu from the keyboard, saves the picture once it is drawn, and
# closes it again.
show_menu() {
    windows_without_menu=$(visible_windows)
    grab_screen "$work/before.png"
    rm -f "$work/last.png"
    xdotool windowactivate --sync "$wid"
    xdotool key --clearmodifiers "$1"
    wait_for "the menu of $1 to open" settled "$work/$2.png"
    save "$2" "$work/$2.png"
    xdotool key --clearmodifiers Escape Escape
    wait_for "the menu of $1 to close" menu_gone
}

wait_for "the window to finish drawing" settled "$work/start.png"
save start "$work/start.png"

# The user's leftmost pit (board square at x 64..113, y 64..113) holds 4 marbles, which do not
# reach the store: the computer answers.
xdotool mousemove --window "$wid" 89 $((top + 89)) click 1
xdotool mousemove --sync 799 599
computer_moved() {
    grab_screen "$work/move.png" && (($(red_pixels "$work/move.png") >= 96))
}
wait_for "the computer's move with its marker" computer_moved
save computer_move "$work/move.png"

show_menu alt+l menu_level
show_menu alt+f menu_game
