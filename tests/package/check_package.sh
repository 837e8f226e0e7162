#!/usr/bin/env bash
# Unpacks quillmoor_VERSION_ARCH.deb from FOLDER into a scratch root, checks what it holds and
# what it depends on, then starts the unpacked program and waits, for a bounded time, until it
# has drawn its window; then ends it.
# Usage: check_package.sh FOLDER VERSION
set -euo pipefail
deb="$1/quillmoor_$2_$(dpkg --print-architecture).deb"
scratch=$(mktemp -d)
program_pid=
trap '[[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null; rm -rf "$scratch"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}

[[ -f $deb ]] || fail "no package at $deb"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

[[ -x $root/usr/bin/quillmoor ]] || fail "the package holds no /usr/bin/quillmoor"
entry="$root/usr/share/applications/quillmoor.desktop"
[[ -f $entry ]] || fail "the package holds no desktop entry"
desktop-file-validate "$entry"

icons="$root/usr/share/icons/hicolor"
[[ -f $icons/scalable/apps/quillmoor.svg ]] || fail "the package holds no scalable icon"
for size in 16 32 48 256; do
    icon="$icons/${size}x$size/apps/quillmoor.png"
    [[ -f $icon ]] || fail "the package holds no $size-pixel icon"
    [[ $(file -b "$icon") == *"PNG image data, $size x $size,"* ]] ||
        fail "$icon is not $size x $size pixels: $(file -b "$icon")"
done

depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ ", $depends," =~ ,\ "$library"[\ ,] ]] || fail "Depends lacks $library: $depends"
done

# The program says nothing while it is well, so the sign that its window is up comes from Qt:
# the painting log reports each flush of a window's backing store, and the first one follows
# the window being shown, laid out and drawn. A program that cannot open its window exits
# with its reason instead, which ends the log early.
log="$scratch/log"
mkfifo "$log"
mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR="$scratch/runtime" QT_LOGGING_RULES="qt.widgets.painting=true" \
    "$root/usr/bin/quillmoor" 2>"$log" &
program_pid=$!
exec {log_fd}<"$log"

drawn=false
said=()
deadline=$((SECONDS + 60))
while ((SECONDS < deadline)) && IFS= read -r -t $((deadline - SECONDS)) line <&"$log_fd"; do
    if [[ $line == "qt.widgets.painting: Flushing "* ]]; then
        drawn=true
        break
    fi
    [[ $line == qt.* ]] || said+=("$line")
done

if ! $drawn; then
    kill "$program_pid" 2>/dev/null || true
    status=0
    wait "$program_pid" || status=$?
    program_pid=
    fail "the unpacked program drew no window (exit status $status): ${said[*]}"
fi

kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=
((status == 128 + 15)) || fail "the unpacked program did not end by SIGTERM (exit status $status)"
