#!/bin/sh
# man_width.sh BUILD_DIR STAGE_DIR: installs the build tree into STAGE_DIR as the package lays it
# out, and reads every manual page there as man shows it on an 80-column terminal, the Japanese
# pages with man-db's Japanese line breaking. A line wider than the terminal fails (wc -L counts
# a Japanese character as two columns); so does a page that man cannot find or show.
set -eu
command -v man >/dev/null || { echo "FAILED: man is not installed (scripts/deps.sh test)"; exit 1; }
rm -rf "$2"
DESTDIR="$2" cmake --install "$1" --prefix /usr >/dev/null
wide=
for lang in C ja; do
    for page in ravelo2 ravelo2-cli; do
        text=$(LC_ALL=C.UTF-8 COLUMNS=80 MANPATH="$2/usr/share/man" man -L "$lang" "$page")
        # A Japanese page is told from a fallback to the English one by its first heading.
        case "$lang $text" in
        "ja "*名前* | "C "*NAME*) ;;
        *) echo "FAILED: man -L $lang $page shows no page of that language"; exit 1 ;;
        esac
        width=$(printf '%s\n' "$text" | wc -L)
        echo "man -L $lang $page: $width columns"
        [ "$width" -le 80 ] || wide="$wide $lang/$page"
    done
done
[ -z "$wide" ] || { echo "FAILED: wider than 80 columns:$wide"; exit 1; }
