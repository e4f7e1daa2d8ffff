#!/usr/bin/env bash
# Installs what is missing, builds one architecture (KX_ARCH, or i686 where the kernel runs 32-bit programs,
# x86_64 elsewhere), registers Korvix32 in its Wine prefix and starts Zarvanta.
# With DISPLAY set, Zarvanta runs on that display. Without one it runs on a private virtual display (Xvfb):
# once the main window is up its screenshot is saved and the PNG's path printed, and Zarvanta keeps running
# until Enter is pressed (end of input counts as Enter) or it ends; then the display and Wine stop.
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$KX_ROOT/scripts/setup.sh" || exit 1
source "$KX_ROOT/scripts/wine-session.sh"

kx_use_run_arch || exit 1
kx_build || exit 1
trap kx_stop_session EXIT
private_display=no
if [ -z "${DISPLAY:-}" ]; then
    kx_start_xvfb "$(kx_free_display)" || exit 1
    private_display=yes
fi
kx_make_prefix
kx_register || { echo "Korvix32.dll could not be registered." >&2; exit 1; }

unset LC_ALL
export LANG=fa_IR.UTF-8
cd "$KX_BUILD"
if [ "$private_display" = no ]; then
    "$KX_WINE" Zarvanta.exe
    exit
fi

# The X window of Zarvanta's main window once it is shown: Wine names the X class after the program.
main_window() {
    local id
    for id in $(xwininfo -root -children 2>/dev/null | awk '/\("zarvanta\.exe"/ { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } /Map State: IsViewable/ { v = 1 }
                                                 END { exit !(v && w >= 400 && h >= 300) }' && { echo "$id"; return 0; }
    done
    return 1
}

echo "No X display: Zarvanta runs on the virtual display $DISPLAY."
"$KX_WINE" Zarvanta.exe </dev/null &
zarvanta=$!
window=
for _ in $(seq 1 600); do
    window=$(main_window) && break
    kill -0 "$zarvanta" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "Zarvanta's main window did not appear." >&2
    exit 1
fi
sleep 1   # the first paint follows the window's appearance
screenshot=$KX_BUILD/zarvanta-main-window.png
if import -window "$window" "$screenshot"; then
    echo "Screenshot of the main window: $screenshot"
else
    echo "The screenshot could not be saved." >&2
fi

echo "Zarvanta is running; press Enter to stop it."
while kill -0 "$zarvanta" 2>/dev/null; do
    read -r -t 1 && break   # Enter
    [ $? -gt 128 ] || break # not a time-out: end of input
done
