#!/usr/bin/env bash
# Starts a virtual X server and a session bus of its own, on which the accessibility bus starts
# when it is first asked for, and reads the program's window through it as a screen reader does
# (read_the_form.py). The bus and every service it started end with the session; the X server
# ends here.
# Usage: read_the_form.sh PROGRAM APP_ID
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# shellcheck source=../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
start_xvfb
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT

# Debian's own Python: pyatspi is a Debian package, not one of another interpreter's.
dbus-run-session -- /usr/bin/python3 "$here/read_the_form.py" "$1" "$2"
