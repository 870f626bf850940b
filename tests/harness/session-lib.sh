# Helpers shared by wine-session and xvfb-session: a pid file that records
# which process a session started and who owns it, so only the owner stops it.
#
# Pid file format: one line "<pid> <owner>". A session script sets
# SESSION_PROGRAM (e.g. "wineserver"), so a stale pid file whose pid now
# belongs to another program is not taken for a running session.

: "${KILN_SESSION_DIR:?KILN_SESSION_DIR must name the test session folder}"
mkdir -p "$KILN_SESSION_DIR"

# True while process `pid` runs (a finished process waiting to be reaped does not count).
process_running() {  # pid
    local state
    state=$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1) || return 1
    [[ -n $state && $state != Z ]]
}

session_pid_alive() {  # pidfile
    local pid owner
    [[ -s $1 ]] || return 1
    read -r pid owner <"$1"
    process_running "$pid" && [[ $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) == *"$SESSION_PROGRAM"* ]]
}

session_lock() {  # name: serialises start and stop of one session
    exec 7>"$KILN_SESSION_DIR/$1.lock"
    flock 7
}

# Stops the process of pidfile when `owner` started it; waits until it is gone.
session_stop() {  # pidfile owner
    local pid started_by
    [[ -s $1 ]] || return 0
    read -r pid started_by <"$1"
    [[ $started_by == "$2" ]] || return 0
    session_pid_alive "$1" || { rm -f "$1"; return 0; }
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        process_running "$pid" || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$1"
}
