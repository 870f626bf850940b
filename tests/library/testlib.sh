# Helpers shared by the library tests; sourced by each run-* script.
# Every script gets the folder of the helper programs (inspect.exe,
# spawn.exe) as its first argument, and KILN_ROOT, KILN_HARNESS, WINEPREFIX
# (and DISPLAY for windowed tests) from the test's environment.
set -euo pipefail

here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source_root=$(dirname "$(dirname "$here")")
helpers=${1:?usage: $(basename "$0") HELPER-FOLDER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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

# run [-t SECONDS] PROGRAM.exe [ARGS...]: runs a Windows program under the harness's time limit.
run() {
    "$KILN_HARNESS/winrun" "$@"
}

# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
    if [[ "$2" != "$3" ]]; then
        diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") >&2 || true
        fail "$1: expected [$2], got [$3]"
    fi
}

# answer_box TITLE: waits for the message box TITLE, prints its text (CR
# dropped, so its line breaks read as LF) and presses OK.
answer_box() {
    local text
    text=$("$KILN_HARNESS/dismiss-box" -t 10 -b ok "$1") || return 1
    printf '%s\n' "${text//$'\r'/}"
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
