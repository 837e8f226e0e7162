# shellcheck shell=bash
# The one way the scripts and the Wine session start a virtual X server; sourced.

# Starts Xvfb on the first free display with one screen of the size given (default
# 1280x1024x24) and waits until it accepts clients; sets DISPLAY and xvfb_pid. Xvfb picks the
# display itself and names it only once it listens, so two servers starting at once never race
# for a number and nobody polls for the socket. The server runs in a session of its own with no
# tie to the caller's output, so that it may outlive the caller; whoever starts it ends it by
# xvfb_pid.
# Without -noreset Xvfb starts afresh whenever its last client leaves, which no desktop does;
# each program that scripts/bench starts right after the last one ended would meet a server
# still resetting and pay for it.
start_xvfb() {
    local ready number
    exec {ready}< <(exec setsid Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp \
        -noreset 3>&1 </dev/null >/dev/null 2>&1)
    xvfb_pid=$!
    read -r -u "$ready" number || {
        echo "Xvfb did not start" >&2
        return 1
    }
    exec {ready}<&-
    export DISPLAY=:$number
}
