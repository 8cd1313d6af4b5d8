#!/usr/bin/env bash
# Makes the pictures of the user manual from the running game: the window at scale 1 on a
# virtual display with a window manager, driven by real clicks and keys, cut out of the screen
# with its frame; and the six boards and the six marble colours, each chosen from its menu and
# cut out of the board, side by side under their menu names. Run it again whenever the window
# or a picture changes. It builds nothing.
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

# save NAME SHOT [OPTION...]: the picture without time stamps or other metadata, so that an
# unchanged window gives an unchanged file; the options go to convert before it writes.
save() {
    local name=$1 shot=$2
    shift 2
    convert "$shot" "$@" -strip -define png:exclude-chunks=date,time "$out/$name.png"
    echo "$me: wrote $out/$name.png ($(identify -format '%wx%h' "$out/$name.png"))"
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


# choose POPUP ITEM: picks item ITEM (from 0) of menu POPUP (from 0, the game menu) with the keys a
# player would use, and waits until the window shows the choice, which differs from before.
choose() {
    local keys=(alt+f) i
    for ((i = 0; i < $1; i++)); do keys+=(Right); done
    for ((i = 0; i < $2; i++)); do keys+=(Down); done
    windows_without_menu=$(visible_windows)
    grab_screen "$work/before.png"
    rm -f "$work/last.png"
    xdotool windowactivate --sync "$wid"
    xdotool key --clearmodifiers "${keys[@]}" Return
    wait_for "menu $1 to close after choosing its item $2" menu_gone
    wait_for "the window to show item $2 of menu $1" settled "$work/chosen.png"
}

# cut_board FILE WIDTH HEIGHT X Y: a piece of the board picture as the window shows it now, in the
# board's own coordinates.
cut_board() {
    grab_inside
    convert "$work/inside.png" -crop "${2}x${3}+${4}+$((top + $5))" +repage "$1"
}

# compose NAME COLUMNS: the pieces in $work/piece_*.png, each labelled with its menu item from
# the array labels, in rows of COLUMNS, as one picture of at most 256 colours (each board is
# drawn in 256), which keeps the file small.
font=$(fc-match -f '%{file}' IPAPGothic)
if [[ $font != *ipag* ]]; then
    echo "$me: the IPA P gothic font is missing (fonts-ipafont-gothic)" >&2
    exit 1
fi
compose() {
    local args=() i
    for i in "${!labels[@]}"; do
        args+=(-label "${labels[$i]}" "$work/piece_$i.png")
    done
    montage -font "$font" -pointsize 14 "${args[@]}" -tile "${2}x" -geometry +4+4 \
        -background white "$work/$1.png"
    save "$1" "$work/$1.png" -colors 256 -define png:format=png8
}

# The six boards: the left half of each (the computer's store and three pits of each row), the
# mirror of the right half, at the game's own size.
labels=(明るいモノクロ 暗いモノクロ 明るい木目 暗い木目 淡い水色 厳しい赤)
for i in "${!labels[@]}"; do
    choose 2 "$i"
    cut_board "$work/piece_$i.png" 235 122 0 0
done
compose boards 3

# The six marbles on the board the game starts with: the two leftmost pits of each row.
choose 2 2
labels=(赤 青 黄 緑 水 紫)
for i in "${!labels[@]}"; do
    choose 3 "$i"
    cut_board "$work/piece_$i.png" 112 122 61 0
done
compose marbles 6
