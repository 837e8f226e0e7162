# shellcheck shell=bash
# Shared by wine-run, wine-session and the scripts that run Windows programs, sourced with $state
# set to a folder of the build's own for Wine: it holds the prefix, the lock that guards making
# it, and the session file.

# shellcheck source=../../scripts/lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

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

# Makes the prefix on first use. With --unmanaged, Wine places and takes down its windows itself:
# the tests' X server has no window manager, and Wine would wait two seconds for one at every
# window that hides or closes. Callers that come meanwhile wait on the lock until it is ready;
# no Wine process may inherit the lock, or it would be held as long as the Wine server lives.
boot_prefix() {
    local lock
    mkdir -p "$state"
    exec {lock}>"$state/lock"
    flock "$lock"
    if [[ ! -e $WINEPREFIX/ready ]]; then
        rm -rf "$WINEPREFIX"
        wineboot -i {lock}>&- >&2
        if [[ ${1:-} == --unmanaged ]]; then
            "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
                {lock}>&- >/dev/null
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
