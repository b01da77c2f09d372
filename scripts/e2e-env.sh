# shellcheck shell=bash
# Environment for running Windows programs under Wine on a private virtual X display.
#
# Source this file (do not execute it). Inputs, as shell variables:
#   QENNET_WINE      the Wine loader, e.g. /usr/lib/wine/wine64 (never /usr/bin/wine, whose
#                    wrapper picks the 32-bit loader)
#   QENNET_WINEARCH  win32 or win64
#   QENNET_PREFIX    the Wine prefix directory (under the build tree)
#
# It starts Xvfb on a free display and exports DISPLAY, creates and prepares the prefix when
# needed and exports WINEPREFIX, WINEARCH, WINEDEBUG=-all, LANG and LC_ALL=C.UTF-8, and
# WINEDLLOVERRIDES with winemenubuilder.exe=d added to what it held. Sourcing it twice reuses the
# running Xvfb. Call qennet_e2e_env_down when done: it stops the prefix's wineserver and the Xvfb
# started here, and nothing else.
#
# Sourcing returns non-zero when something cannot be set up (under `set -e` that ends the caller).

qennet_e2e_env_log() { printf 'e2e-env: %s\n' "$*" >&2; }

qennet_e2e_env_up() {
    local wine="${QENNET_WINE:?QENNET_WINE must name the Wine loader}"
    local arch="${QENNET_WINEARCH:?QENNET_WINEARCH must be win32 or win64}"
    local prefix="${QENNET_PREFIX:?QENNET_PREFIX must name the Wine prefix directory}"
    local wineserver
    wineserver="$(dirname "$wine")/wineserver"

    if [ ! -x "$wine" ]; then
        qennet_e2e_env_log "no Wine loader at $wine"
        return 1
    fi
    if [ ! -x "$wineserver" ]; then
        qennet_e2e_env_log "no wineserver beside $wine"
        return 1
    fi
    case "$arch" in
    win32 | win64) ;;
    *)
        qennet_e2e_env_log "QENNET_WINEARCH must be win32 or win64, not $arch"
        return 1
        ;;
    esac
    case "$prefix" in
    /*) ;;
    *) prefix="$PWD/$prefix" ;;
    esac

    # The C locale gives Windows programs the ANSI code page 1252; its UTF-8 form also lets file
    # names hold any character (with plain C, Wine cannot make a file named in Japanese).
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    export WINEDEBUG=-all
    # A shell link made on the desktop or in the Start menu would have Wine's menu builder write
    # desktop entries into the Linux user's home: the tests never run it.
    case ";${WINEDLLOVERRIDES:-};" in
    *";winemenubuilder.exe=d;"*) ;;
    *) export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d" ;;
    esac
    export WINEARCH="$arch"
    export WINEPREFIX="$prefix"
    export QENNET_WINESERVER="$wineserver"

    qennet_e2e_env_start_xvfb || return 1
    qennet_e2e_env_prepare_prefix "$wine" "$wineserver" "$arch" "$prefix" || return 1
    return 0
}

qennet_e2e_env_start_xvfb() {
    if [ -n "${QENNET_XVFB_PID:-}" ] && kill -0 "$QENNET_XVFB_PID" 2>/dev/null &&
        [ -n "${QENNET_XVFB_DISPLAY:-}" ]; then
        export DISPLAY="$QENNET_XVFB_DISPLAY"
        return 0
    fi
    if ! command -v Xvfb >/dev/null 2>&1; then
        qennet_e2e_env_log "Xvfb is not installed"
        return 1
    fi
    local n pid waited
    for n in $(seq 91 160); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then
            continue
        fi
        Xvfb ":$n" -screen 0 1280x1024x24 -noreset -nolisten tcp \
            </dev/null >/dev/null 2>&1 &
        pid=$!
        waited=0
        # The socket appears once the server accepts clients; a server that lost the race for
        # this display number exits, and the next number is tried.
        while [ "$waited" -lt 100 ]; do
            if ! kill -0 "$pid" 2>/dev/null; then
                break
            fi
            if [ -S "/tmp/.X11-unix/X$n" ]; then
                export QENNET_XVFB_PID="$pid"
                export QENNET_XVFB_DISPLAY=":$n"
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
            waited=$((waited + 1))
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    qennet_e2e_env_log "could not start Xvfb on any display from :91 to :160"
    return 1
}

qennet_e2e_env_prepare_prefix() {
    local wine="$1" wineserver="$2" arch="$3" prefix="$4"

    # A prefix made for the other architecture cannot be used; one that never finished its
    # first boot is made again.
    if [ -f "$prefix/system.reg" ]; then
        if ! grep -q "^#arch=$arch\$" "$prefix/system.reg" ||
            [ ! -f "$prefix/.qennet-ready" ]; then
            qennet_e2e_env_log "recreating the Wine prefix $prefix"
            "$wineserver" -k </dev/null >/dev/null 2>&1 || true
            rm -rf -- "$prefix"
        fi
    fi

    if [ ! -f "$prefix/system.reg" ]; then
        mkdir -p -- "$prefix" || return 1
        qennet_e2e_env_log "creating the Wine prefix $prefix ($arch)"
        # No Mono or Gecko install prompts: nothing here needs them, and a prompt would wait
        # forever on the virtual display.
        if ! WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" "$wine" wineboot -i \
            </dev/null >/dev/null 2>&1; then
            qennet_e2e_env_log "wineboot failed for $prefix"
            return 1
        fi
        "$wineserver" -w </dev/null >/dev/null 2>&1 || true
        if [ ! -f "$prefix/system.reg" ]; then
            qennet_e2e_env_log "wineboot left no registry in $prefix"
            return 1
        fi
    fi

    # Without a window manager every hide or destroy of a top-level window would wait 2 s,
    # unless Wine is told not to hand its windows to one.
    if ! grep -q '^"Managed"="N"' "$prefix/user.reg" 2>/dev/null; then
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
            </dev/null >/dev/null 2>&1 || {
            qennet_e2e_env_log "could not set Managed=N in $prefix"
            return 1
        }
    fi
    # The tests' stand-in for xinput1_4.dll (put in the prefix's system folder by e2e.wine_up)
    # is loaded only where the prefix asks for the native library.
    if ! grep -q '^"xinput1_4"="native"' "$prefix/user.reg" 2>/dev/null; then
        "$wine" reg add 'HKCU\Software\Wine\DllOverrides' /v xinput1_4 /t REG_SZ /d native /f \
            </dev/null >/dev/null 2>&1 || {
            qennet_e2e_env_log "could not ask $prefix for the native xinput1_4"
            return 1
        }
    fi
    # Wine links the user's Desktop to the home folder; the tests make folders on the Desktop,
    # so it is made a folder of the prefix's own.
    local desktop
    for desktop in "$prefix"/drive_c/users/*/Desktop; do
        if [ -L "$desktop" ]; then
            rm -f -- "$desktop" && mkdir -- "$desktop" || {
                qennet_e2e_env_log "could not make $desktop a folder"
                return 1
            }
        fi
    done
    : >"$prefix/.qennet-ready"
    return 0
}

qennet_e2e_env_down() {
    if [ -n "${WINEPREFIX:-}" ] && [ -n "${QENNET_WINESERVER:-}" ] && [ -d "$WINEPREFIX" ]; then
        "$QENNET_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
        "$QENNET_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
    fi
    if [ -n "${QENNET_XVFB_PID:-}" ]; then
        if kill -0 "$QENNET_XVFB_PID" 2>/dev/null; then
            kill "$QENNET_XVFB_PID" 2>/dev/null || true
            # Only a child of this shell can be waited for; otherwise wait for the exit by polling.
            wait "$QENNET_XVFB_PID" 2>/dev/null || true
            local waited=0
            while kill -0 "$QENNET_XVFB_PID" 2>/dev/null && [ "$waited" -lt 50 ]; do
                sleep 0.1
                waited=$((waited + 1))
            done
        fi
        unset QENNET_XVFB_PID QENNET_XVFB_DISPLAY
    fi
    return 0
}

qennet_e2e_env_up
