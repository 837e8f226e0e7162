#!/usr/bin/env bash
# Judges quillmoor_VERSION_ARCH.deb from FOLDER as Debian and software centres do: lintian, the
# desktop entry's and the AppStream file's validators, and the names and versions they share.
# Usage: judge_package.sh FOLDER VERSION APP_ID
set -euo pipefail
deb="$1/quillmoor_$2_$(dpkg --print-architecture).deb"
version=$2
app_id=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}

[[ -f $deb ]] || fail "no package at $deb"
# Any warning fails; an override in the package would say why beside it.
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)

root="$scratch/root"
dpkg-deb -x "$deb" "$root"

# Docks match the window's app id with the desktop entry, software centres the entry with the
# AppStream file: all three carry the same name. On X11 the window's class is the application's
# name, the id's last part.
entry="$root/usr/share/applications/$app_id.desktop"
[[ -f $entry ]] || fail "the package holds no desktop entry $app_id.desktop"
desktop-file-validate "$entry"
grep -qx "StartupWMClass=${app_id##*.}" "$entry" ||
    fail "the desktop entry's StartupWMClass is not ${app_id##*.}"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
[[ -f $metainfo ]] || fail "the package holds no AppStream file $app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the AppStream file has another id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream file launches another desktop entry"

# The newest entries of the changelog and of the AppStream releases are this version.
newest=$(zcat "$root/usr/share/doc/quillmoor/changelog.gz" | sed -n '1s/^quillmoor (\(.*\)).*/\1/p')
[[ $newest == "$version" ]] || fail "the changelog's newest entry is $newest, not $version"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream file lacks release $version"

[[ $(dpkg-deb --field "$deb" Recommends) == *qt6-wayland* ]] ||
    fail "the package does not recommend Qt's Wayland platform plugin"
