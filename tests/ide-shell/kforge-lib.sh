# Running kforge.exe from a test script in a program folder of its own;
# sourced after wine-lib.sh. Sets work (a scratch folder, removed at the
# end, with the program in $work/app) and gives:
#   start_kforge [ARGS...]   start it and wait for its main window
#   close_kforge             File, Exit; wait for its end and its status 0
#   read_value KEY NAME      a value under the product's registry key
#   fail TEXT                end the test
# Every wait has a time limit; the placement values and a pending open
# request are removed before and after.
kforge_lib_program=$1
work=$(mktemp -d)
base='HKLM\SOFTWARE\MERIDAX\Kiln Forge'
title='  Kiln Forge 2004'
pid=

read_value() {  # KEY NAME
    timeout 60 "$KILN_WINE" reg query "$base\\$1" /v "$2" /reg:64 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_SZ *//p" || true
}
forget_placement() {
    timeout 60 "$KILN_WINE" reg delete "$base\\Forms" /f /reg:64 >/dev/null 2>&1 || true
    timeout 60 "$KILN_WINE" reg delete "$base\\Settings" /v OpenFile /f /reg:64 >/dev/null 2>&1 || true
}
stop_kforge() {
    [[ -n $pid ]] || return 0
    pkill -TERM -P "$pid" 2>/dev/null || true
    kill -- "-$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
trap 'stop_kforge; forget_placement; rm -rf "$work"' EXIT

mkdir -p "$work/app"
cp "$kforge_lib_program" "$work/app/kforge.exe"
forget_placement

start_kforge() {  # [ARGS...]
    setsid "$KILN_HARNESS/winrun" -t 120 "$work/app/kforge.exe" "$@" &
    pid=$!
    "$KILN_HARNESS/winwait-window" -t 30 "^$title\$" >/dev/null || fail "no main window titled '$title'"
}
close_kforge() {
    xdotool search --name "^$title\$" windowfocus --sync 2>/dev/null || true
    xdotool key alt+f
    sleep 0.3
    xdotool key x
    local deadline=$((SECONDS + 30))
    while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "kforge did not end after File, Exit"
    wait "$pid" || fail "kforge ended with status $?"
    pid=
}
