# Driving kforge-dockhost (the docking host in the controls' test host
# window) from a test script; sourced. Adds to host-lib.sh:
#   dock_click_at CMD ARGS...   a real left click in the middle of the
#                               rectangle that CMD prints ("screen L T R B")
#   expect_events REGEX...      the event lines since the last call match
#                               the patterns, in order and nothing else
source "$(dirname "${BASH_SOURCE[0]}")/../ide-controls/host-lib.sh"

dock_events_seen=0

dock_click_at() {
    local button=1
    if [[ $1 == --middle ]]; then
        button=2
        shift
    fi
    host_do "$@"
    # Event lines may come first: the rectangle is the "screen" line.
    read -r _ left top right bottom < <(grep -m1 '^screen ' <<<"$host_output")
    ((right > left && bottom > top)) || host_fail "$* gave no rectangle: $host_output"
    xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2))
    sleep 0.2
    xdotool click "$button"
}

# The event lines (commands, closing, destroyed, activated) printed since
# the last call, waiting up to 5 s for them to arrive.
expect_events() {
    local want=$# deadline=$((SECONDS + 5)) events
    while :; do
        events=$({ grep -E '^(command|closing|destroyed|activated) ' results || true; } | tail -n +$((dock_events_seen + 1)))
        local count=0
        [[ -n $events ]] && count=$(wc -l <<<"$events")
        ((count >= want || SECONDS >= deadline)) && break
        sleep 0.05
    done
    ((count == want)) || host_fail "expected $want events ($*), got: ${events:-none}"
    ((count > 0)) || return 0
    local i=0 line
    while IFS= read -r line; do
        i=$((i + 1))
        [[ $line =~ ${!i} ]] || host_fail "event $i: expected /${!i}/, got '$line' in: $events"
    done <<<"$events"
    dock_events_seen=$((dock_events_seen + count))
}
