#!/bin/sh
# Undoes what cups-start.sh wrote down: the queue it added, the default it
# changed and the scheduler it started (that process only).
set -u
state=${1:?usage: cups-stop.sh STATE_DIR}/state
PATH=$PATH:/usr/sbin:/usr/bin
export PATH
[ -f "$state" ] || exit 0
get() { sed -n "s/^$1=//p" "$state" | tail -n 1; }

queue=$(get queue)
previous=$(get previous_default)
if [ -n "$queue" ]; then
    if [ -n "$previous" ] && [ "$previous" != "$queue" ]; then
        lpadmin -d "$previous" || echo "could not restore the default printer $previous"
    fi
    if [ "$(get created)" = 1 ]; then
        lpadmin -x "$queue" || echo "could not remove the queue $queue"
    fi
fi

pid=$(get pid)
if [ "$(get started)" = 1 ] && [ -n "$pid" ]; then
    alive() {
        [ "$(cat /proc/$pid/comm 2>/dev/null)" = cupsd ] &&
            ! grep -q '^State:[[:space:]]*Z' /proc/$pid/status 2>/dev/null
    }
    if alive; then
        kill -TERM "$pid"
        i=0
        while alive && [ $i -lt 100 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        alive && kill -KILL "$pid"
        echo "stopped cupsd, process $pid"
    fi
fi
rm -f "$state"
exit 0
