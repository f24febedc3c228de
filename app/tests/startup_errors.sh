#!/usr/bin/env bash
# tarvik's one line when its window cannot open: the ssh -X advice only when no display is set
# at all, and otherwise Qt's own reason, which names the display or platform that failed.
# Usage: startup_errors.sh TARVIK
set -uo pipefail
tarvik=$1
failures=0

# environment | what the line must say | what it must not say
rows=(
    "|no display could be opened|Qt could not"
    "DISPLAY=:77|could not connect to display :77|ssh -X"
    "DISPLAY=:0 QT_QPA_PLATFORM=wayland-typo|\"wayland-typo\"|ssh -X"
    "WAYLAND_DISPLAY=wayland-9 QT_QPA_PLATFORM=nowhere|\"nowhere\"|ssh -X"
)
for row in "${rows[@]}"; do
    IFS='|' read -r environment says never <<<"$row"
    # shellcheck disable=SC2086 # the environment is a list of assignments
    output=$(env -i PATH=/usr/bin:/bin HOME="$HOME" $environment timeout 20 "$tarvik" 2>&1)
    status=$?
    lines=$(printf '%s\n' "$output" | wc -l)
    if [[ $status -ne 1 || $lines -ne 1 || $output != *"$says"* || $output == *"$never"* ]]; then
        echo "with '$environment': status $status, $lines lines: $output" >&2
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
