#!/bin/sh
# Runs a window suite under openbox on the X display that xvfb-run opened.
# A window manager maps and exposes a window later than a bare X server does,
# so a window painted before its exposure stays black only under one.
set -u
for tool in openbox xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# openbox owns the display once it has named itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "openbox did not start" >&2
        kill "$wm" 2>/dev/null
        exit 1
    fi
    sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
