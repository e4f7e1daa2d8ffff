# Shared settings of the project's scripts; source it, do not run it.
# Each architecture builds into its own folder, build/<arch>, with its private Wine prefix in
# build/<arch>/wineprefix; kx_use_arch selects one of them for the functions that follow.

KX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KX_BUILD_ROOT=$KX_ROOT/build
KX_ALL_ARCHS=(i686 x86_64)

# 32-bit Windows code runs only where the kernel executes 32-bit programs; x86_64 runs everywhere.
kx_kernel_runs_ia32() {
    if [ -z "${KX_IA32_RUNS:-}" ]; then
        local probe
        probe=$(mktemp) || return 1
        if python3 "$KX_ROOT/scripts/probe-ia32.py" "$probe" 2>/dev/null && "$probe" 2>/dev/null; then
            KX_IA32_RUNS=yes
        else
            KX_IA32_RUNS=no
        fi
        rm -f "$probe"
    fi
    [ "$KX_IA32_RUNS" = yes ]
}

kx_can_run() {
    [ "$1" = x86_64 ] || kx_kernel_runs_ia32
}

# The architectures this run builds: KX_ARCH alone when set, otherwise both.
kx_archs() {
    if [ -n "${KX_ARCH:-}" ]; then echo "$KX_ARCH"; else echo "${KX_ALL_ARCHS[@]}"; fi
}

# The one architecture a program is run in: KX_ARCH when set, otherwise i686 (the classic hosts are
# 32-bit) where the kernel runs it, x86_64 elsewhere.
kx_run_arch() {
    if [ -n "${KX_ARCH:-}" ]; then echo "$KX_ARCH"
    elif kx_kernel_runs_ia32; then echo i686
    else echo x86_64
    fi
}

if [ -n "${KX_ARCH:-}" ] && [ "$KX_ARCH" != i686 ] && [ "$KX_ARCH" != x86_64 ]; then
    echo "KX_ARCH must be i686 or x86_64, not '$KX_ARCH'." >&2
    exit 1
fi

kx_use_arch() {
    KX_CUR_ARCH=$1
    KX_BUILD=$KX_BUILD_ROOT/$1
    if [ "$1" = i686 ]; then
        KX_WINE=/usr/lib/wine/wine
        export WINEARCH=win32
    else
        KX_WINE=/usr/lib/wine/wine64
        export WINEARCH=win64
    fi
    export WINEPREFIX=$KX_BUILD/wineprefix
}

# Selects the architecture programs run in; fails where this machine cannot run it.
kx_use_run_arch() {
    kx_use_arch "$(kx_run_arch)"
    kx_can_run "$KX_CUR_ARCH" && return 0
    echo "This kernel runs no 32-bit programs: use KX_ARCH=x86_64." >&2
    return 1
}

KX_WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
