#!/bin/sh
# lint_package.sh CPACK_CONFIG OUT_DIR: makes the Debian package of the build tree into OUT_DIR
# and runs lintian on it. A warning fails as an error does; overrides are ignored.
set -eu
rm -rf "$2"
mkdir -p "$2"
if ! cpack --config "$1" -B "$2" >"$2/cpack.log" 2>&1; then
    cat "$2/cpack.log"
    exit 1
fi
set -- "$2"/ravelo2_*.deb
# lintian does not compare the changelog with the package: a new version needs a new entry.
version=$(dpkg-deb -f "$1" Version)
newest=$(dpkg-deb --fsys-tarfile "$1" | tar -xOf - ./usr/share/doc/ravelo2/changelog.Debian.gz |
    gzip -dc | head -n 1)
case "$newest" in
"ravelo2 ($version) "*) ;;
*) echo "FAILED: the changelog's newest entry is '$newest', the package is $version"; exit 1 ;;
esac
exec sh "$(dirname "$0")/run_validator.sh" lintian --fail-on error,warning --no-override \
    --display-info "$1"
