#!/bin/sh
# run_validator.sh TOOL ARGS...: runs a checker that distributions run; its absence is a
# failure with the package to install, never a skip.
if ! command -v "$1" >/dev/null 2>&1; then
    echo "FAILED: $1 is not installed (scripts/deps.sh test installs it)"
    exit 1
fi
exec "$@"
