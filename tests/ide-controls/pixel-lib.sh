# Reading what the screen shows around a window of kforge-testhost; sourced
# after host-lib.sh. Colours are written as Windows colours, 0xBBGGRR.
#   capture NAME [MARGIN]     grabs the window's rectangle, widened by MARGIN
#                             pixels on every side, from the X screen
#   colour_at X Y             a pixel of the last capture, relative to the
#                             window's top-left corner (may be negative)
#   expect_colours WHAT NAME MARGIN "X Y COLOUR"...
#                             captures until every listed pixel shows its
#                             colour ("!COLOUR": any other colour), up to
#                             3 s (the screen follows the drawing a little
#                             later), else fails naming WHAT
#   screen_capture FILE.png   the whole display, as a PNG
#   pixel_at FILE.png X Y     the colour at a screen point of such a file, as RRGGBB
# With KFORGE_SHOT_DIR set, every capture is also kept there as a PNG, to
# look at.
# Helpers that run host commands set variables instead of printing: a
# subshell would lose host_do's command count.

cap_count=0

# The first line of the last command's output that begins with WORD:
# host_output also holds the events raised since the command before.
output_line() { grep -m1 "^$1 " <<<"$host_output"; }

capture() {
    local name=$1 margin=${2:-0}
    host_do where "$name"
    read -r _ left top right bottom <<<"$(output_line screen)"
    cap_margin=$margin
    cap_width=$((right - left + 2 * margin))
    cap_height=$((bottom - top + 2 * margin))
    local geometry="${cap_width}x${cap_height}+$((left - margin))+$((top - margin))"
    import -window root -crop "$geometry" -depth 8 rgb:capture.rgb ||
        host_fail "could not grab the screen around $name"
    if [[ -n ${KFORGE_SHOT_DIR:-} ]]; then
        convert -size "${cap_width}x${cap_height}" -depth 8 rgb:capture.rgb \
            "$KFORGE_SHOT_DIR/$(basename "$0")-$name-$((++cap_count)).png"
    fi
}

colour_at() {
    local x=$(($1 + cap_margin)) y=$(($2 + cap_margin)) r g b
    read -r r g b < <(od -An -tu1 -j $(((y * cap_width + x) * 3)) -N3 capture.rgb)
    printf '0x%06X\n' $((b << 16 | g << 8 | r))
}

expect_colours() {
    local what=$1 name=$2 margin=$3 deadline=$((SECONDS + 3)) wrong check x y want got
    shift 3
    while :; do
        capture "$name" "$margin"
        wrong=
        for check in "$@"; do
            read -r x y want <<<"$check"
            got=$(colour_at "$x" "$y")
            if [[ $want == !* ]]; then
                ((got != ${want#!})) || wrong+=" ($x,$y) is $got"
            else
                ((got == want)) || wrong+=" ($x,$y) is $got, not $(printf '0x%06X' $((want)))"
            fi
        done
        [[ -z $wrong ]] && return 0
        ((SECONDS < deadline)) || host_fail "$name: $what:$wrong"
        sleep 0.1
    done
}

# colour_var VAR N: sets VAR to the host's GetSysColor(N). (Not in a
# subshell: host_do counts the commands in this shell.)
colour_var() {
    host_do syscolor "$2"
    local line
    line=$(output_line color)
    printf -v "$1" '0x%06X' "${line#color }"
}

# The colours of a rectangle of the last capture (window coordinates, the
# right and bottom edges included), one 0xBBGGRR per line, each once.
colours_in() {
    local x0=$(($1 + cap_margin)) y0=$(($2 + cap_margin)) x1=$(($3 + cap_margin)) y1=$(($4 + cap_margin))
    convert -size "${cap_width}x${cap_height}" -depth 8 rgb:capture.rgb \
        -crop "$((x1 - x0 + 1))x$((y1 - y0 + 1))+$x0+$y0" +repage -unique-colors -depth 8 rgb:- |
        od -An -tu1 -v -w3 | while read -r r g b; do printf '0x%06X\n' $((b << 16 | g << 8 | r)); done
}

# The darkest channel value (0-255) of a rectangle of the last capture: text
# is drawn smoothed, so its colour shows at the cores of its strokes only.
darkest_in() {
    local darkest=255 colour channel
    while read -r colour; do
        for channel in $((colour & 0xFF)) $((colour >> 8 & 0xFF)) $((colour >> 16 & 0xFF)); do
            ((channel < darkest)) && darkest=$channel
        done
    done < <(colours_in "$@")
    echo "$darkest"
}

screen_capture() {
    timeout 20 import -window root "$1" || host_fail "no screenshot"
}

pixel_at() {
    convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}
