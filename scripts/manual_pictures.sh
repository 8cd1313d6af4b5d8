#!/usr/bin/env bash
# Makes the pictures of the user manual from the running game: the window at scale 1 on a
# virtual display with a window manager, driven by real clicks and keys, cut out of the screen
# with its frame; and the six boards and the six marble colours, each chosen from its menu and
# cut out of the board, side by side under their menu names; and each option of the options menu
# at work, in a game started afresh. Run it again whenever the window or a picture changes. It
# builds nothing.
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

# The screen leaves room for a window grown well beyond its first size.
screen_width=1024
screen_height=768
Xvfb -displayfd 3 -screen 0 ${screen_width}x${screen_height}x24 -nolisten tcp \
    3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for "the virtual display to start" test -s "$work/display"
DISPLAY=:$(<"$work/display")
export DISPLAY
unset WAYLAND_DISPLAY

openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for "the window manager to start" test -e "$work/wm-ready"

# The pointer waits in the screen's far corner, away from the window, so that no tooltip or
# hover shows in a picture. Waiting for a move to where the pointer already is would never end.
park_pointer() {
    local corner="x:$((screen_width - 1)) y:$((screen_height - 1)) "
    [[ $(xdotool getmouselocation) == "$corner"* ]] ||
        xdotool mousemove --sync $((screen_width - 1)) $((screen_height - 1))
}

window_id() {
    xdotool search --onlyvisible --pid "$game_pid" --name '^Ravelo2$' 2>/dev/null | head -n 1 >"$work/wid"
    [[ -s $work/wid ]]
}

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

# start_game: the game as a player first starts it, without a settings file of its own; its
# window in wid, the board's top inside the window in top.
start_game() {
    park_pointer
    rm -rf "$work/config"
    env -u QT_STYLE_OVERRIDE -u QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
        XDG_CONFIG_HOME="$work/config" "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    pids+=("$game_pid")
    wait_for "the game's window to appear" window_id
    wid=$(<"$work/wid")
    wait_for "the board to be painted" board_top
    top=$(<"$work/top")
}

