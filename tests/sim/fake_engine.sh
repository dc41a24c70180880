#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# An engine that goes wrong in the way its first argument names, for the
# tournament's tests: silent, crash, late, illegal, flood, or quit-on-go.
# With a second argument, it writes the process id of what it starts there.
mode=$1
case $mode in
silent) exec sleep 30 ;;
crash) exit 3 ;;
esac
while read -r line; do
    case $line in
    "protocol 1") echo "id name fake"; echo ready ;;
    go*)
        case $mode in
        late)
            sleep 30 &
            [ -n "$2" ] && echo $! > "$2"
            wait
            ;;
        illegal) echo "bestmove A1-A1" ;;
        flood) yes x | tr -d '\n' ;;
        quit-on-go) exit 0 ;;
        esac
        ;;
    esac
done
