#!/usr/bin/env bash
# Unpacks quillmoor_VERSION_ARCH.deb from FOLDER into a scratch root, checks what it holds and
# what it depends on, then starts the unpacked program and sees it draw its window.
# Usage: check_package.sh FOLDER VERSION
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
deb="$1/quillmoor_$2_$(dpkg --print-architecture).deb"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}

[[ -f $deb ]] || fail "no package at $deb"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

[[ -x $root/usr/bin/quillmoor ]] || fail "the package holds no /usr/bin/quillmoor"

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

mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR="$scratch/runtime" "$here/../support/program-opens-window" "$root/usr/bin/quillmoor"
