# Reading what the screen shows; sourced after host-lib.sh.
#   screen_capture FILE.png      the whole display
#   pixel_at FILE.png X Y        the colour at a screen point, as RRGGBB
screen_capture() {
    timeout 20 import -window root "$1" || host_fail "no screenshot"
}

pixel_at() {
    convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}
