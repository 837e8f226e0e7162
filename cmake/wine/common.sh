# shellcheck shell=bash
# Shared by wine-run, wine-session and the scripts that run Windows programs, sourced with $state
# set to a folder of the build's own for Wine: it holds the prefix, the lock that guards making
# it, and the session file.

# shellcheck source=../../scripts/lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

# QUILLMOOR_WINE_VARIANT names another Windows to run on, with a prefix of its own beside the
# plain one (STATE-VARIANT):
#   ru  a Russian laptop at 150 %: Wine takes code page 1251 from the locale, and the desktop has
#       144 dpi.
wine_dpi=
wine_locale=
case ${QUILLMOOR_WINE_VARIANT:-} in
"") ;;
ru)
    state=$state-ru
    wine_locale=ru_RU
    wine_dpi=144
    ;;
*)
    echo "unknown QUILLMOOR_WINE_VARIANT: $QUILLMOOR_WINE_VARIANT" >&2
    exit 2
    ;;
esac

# Wine takes only an absolute prefix.
state=$(realpath -m "$state")
export WINEPREFIX=$state/prefix
export WINEDEBUG=-all
# Debian's Wine comes without Mono and Gecko; not asking for them keeps the first boot quiet.
# Without its debugger a program that crashes ends at once rather than waiting for a user.
# Without its menu builder a shortcut made under Wine puts no entry into the host's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
wine=$(command -v wine64 || command -v wine)
session=$state/session
# The variant's locale is made into the state folder from the system's locale sources (Debian's
# locales), so that the host need not have made it; without it Wine would quietly fall back to
# code page 1252.
if [[ -n $wine_locale ]]; then
    export LOCPATH=$state/locale LANG=$wine_locale.UTF-8 LC_ALL=$wine_locale.UTF-8
fi

# Makes the prefix on first use. With --unmanaged, Wine places and takes down its windows itself:
# the tests' X server has no window manager, and Wine would wait two seconds for one at every
# window that hides or closes. Callers that come meanwhile wait on the lock until it is ready;
# no Wine process may inherit the lock, or it would be held as long as the Wine server lives.
boot_prefix() {
    local lock
    mkdir -p "$state"
    exec {lock}>"$state/lock"
    flock "$lock"
    if [[ -n $wine_locale && ! -d $LOCPATH/$LANG ]]; then
        mkdir -p "$LOCPATH"
        localedef -i "$wine_locale" -f UTF-8 "$LOCPATH/$LANG"
    fi
    if [[ ! -e $WINEPREFIX/ready ]]; then
        rm -rf "$WINEPREFIX"
        wineboot -i {lock}>&- >&2
        if [[ ${1:-} == --unmanaged ]]; then
            "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
                {lock}>&- >/dev/null
        fi
        if [[ -n $wine_dpi ]]; then
            "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$wine_dpi" \
                /f {lock}>&- >/dev/null
        fi
        # The registry reaches the disk only when the server ends.
        wineserver -w {lock}>&-
        touch "$WINEPREFIX/ready"
    fi
    exec {lock}>&-
}

# Takes the display of the running session, if there is one.
join_session() {
    local display pid
    [[ -r $session ]] && read -r display pid <"$session" && kill -0 "$pid" 2>/dev/null || return 1
    export DISPLAY=$display
}

# Starts HOLDER, which keeps Wine's desktop open, and waits until the desktop is up. Whichever
# program opens the desktop hands its output on to it; a test program that came first would have
# its output held open, and CTest would wait for it until the Wine server ends.
hold_desktop() {
    local ready
    exec {ready}< <(exec "$wine" "$1" </dev/null 2>/dev/null)
    read -r -t 30 -u "$ready" _ || echo "the desktop holder did not report" >&2
    exec {ready}<&-
}

# Runs the program under Wine and returns its status, its output passed on as it comes. Wine
# tells nothing when it cannot start a program, with its debug output off, and the program's
# own failures always write something: a failure without a byte of output is named for what it
# most likely is.
run_reporting_silent_start() {
    local seen out err out_pid err_pid status=0
    seen=$(mktemp -d)
    exec {out}> >(exec tee "$seen/out")
    out_pid=$!
    exec {err}> >(exec tee "$seen/err" >&2)
    err_pid=$!
    "$wine" "$@" >&"$out" 2>&"$err" {out}>&- {err}>&- || status=$?
    exec {out}>&- {err}>&-
    wait "$out_pid" "$err_pid" || true
    if ((status != 0)) && [[ ! -s $seen/out && ! -s $seen/err ]]; then
        echo "wine-run: Wine did not start $1, or it ended before its main: status $status," \
            "and no output" >&2
    fi
    rm -rf "$seen"
    return "$status"
}
