# Shared settings of the project's scripts; source it, do not run it.
# Defines the build folder, the target architecture and the private Wine prefix.

KX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KX_BUILD=${KX_BUILD:-$KX_ROOT/build}

# 32-bit Windows code runs only where the kernel executes 32-bit programs; elsewhere the
# same sources are built for 64-bit Windows and run by 64-bit Wine.
kx_kernel_runs_ia32() {
    local probe
    probe=$(mktemp) || return 1
    python3 "$KX_ROOT/scripts/probe-ia32.py" "$probe" 2>/dev/null && "$probe" 2>/dev/null
    local rc=$?
    rm -f "$probe"
    return $rc
}

if [ -z "${KX_ARCH:-}" ]; then
    if [ -f "$KX_BUILD/arch" ]; then
        KX_ARCH=$(cat "$KX_BUILD/arch")
    elif kx_kernel_runs_ia32; then
        KX_ARCH=i686
    else
        KX_ARCH=x86_64
    fi
fi
export KX_ARCH

if [ "$KX_ARCH" = i686 ]; then
    KX_WINE=/usr/lib/wine/wine
    export WINEARCH=win32
else
    KX_WINE=/usr/lib/wine/wine64
    export WINEARCH=win64
fi
KX_WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX=$KX_BUILD/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
