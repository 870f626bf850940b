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

# kforge's test link (KFORGE_TEST_CHANNEL): commands and answers to its
# dialogs through files in $work/channel.
#   start_linked [ARGS...]   start_kforge with the link on
#   kf COMMAND...            run one command; its result lines go to $out
#   expect_out REGEX TEXT    fail with TEXT unless a line of $out matches
#   dos PATH                 the DOS name (drive Z:) of a Unix path
channel=$work/channel
dos() { local p=$1; echo "Z:${p//\//\\}"; }
start_linked() {
    mkdir -p "$channel"
    : >"$channel/commands"
    rm -f "$channel/results"
    KFORGE_TEST_CHANNEL=$(dos "$channel") start_kforge "$@"
    local deadline=$((SECONDS + 20))
    until grep -q '^ready$' "$channel/results" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the test link did not start"
        sleep 0.1
    done
    channel_count=0
    channel_seen=$(grep -n -m1 '^ready$' "$channel/results" | cut -d: -f1)
}
kf() {
    channel_count=$((channel_count + 1))
    echo "$*" >>"$channel/commands"
    local deadline=$((SECONDS + 30)) marker
    until marker=$(grep -n -m1 -x "done $channel_count" "$channel/results"); do
        ((SECONDS < deadline)) || fail "no answer to '$*'"
        kill -0 "$pid" 2>/dev/null || fail "kforge ended while running '$*'"
        sleep 0.05
    done
    out=$(sed -n "$((channel_seen + 1)),$((${marker%%:*} - 1))p" "$channel/results")
    channel_seen=${marker%%:*}
}
expect_out() {  # REGEX TEXT
    grep -qE -- "$1" <<<"$out" || fail "$2; got: ${out:-nothing}"
}
