# Driving kforge-testhost from a test script; sourced. The host runs in the
# current folder with winrun (a time limit of its own) and talks through
# the files "commands" and "results" there (see ide/testing/core/CommandChannel.h).
#   host_start HOST.exe      start it and wait for its window
#   host_do COMMAND...       run one command; its output lines go to $host_output
#                            (not a subshell's job: the command count lives here)
#   host_wait_for REGEX      wait for a result line (events come any time)
#   host_click NAME          a real left click in the middle of a named window
#   expect_line REGEX TEXT   fail unless a line of TEXT matches
#   host_stop                quit and wait for the host's end
# Every wait has a time limit; a failure names the step and ends the test.

host_commands=0
host_results_seen=0

host_fail() {
    echo "FAIL: $*" >&2
    [[ -f results ]] && sed 's/^/  results: /' results >&2
    host_kill
    exit 1
}

# Waits up to 60 s for a line of the results file matching REGEX: a guard
# against a hang, long enough for a machine under load.
host_wait_line() {
    local regex=$1 deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        grep -nE -m1 "$regex" results 2>/dev/null && return 0
        kill -0 "$host_pid" 2>/dev/null || host_fail "the host ended while waiting for /$regex/"
        sleep 0.05
    done
    return 1
}

# Ends a host that is still running, with its whole process group. winrun's
# time limit (timeout) runs in a process group of its own; told to end, it
# ends the program too.
host_kill() {
    [[ -n ${host_pid:-} ]] || return 0
    pkill -TERM -P "$host_pid" 2>/dev/null
    kill -- "-$host_pid" 2>/dev/null
    wait "$host_pid" 2>/dev/null
    host_pid=
}

host_start() {
    : >commands
    rm -f results
    # A new host counts its commands and results from the start.
    host_commands=0
    host_results_seen=0
    # A process group of its own, so host_kill reaches Wine's process too.
    # The files by their full DOS names (drive Z: is /): the host may
    # change its current folder. The host's time limit only guards against
    # a host left behind: the test's own limit (ctest's) ends a hang first.
    local here="Z:${PWD//\//\\}"
    setsid "$KILN_HARNESS/winrun" -t 900 "$1" "$here\\commands" "$here\\results" &
    host_pid=$!
    local ready
    ready=$(host_wait_line '^ready$') || host_fail "the host did not start"
    host_results_seen=${ready%%:*}  # the first command's output begins after it
    "$KILN_HARNESS/winwait-window" -t 20 '^kforge test host$' >/dev/null || host_fail "no host window"
}

host_do() {
    host_commands=$((host_commands + 1))
    echo "$*" >>commands
    local marker
    marker=$(host_wait_line "^(done|error) $host_commands(:|$)") || host_fail "no answer to: $*"
    local marker_line=${marker%%:*}
    host_output=$(sed -n "$((host_results_seen + 1)),$((marker_line - 1))p" results)
    host_results_seen=$marker_line
    [[ ${marker#*:} == done* ]] || host_fail "$* -> ${marker#*:}"
}

host_wait_for() {
    host_wait_line "$1" >/dev/null || host_fail "no result line matches /$1/"
}

host_clicks=0
host_click() {
    host_do where "$1"
    read -r _ left top right bottom <<<"$host_output"
    # Every other click lands 6 pixels to the right, so that two quick
    # clicks on one window never pair into a double-click (a static takes
    # double-clicks, and its second button-down would arrive as one).
    local shift=$((host_clicks++ % 2 * 6))
    # The pointer first arrives, so that Wine knows the window under it.
    xdotool mousemove $(((left + right) / 2 + shift)) $(((top + bottom) / 2))
    sleep 0.2
    xdotool click 1
}

expect_line() {
    grep -qE "$1" <<<"$2" || host_fail "expected a line matching /$1/ in: $2"
}

host_stop() {
    echo quit >>commands
    wait "$host_pid" || host_fail "the host ended with status $?"
    host_pid=
}
