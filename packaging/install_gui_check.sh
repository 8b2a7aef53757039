#!/bin/sh
# Runs under xvfb-run for install_test.sh: starts the installed desktop
# program, gives the access code, switches the language to Chinese through
# Setup > Language and checks that the same program file starts again in
# Chinese. Ends every instance it started.
# Usage: install_gui_check.sh QM530-CPS TMPDIR
set -u
EXE=$1
TMP=$2
unset QT_QPA_PLATFORM
export QM530_COM1=/dev/null

# The first visible window named exactly NAME, within 20 s.
find_window() {
    n=0
    while [ $n -lt 100 ]; do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.2
        n=$((n + 1))
    done
    return 1
}
type_into() {
    xdotool windowfocus --sync "$1" && sleep 0.3 && shift && xdotool "$@"
}

"$EXE" >"$TMP/gui.out" 2>&1 &
first=$!
status=1
second=""
while :; do
    w=$(find_window Password) || { echo "no Password window" >&2; break; }
    type_into "$w" type --delay 50 480215 && xdotool key Return
    # The main window is maximized: the biggest visible window.
    sleep 2
    main=$(xdotool search --onlyvisible --pid "$first" --name "QM530" 2>/dev/null | head -n 1)
    [ -n "$main" ] || { echo "no main window" >&2; break; }
    type_into "$main" key alt+s && sleep 0.5 && xdotool key l
    w=$(find_window Language) || { echo "no Language window" >&2; break; }
    type_into "$w" key Right && sleep 0.3 && xdotool key Return
    n=0
    while kill -0 "$first" 2>/dev/null && [ $n -lt 50 ]; do
        sleep 0.2
        n=$((n + 1))
    done
    kill -0 "$first" 2>/dev/null && { echo "the first instance did not end" >&2; break; }
    w=$(find_window "密码") || { echo "no Chinese Password window after the restart" >&2; break; }
    second=$(xdotool getwindowpid "$w")
    [ "$(readlink "/proc/$second/exe")" = "$(readlink -f "$EXE")" ] ||
        { echo "the restart ran $(readlink "/proc/$second/exe")" >&2; break; }
    status=0
    break
done
kill "$first" 2>/dev/null
[ -n "$second" ] && kill "$second" 2>/dev/null
wait "$first" 2>/dev/null
[ $status = 0 ] || cat "$TMP/gui.out" >&2
exit $status
