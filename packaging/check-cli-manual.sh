#!/bin/sh
# Every command and option that `tivora-cli --help` names must appear in the
# manual page and in the bash completion.
# Usage: check-cli-manual.sh TIVORA_CLI MANUAL_PAGE COMPLETION
set -eu
cli=$1 page=$2 completion=$3

help=$("$cli" --help)
commands=$(printf '%s\n' "$help" | sed -n 's/^ *tivora-cli \([a-z][a-z-]*\).*/\1/p' | sort -u)
options=$(printf '%s\n' "$help" | grep -oE -- '(^|[^A-Za-z0-9-])--?[a-z][a-z-]*' |
    sed 's/^[^-]*//' | sort -u)
[ -n "$commands" ] && [ -n "$options" ] || {
    echo "found no commands or options in --help" >&2
    exit 1
}

# The page writes a hyphen as \- .
page_text=$(sed 's/\\-/-/g' "$page")
missing=0
has() { # WORD TEXT: WORD stands alone in TEXT
    printf '%s\n' "$2" | grep -qE -- "(^|[^A-Za-z0-9-])$1([^A-Za-z0-9-]|\$)"
}
for word in $commands $options; do
    if ! has "$word" "$page_text"; then
        echo "$page does not mention $word" >&2
        missing=1
    fi
    # -h is --help's short form; completion offers the long one.
    if [ "$word" != -h ] && ! has "$word" "$(cat "$completion")"; then
        echo "$completion does not offer $word" >&2
        missing=1
    fi
done
exit $missing
