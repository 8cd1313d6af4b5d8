#!/bin/sh
# man_width.sh BUILD_DIR STAGE_DIR: installs the build tree into STAGE_DIR as the package lays it
# out, and reads every manual page there as man shows it on an 80-column terminal, the Japanese
# pages with man-db's Japanese line breaking. A line wider than the terminal fails (wc -L counts
# a Japanese character as two columns); so does a page that man cannot find or show.
set -eu
command -v man >/dev/null || { echo "FAILED: man is not installed (scripts/deps.sh test)"; exit 1; }
rm -rf "$2"
DESTDIR="$2" cmake --install "$1" --prefix /usr >/dev/null
widest=0
for page in "-L C ravelo2" "-L C ravelo2-cli" "-L ja ravelo2" "-L ja ravelo2-cli"; do
    # $page is split into man's options and the page's name. A Japanese page is told from a
    # fallback to the English one by its first heading.
    text=$(LC_ALL=C.UTF-8 COLUMNS=80 MANPATH="$2/usr/share/man" man $page)
    case "$page $text" in "-L ja"*名前* | "-L C"*NAME*) ;; *) echo "FAILED: man $page"; exit 1 ;; esac
    width=$(printf '%s\n' "$text" | wc -L)
    echo "man $page: $width columns"
    [ "$width" -gt "$widest" ] && widest=$width
done
[ "$widest" -le 80 ] || { echo "FAILED: a line is wider than 80 columns"; exit 1; }