# stop_game: ends the game, for a fresh start.
stop_game() {
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

start_game

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

# settled SHOT [GRAB]: two grabs in a row are the same, and differ from before.png if there is
# one: the window has finished drawing what the last key asked for. GRAB, grab_screen unless
# given, makes a picture.
settled() {
    "${2:-grab_screen}" "$work/next.png" || return 1
    if [[ -e $work/last.png ]] && same_picture "$work/next.png" "$work/last.png" &&
        ! { [[ -e $work/before.png ]] && same_picture "$work/next.png" "$work/before.png"; }; then
        cp "$work/next.png" "$1"
        return 0
    fi
    mv "$work/next.png" "$work/last.png"
    return 1
}
menu_gone() { (($(visible_windows) <= windows_without_menu)); }
menu_open() { (($(visible_windows) > windows_without_menu)); }

# show_menu KEY NAME [GRAB]: opens a menu from the keyboard, saves the picture (made by GRAB,
# grab_screen unless given) once it is drawn, and closes it again.
show_menu() {
    local grab=${3:-grab_screen}
    windows_without_menu=$(visible_windows)
    "$grab" "$work/before.png"
    rm -f "$work/last.png"
    xdotool windowactivate --sync "$wid"
    xdotool key --clearmodifiers "$1"
    wait_for "the menu of $1 to open" settled "$work/$2.png" "$grab"
    save "$2" "$work/$2.png"
    xdotool key --clearmodifiers Escape Escape
    wait_for "the menu of $1 to close" menu_gone
}

wait_for "the window to finish drawing" settled "$work/start.png"
save start "$work/start.png"

# The user's leftmost pit (board square at x 64..113, y 64..113) holds 4 marbles, which do not
# reach the store: the computer answers.
xdotool mousemove --window "$wid" 89 $((top + 89)) click 1
park_pointer
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

# The options: a picture of each, in a game started afresh, so that the user's pits are known.
# Until the user sows a pit its marbles only grow from 4, so the leftmost pit first and then the
# rightmost one never reach the user's store exactly: the computer replies to each.
stop_game
start_game

# Where the window's inside lies in a picture of the window with its frame: the frame is as wide
# on the left, the right and the bottom, and the title bar takes the rest.
rm -f "$work/before.png" "$work/last.png"
wait_for "the new game's window to finish drawing" settled "$work/fresh.png"
grab_inside
read -r inside_width inside_height < <(identify -format '%w %h\n' "$work/inside.png")
read -r frame_width frame_height < <(identify -format '%w %h\n' "$work/fresh.png")
frame_x=$(((frame_width - inside_width) / 2))
frame_y=$((frame_height - inside_height - frame_x))

# same_place PICTURE1 PICTURE2 X Y: the 50 x 50 square of the board at X, Y looks alike in two
# pictures of the window with its frame.
same_place() {
    local crop=50x50+$((frame_x + $3))+$((frame_y + top + $4)) i
    for i in 1 2; do
        convert "${!i}" +repage -crop "$crop" +repage "$work/place_$i.png"
    done
    same_picture "$work/place_1.png" "$work/place_2.png"
}

# The status bar of a fresh game reads the idle text, "あなたの番です" and "---％": it reads so
# again exactly when the user has the move, without a message.
status_strip() {
    local below_board=$((frame_y + top + 128))
    convert "$1" +repage -crop "${frame_width}x$((frame_height - below_board))+0+$below_board" \
        +repage "$2"
}
status_strip "$work/fresh.png" "$work/idle_status.png"
users_turn() {
    grab_screen "$work/turn.png" || return 1
    status_strip "$work/turn.png" "$work/turn_status.png"
    same_picture "$work/turn_status.png" "$work/idle_status.png"
}

# grab_with_menus SHOT: the window with its frame together with any menu of the game that reaches
# out beyond it, on white. A picture of the window with its frame tells where the frame lies on the
# screen; the window manager's frame throws xdotool's position of the window off.
grab_with_menus() {
    grab_screen "$work/framed.png" && import -window root "$work/root.png" || return 1
    local X Y WIDTH HEIGHT id rect
    read -r X Y < <(identify -format '%X %Y\n' "$work/framed.png")
    local rects=("$((X)) $((Y)) $frame_width $frame_height") # identify signs them: +222
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [[ $id == "$wid" ]] && continue
        eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(X|Y|WIDTH|HEIGHT)=')" ||
            return 1
        rects+=("$X $Y $WIDTH $HEIGHT")
    done
    local left=$screen_width top_edge=$screen_height right=0 bottom=0
    for rect in "${rects[@]}"; do
        read -r X Y WIDTH HEIGHT <<<"$rect"
        left=$((X < left ? X : left)) top_edge=$((Y < top_edge ? Y : top_edge))
        right=$((X + WIDTH > right ? X + WIDTH : right))
        bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
    done
    local args=(-size "$((right - left))x$((bottom - top_edge))" xc:white)
    for rect in "${rects[@]}"; do
        read -r X Y WIDTH HEIGHT <<<"$rect"
        args+=(\( "$work/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \)
            -geometry "+$((X - left))+$((Y - top_edge))" -composite)
    done
    convert "${args[@]}" "$1"
}

# toggle ITEM: chooses item ITEM (from 0) of the options menu with the keys a player would use, and
# waits until the window is still: an option may change nothing that shows yet. Turning the board
# that grows with the window on or off shows the window again, perhaps as a new X window.
toggle() {
    local keys=(alt+o) i
    for ((i = 0; i < $1; i++)); do keys+=(Down); done
    windows_without_menu=$(visible_windows)
    rm -f "$work/before.png" "$work/last.png"
    xdotool windowactivate --sync "$wid"
    xdotool key --clearmodifiers "${keys[@]}" Return
    wait_for "the options menu to close after choosing its item $1" menu_gone
    wait_for "the game's window after option $1" window_id
    wid=$(<"$work/wid")
    wait_for "the window to settle after option $1" settled "$work/toggled.png"
}

# click_board X Y: a click at X, Y on the board, the pointer back in its corner at once.
click_board() {
    xdotool mousemove --window "$wid" "$1" $((top + $2)) click 1 \
        mousemove $((screen_width - 1)) $((screen_height - 1))
}

# Sowings shown one marble at a time. The user's leftmost pit holds 4 marbles: they take 0.4 s to
# reach their places, the fourth pit on last. Caught about 0.2 s after the click, the pit is empty,
# the next pit has its marble and the fourth pit on has not: a sowing under way. A busy machine
# may miss that moment; the game starts again and tries once more.
toggle 0
sowing_caught() {
    grab_screen "$work/before_sowing.png"
    click_board 89 89
    sleep 0.15
    grab_screen "$work/sowing.png"
    ! same_place "$work/before_sowing.png" "$work/sowing.png" 64 64 &&
        ! same_place "$work/before_sowing.png" "$work/sowing.png" 121 64 &&
        same_place "$work/before_sowing.png" "$work/sowing.png" 292 64
}
for attempt in 1 2 3 4 5; do
    sowing_caught && break
    if ((attempt == 5)); then
        echo "$me: five sowings were not caught while under way" >&2
        exit 1
    fi
    echo "$me: the sowing was not caught while under way; the game starts again" >&2
    stop_game
    start_game
    toggle 0
done
save option_animate "$work/sowing.png"
wait_for "the computer's reply" users_turn
toggle 0

# The mark of the computer's last move, kept through a menu opened and closed: the computer's
# reply to the user's rightmost pit, once the user has the move again.
computer_replied() { users_turn && (($(red_pixels "$work/turn.png") >= 96)); }
toggle 1
click_board 374 89
wait_for "the computer's reply with its mark" computer_replied
windows_without_menu=$(visible_windows)
xdotool windowactivate --sync "$wid"
xdotool key --clearmodifiers alt+f
wait_for "the game menu to open" menu_open
xdotool key --clearmodifiers Escape Escape
wait_for "the game menu to close" menu_gone
rm -f "$work/before.png" "$work/last.png"
wait_for "the window to settle after the menu" settled "$work/kept.png"
if (($(red_pixels "$work/kept.png") < 96)); then
    echo "$me: the computer's mark did not stay after the menu closed" >&2
    exit 1
fi
save option_keep_mark "$work/kept.png"
toggle 1

# The counts in every pit and store.
toggle 2
save option_counts "$work/toggled.png"
toggle 2

# A board grown with its window, scaled down to the manual's width, in 256 colours like the
# boards, which keeps the file small.
toggle 3
xdotool windowsize --sync "$wid" 800 360
rm -f "$work/before.png" "$work/last.png"
wait_for "the grown window to settle" settled "$work/grown.png"
if (($(identify -format '%w' "$work/grown.png") < 800)); then
    echo "$me: the window did not grow" >&2
    exit 1
fi
save option_resizable "$work/grown.png" -resize 720x -colors 256 -define png:format=png8
toggle 3
wait_for "the window to have its fixed size again" users_turn

# A refused click with quiet refusals: the computer's store, and the status bar says why.
toggle 4
windows_without_box=$(visible_windows)
grab_screen "$work/before.png"
rm -f "$work/last.png"
click_board 32 75
wait_for "the refusal in the status bar" settled "$work/quiet.png"
if (($(visible_windows) > windows_without_box)); then
    echo "$me: a quiet refusal opened a window" >&2
    exit 1
fi
save option_quiet "$work/quiet.png"
wait_for "the refusal to leave the status bar" users_turn
toggle 4

# Remembering the choices writes the game's own settings file at once; the menu shows it checked.
toggle 6
if [[ ! -s $work/config/ravelo2/ravelo2.conf ]]; then
    echo "$me: remembering wrote no settings file" >&2
    exit 1
fi

show_menu alt+o menu_options grab_with_menus

# The hint: the keyboard focus on the pit that the strongest level would sow, named in the status
# bar.
grab_screen "$work/before.png"
rm -f "$work/last.png"
xdotool windowactivate --sync "$wid"
xdotool key --clearmodifiers h
wait_for "the hint" settled "$work/hint.png"
save option_hint "$work/hint.png"
