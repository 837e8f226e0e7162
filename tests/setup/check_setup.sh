#!/usr/bin/env bash
# Installs the setup program silently into a fresh Wine prefix of its own and checks what a user
# finds: the program, its Start-menu shortcut, which opens the program's window, and its entry
# in Add/Remove Programs. Then uninstalls it by that entry's quiet command and checks that
# nothing of it is left. First in German into Program Files; then in English into a folder of
# the user's choice (/D=), which holds a file of the user's that must stay, twice, the second
# time without /D= as an update is run.
# Usage: check_setup.sh SETUP PROGRAM OPEN_SHORTCUT STATE VERSION
set -euo pipefail
setup=$(realpath "$1")
program=$2
open_shortcut=$3
state=$4
version=$5

# A fresh prefix every run, so that nothing a former run left counts; it is kept after a failure
# only, to be looked into.
rm -rf "$state"
# shellcheck source=../../cmake/wine/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../cmake/wine/common.sh"
scratch=$(mktemp -d)
xvfb_pid=
end() {
    local status=$?
    wineserver -k 2>/dev/null || true
    wineserver -w
    [[ -z $xvfb_pid ]] || kill "$xvfb_pid"
    rm -rf "$scratch"
    ((status != 0)) || rm -rf "$state"
}
trap end EXIT

fail() {
    echo "$*" >&2
    exit 1
}

boot_prefix --unmanaged
start_xvfb

# Wine takes the system's language from the locale, which the host need not have made.
unset LC_ALL LC_MESSAGES LANGUAGE
localedef -i de_DE -f UTF-8 "$scratch/de_DE.UTF-8"
german=(env LOCPATH="$scratch" LANG=de_DE.UTF-8)
english=(env LANG=C.UTF-8)

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmoor'
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quillmoor.lnk'
title='Quillmoor V.0.5 by Tovik'

unix_path() {
    local path=${1#C:\\}
    echo "$WINEPREFIX/drive_c/${path//\\//}"
}

# The data of a value of the uninstall entry, from the entry as read last.
value() {
    sed -n "s/^    $1    REG_[A-Z_]*    //p" <<<"$entry"
}

read_entry() {
    entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
}

# check_installed FOLDER DESCRIPTION
check_installed() {
    local folder=$1 unix said size name
    unix=$(unix_path "$folder")
    cmp -s "$program" "$unix/quillmoor.exe" || fail "$folder holds no quillmoor.exe as built"
    [[ -f $unix/uninstall.exe ]] || fail "$folder holds no uninstall.exe"

    said=$("$wine" "$open_shortcut" "$shortcut" "$title" | tr -d '\r') ||
        fail "the program did not open its window from the shortcut"
    [[ $said == "$folder\\quillmoor.exe"$'\n'"$2" ]] ||
        fail "the shortcut has the wrong target or description: $said"

    read_entry || fail "Add/Remove Programs has no entry $key"
    size=$((($(stat -c %s "$unix/quillmoor.exe") + $(stat -c %s "$unix/uninstall.exe") + 1023) / 1024))
    local -A expected=(
        [DisplayName]=Quillmoor
        [DisplayVersion]=$version
        [DisplayIcon]="$folder\\quillmoor.exe,0"
        [Publisher]=Tovik
        [InstallLocation]=$folder
        [UninstallString]="\"$folder\\uninstall.exe\""
        [QuietUninstallString]="\"$folder\\uninstall.exe\" /S"
        [EstimatedSize]=$(printf '0x%x' "$size")
    )
    for name in "${!expected[@]}"; do
        [[ $(value "$name") == "${expected[$name]}" ]] ||
            fail "$name of the entry is '$(value "$name")', not '${expected[$name]}'"
    done
}

# As Add/Remove Programs does, by the entry's quiet command. The uninstaller copies itself to
# the temporary folder, starts the copy and returns at once; the Wine server ends only once the
# copy has ended too.
uninstall() {
    read_entry
    [[ $(value QuietUninstallString) =~ ^\"([^\"]+)\"\ (.+)$ ]] ||
        fail "no quiet uninstall command: $(value QuietUninstallString)"
    "$wine" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
    wineserver -w
}

check_removed() {
    local unix
    unix=$(unix_path "$1")
    [[ ! -e $unix/quillmoor.exe && ! -e $unix/uninstall.exe ]] ||
        fail "the uninstaller left the program in $1"
    [[ ! -e $(unix_path "$shortcut") ]] || fail "the uninstaller left the shortcut"
    ! read_entry || fail "the uninstaller left the entry $key"
}

"${german[@]}" "$wine" "$setup" /S
check_installed 'C:\Program Files\Quillmoor' 'Schreibt das Gerüst einer PureBasic-Klasse'
uninstall
check_removed 'C:\Program Files\Quillmoor'
[[ ! -e $(unix_path 'C:\Program Files\Quillmoor') ]] || fail "the uninstaller left its folder"

# The setup takes /D= unquoted, as the last argument; Wine would quote a folder with a space.
chosen='C:\Tools\Quillmoor'
mkdir -p "$(unix_path "$chosen")"
echo 'kept' >"$(unix_path "$chosen")/notes.txt"
"${english[@]}" "$wine" "$setup" /S "/D=$chosen"
"${english[@]}" "$wine" "$setup" /S
[[ ! -e $(unix_path 'C:\Program Files\Quillmoor') ]] ||
    fail "the update went to Program Files instead of where the program was"
check_installed "$chosen" 'Writes the boilerplate of a PureBasic class'
uninstall
check_removed "$chosen"
[[ $(ls "$(unix_path "$chosen")") == notes.txt ]] ||
    fail "the uninstaller did not leave the user's file alone in $chosen"
