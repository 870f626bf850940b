# Helpers shared by the library tests; sourced by each run-* script.
# Every script gets the folder of the helper programs (inspect.exe,
# spawn.exe) as its first argument, and KILN_ROOT, KILN_HARNESS, WINEPREFIX
# (and DISPLAY for windowed tests) from the test's environment.
set -euo pipefail
source "$KILN_HARNESS/wine-lib.sh"

here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source_root=$(dirname "$(dirname "$here")")
helpers=${1:?usage: $(basename "$0") HELPER-FOLDER}
work=$(mktemp -d)
program=
# At the end a program still running (a failed test) is stopped with its
# whole process group, so no window of it is left for the next test.
cleanup() {
    [[ -n $program ]] && kill -- "-$program" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# build_program SOURCE.kln: compiles a copy with kln in $work, leaving
# $work/<name>.exe; shows kln's output when the build fails.
build_program() {
    local name
    name=$(basename "$1" .kln)
    cp "$1" "$work/"
    if ! (cd "$work" && kln -r "$name" > "$name.build.log" 2>&1) || [[ ! -f $work/$name.exe ]]; then
        cat "$work/$name.build.log" >&2
        fail "cannot build $name"
    fi
}

# skip_unless_all_runnable WORD...: the test is skipped when a word names a
# program (a helper's, or one handed to a helper) that this host cannot run.
skip_unless_all_runnable() {
    local word
    for word in "$@"; do
        [[ -f $word ]] && skip_unless_runnable "$word"
    done
    return 0
}

# run [-t SECONDS] PROGRAM.exe [ARGS...]: runs a Windows program under the harness's time limit.
run() {
    skip_unless_all_runnable "$@"
    "$KILN_HARNESS/winrun" "$@"
}

# start_program LOG PROGRAM.exe [ARGS...]: runs a Windows program in the
# background, in its own process group, under a 60 s limit; its output goes
# to LOG.
start_program() {
    local log=$1
    shift
    skip_unless_all_runnable "$@"
    setsid "$KILN_HARNESS/winrun" -t 60 "$@" > "$log" 2>&1 &
    program=$!
}

# wait_program: waits for the program of start_program; sets status to its
# exit status.
wait_program() {
    status=0
    wait "$program" || status=$?
    program=
}

# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
    if [[ "$2" != "$3" ]]; then
        diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") >&2 || true
        fail "$1: expected [$2], got [$3]"
    fi
}

# answer_box TITLE: waits for the message box TITLE, prints its text (CR
# dropped, so its line breaks read as LF), presses OK and waits until the
# box is gone.
answer_box() {
    local text
    text=$("$KILN_HARNESS/dismiss-box" -t 10 -b ok "$1") || return 1
    printf '%s\n' "${text//$'\r'/}"
    retry 5 box_gone "$1"
}

box_gone() {
    ! "$KILN_HARNESS/winrun" "$helpers/inspect.exe" find "#32770" "$1" 0 > /dev/null
}

# retry SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds or
# SECONDS have passed; fails then.
retry() {
    local limit=$(( $1 * 10 ))
    shift
    for (( i = 0; i < limit; i++ )); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# park: moves the pointer off every window of the tests. Wine keeps its own
# idea of the pointer position, moved by SetCursorPos and by pointer motion
# over its windows, so both are moved.
park() {
    xdotool mousemove 1000 740
    run "$helpers/inspect.exe" cursor 1000 740
}
