#!/usr/bin/env bash
# The Wine prefix of a Windows test run, as a ctest fixture (tests/windows/wine.cmake):
#   wine-prefix.sh start FOLDER   makes the prefix in FOLDER when it is missing, then starts one Wine
#                                 server that stays up for the run's programs
#   wine-prefix.sh stop FOLDER    ends that server
# The server ends by itself a minute after its last program, should the stop never come.
set -euo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine keeps its user's files under HOME, which a CI runner may leave unset.
export HOME=${HOME:-$(dirname "$WINEPREFIX")}
case $action in
start)
    # Wine refuses a prefix owned by another user: one left by a run under another account is made anew.
    if [ -e "$WINEPREFIX" ] && [ "$(stat -c %u "$WINEPREFIX")" != "$(id -u)" ]; then
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "-- making the Wine prefix $WINEPREFIX (the first start takes a while)"
        wineboot --init >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log" >&2; exit 1; }
        wineserver -w
    fi
    # The server, and the prefix's own services that the first program would start: their output
    # goes to a log, since whatever holds a test's output open keeps ctest waiting on that test.
    wineserver --persistent=60 >"$WINEPREFIX-server.log" 2>&1 </dev/null
    wine wineboot >>"$WINEPREFIX-server.log" 2>&1 </dev/null
    ;;
stop)
    wineserver -k 2>/dev/null || true
    ;;
*)
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
    ;;
esac
