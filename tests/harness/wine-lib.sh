# Shared by the harness scripts that run Windows programs; sourced.
#
# Every Windows program runs through Wine's 64-bit loader in a win64
# prefix: the loader runs 64-bit programs itself and hands a 32-bit one to
# Wine's 32-bit loader, which only starts where the host runs i386 code
# (host-runs-i386). A test that would run a 32-bit program on a host that
# cannot is skipped: it prints one line beginning "kiln-skip: " (the tests'
# skip pattern) and ends with status 77 (their skip status).

KILN_WINE=/usr/lib/wine/wine64
KILN_WINESERVER=/usr/lib/wine/wineserver64
KILN_SKIP_STATUS=77
kiln_harness_dir=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")

# Prints the machine of a Windows program (i386, x86-64 or other), or
# nothing for a file that is not a PE program (a Winelib program, say).
pe_machine() {  # file
    local header_offset machine
    [[ $(head -c 2 "$1" 2>/dev/null) == MZ ]] || return 0
    header_offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [[ -n $header_offset ]] || return 0
    [[ $(od -An -c -j"$header_offset" -N4 "$1" 2>/dev/null | tr -d ' ') == 'PE\0\0' ]] || return 0
    machine=$(od -An -tx2 -j$((header_offset + 4)) -N2 "$1" | tr -d ' ')
    case $machine in
    014c) echo i386 ;;
    8664) echo x86-64 ;;
    *) echo other ;;
    esac
}

# The skip line for a program this host cannot run, or nothing (status 1)
# when it can run it.
skip_reason() {  # program
    local why
    [[ $(pe_machine "$1") == i386 ]] || return 1
    why=$("$kiln_harness_dir/host-runs-i386" --why) && return 1
    echo "kiln-skip: this host cannot run 32-bit Windows programs ($why), so $(basename "$1") was not started"
}

# Ends the calling script as skipped when this host cannot run the program;
# the skip line goes to OUTPUT (default standard error).
skip_unless_runnable() {  # program [stdout|stderr]
    local line
    line=$(skip_reason "$1") || return 0
    if [[ ${2:-stderr} == stdout ]]; then echo "$line"; else echo "$line" >&2; fi
    exit "$KILN_SKIP_STATUS"
}
