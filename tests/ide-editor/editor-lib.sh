# Driving kforge-editorhost from a test script; sourced after host-lib.sh of
# tests/ide-controls. editor_start makes a program folder in the current
# folder (the host, syntax\kln.syn and kln.arg beside it, as in the staged
# tree) and starts the host there with a document in its window.
#   editor_start HOST.exe EDITOR_FILES_DIR
#   winpath FILE            the Windows path of a file
#   expect_eq WANT GOT WHAT fail unless equal
#   type_keys KEYS...       xdotool key to the focused window, then a pause
#   type_text TEXT          xdotool type, then a pause

editor_start() {
    mkdir -p prog/syntax
    cp "$1" prog/kforge-editorhost.exe
    cp "$2/syntax/kln.syn" prog/syntax/
    cp "$2/kln.arg" prog/
    host_start prog/kforge-editorhost.exe
    host_do doc 0 0 620 440
}

winpath() {
    winepath -w "$1" 2>/dev/null
}

expect_eq() {
    [[ $1 == "$2" ]] || host_fail "$3: expected '$1', got '$2'"
}

# The text after "NAME " of the one line of $host_output that starts so.
field() {
    sed -n "s/^$1 //p" <<<"$host_output" | head -n1
}

type_keys() {
    xdotool key --delay 60 "$@"
    sleep 0.4
}

type_text() {
    xdotool type --delay 60 "$1"
    sleep 0.4
}
