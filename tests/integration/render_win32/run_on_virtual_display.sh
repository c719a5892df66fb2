#!/bin/sh
# Runs a Windows test program under Wine on an X server of its own, so that luwnd.exe
# shows real windows:
#   run_on_virtual_display.sh <wine prefix> <program.exe> [arguments...]
# Xvfb picks a free display number itself (-displayfd). The prefix is the test's own:
# the shared one's wineserver was started without a display and would keep the windows
# off the screen. Xvfb and the wineserver are stopped at the end. Exit status 77 (skipped)
# when Xvfb or Wine is not installed.
set -u
prefix=$1
shift
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed: skipped"; exit 77; }
command -v wine >/dev/null 2>&1 || { echo "Wine is not installed: skipped"; exit 77; }

work=$(mktemp -d) || exit 1
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb=$!

stop() {
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM

# Xvfb writes the display number once it takes connections.
tries=0
while [ ! -s "$work/display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:"
        cat "$work/xvfb.log"
        exit 1
    fi
    sleep 0.1
done
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY WINEPREFIX="$prefix" WINEDEBUG=-all
unset WAYLAND_DISPLAY LUMORA_HEADLESS
# No prompts for Mono or Gecko when the prefix is made.
boot() {
    WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot </dev/null >/dev/null 2>&1
}
made() {
    [ -f "$prefix/drive_c/windows/system32/kernel32.dll" ]
}
boot
if ! made; then
    # On a busy machine, making a new prefix can outlast Wine's own wait for it ("could
    # not load kernel32.dll") while it goes on being made: wait until that is done, and
    # make it anew when it still is not whole.
    wineserver -w
    if ! made; then
        rm -rf "$prefix"
        boot
    fi
fi
made || { echo "the Wine prefix $prefix could not be made"; exit 1; }
sh "$(dirname "$0")/../../wine_fonts.sh" "$prefix"
wine "$@" </dev/null
