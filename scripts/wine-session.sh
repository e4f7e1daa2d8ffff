# Functions that build the project and bring up the Wine prefix and display; source after common.sh.

# Builds the architecture kx_use_arch selected; where this machine cannot run it, builds without running
# any of the built programs (dic.txt is then not made).
kx_build() {
    local compile_only=OFF
    kx_can_run "$KX_CUR_ARCH" || compile_only=ON
    if ! grep -qx "KX_COMPILE_ONLY:BOOL=$compile_only" "$KX_BUILD/CMakeCache.txt" 2>/dev/null; then
        cmake -S "$KX_ROOT" -B "$KX_BUILD" -DCMAKE_TOOLCHAIN_FILE="$KX_ROOT/cmake/mingw-$KX_CUR_ARCH.cmake" \
              -DCMAKE_BUILD_TYPE=Release -DKX_WINE="$KX_WINE" -DKX_COMPILE_ONLY=$compile_only >/dev/null || return 1
    fi
    cmake --build "$KX_BUILD" -j "$(nproc)"
}

# A private display unless one is given; sets KX_XVFB_PID when it starts one.
kx_start_xvfb() {
    local display=$1
    Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    KX_XVFB_PID=$!
    export DISPLAY=$display
    local i
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X${display#:}" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $display" >&2
    return 1
}

kx_free_display() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo ":$n"; return; }
    done
    echo ":141"
}

kx_make_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        "$KX_WINE" wineboot -i >/dev/null 2>&1 || true
        "$KX_WINESERVER" -w
    fi
    local settings="$KX_ROOT/scripts/prefix-settings.reg"
    if [ "$settings" -nt "$WINEPREFIX/.settings-applied" ]; then
        "$KX_WINE" regedit /S "$(winepath_of "$settings")" >/dev/null 2>&1 || true
        "$KX_WINESERVER" -w
        touch "$WINEPREFIX/.settings-applied"
    fi
}

winepath_of() { echo "Z:${1//\//\\}"; }

# One wineserver and one long-lived Wine process, so each test process starts quickly.
kx_start_wine() {
    "$KX_WINESERVER" -k 2>/dev/null || true
    "$KX_WINESERVER" -w 2>/dev/null || true
    "$KX_WINESERVER" -p
    setsid "$KX_WINE" "$KX_BUILD/tests/kxhelper.exe" idle </dev/null >/dev/null 2>&1 &
    KX_IDLE_PID=$!
    "$KX_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

kx_stop_wine() {
    "$KX_WINESERVER" -k 2>/dev/null || true
    [ -n "${KX_IDLE_PID:-}" ] && kill "$KX_IDLE_PID" 2>/dev/null || true
    KX_IDLE_PID=
    return 0
}

kx_stop_xvfb() {
    [ -n "${KX_XVFB_PID:-}" ] && kill "$KX_XVFB_PID" 2>/dev/null || true
    KX_XVFB_PID=
    return 0
}

kx_stop_session() {
    kx_stop_wine
    kx_stop_xvfb
}

kx_register() {
    "$KX_WINE" regsvr32 /s "$(winepath_of "$KX_BUILD/Korvix32.dll")"
}

# Selects the architecture programs run in, builds it, then starts a private display, the
# prefix's Wine and the Persian locale for this shell; the display and Wine stop when the shell exits.
kx_open_session() {
    kx_use_run_arch || return 1
    kx_build || return 1
    trap kx_stop_session EXIT
    kx_start_xvfb "$(kx_free_display)" || return 1
    kx_start_arch_session
}

# The prefix, its Wine and the Persian locale of the selected architecture, on the display already set.
kx_start_arch_session() {
    kx_make_prefix
    kx_start_wine
    unset LC_ALL
    export LANG=fa_IR.UTF-8
}
