# shellcheck shell=bash
# What the scripts share, sourced by them after they have gone to the repository's root.

# Runs a command as one part of a stage, between "== NAME" and its time in seconds.
#   timed NAME COMMAND [ARGUMENTS...]
timed() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    echo "== $name: $((SECONDS - start)) s"
}
