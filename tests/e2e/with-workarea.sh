#!/bin/sh
# Runs a command while the X root window announces another desktop work area.
#   with-workarea.sh WINESERVER X,Y,WIDTH,HEIGHT COMMAND...
# Wine reads the work area when its desktop starts and keeps it while the wineserver lives, so
# the wineserver is restarted after the property is set, and again after it is put back. The
# restarted wineserver is persistent, like the one the test fixture started.
set -u
wineserver=$1
area=$2
shift 2

restart_wineserver() {
    "$wineserver" -k </dev/null >/dev/null 2>&1
    "$wineserver" -w </dev/null >/dev/null 2>&1
    "$wineserver" -p </dev/null >/dev/null 2>&1
}

previous=$(xprop -root -notype _NET_WORKAREA 2>/dev/null | sed -n 's/^_NET_WORKAREA = //p' | tr -d ' ')
xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA "$area" || exit 1
restart_wineserver

"$@"
status=$?

if [ -n "$previous" ]; then
    xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA "$previous"
else
    xprop -root -remove _NET_WORKAREA
fi
restart_wineserver
exit $status
