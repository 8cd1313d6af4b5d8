#!/bin/sh
# run_validator.sh TOOL ARGS...: runs a desktop-file validator, or skips (exit code 77, which
# CTest counts as skipped) with a message when the tool is not installed.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (Debian packages desktop-file-utils and appstream)"
    exit 77
fi
exec "$@"
