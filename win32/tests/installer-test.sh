#!/usr/bin/env bash
# The Windows installer under Wine, for a user of a new Wine prefix: a silent install makes the
# files, the Start-menu shortcut and the uninstaller's registry values and leaves the user's PATH
# alone; the installed programs run; a silent uninstall removes the files, the shortcut and the
# key. Then again with /PATH: the folder is added to the user's PATH, spanwise-cli runs by its
# name, and the uninstall gives the PATH back as it was; and once more with a PATH too long for
# the installer to read whole, which both leave alone.
# Usage: win32/tests/installer-test.sh SETUP.exe VERSION [PREFIX]
#        (default PREFIX: build/windows/wine-installer, made anew)
# shellcheck disable=SC2317 # the functions are called through check, eventually and trap
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
version=$2
prefix="${3:-$root/build/windows/wine-installer}"

wine() { "$root/scripts/wine-run" --prefix "$prefix" "$@"; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Spanwise'
# A user PATH of their own, with a variable in it, must come back as it was.
user_path='C:\Tools;%USERPROFILE%\bin'

xvfb_pid=""
finish() {
    wine --stop
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap finish EXIT

status=0
check() {
    local what="$1"
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what" >&2
        status=1
    fi
}
# Waits up to a minute for a condition: NSIS's uninstaller works on from a copy of itself after
# the program started has ended.
eventually() {
    for _ in $(seq 1 120); do
        "$@" && return 0
        sleep 0.5
    done
    return 1
}
reg_value() { # KEY NAME: the value's data, or nothing
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
equals() { [ "$1" = "$2" ] || { echo "  \"$1\" is not \"$2\"" >&2; return 1; }; }

rm -rf "$prefix" "$prefix.lock"
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f >/dev/null
local_app_data=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
app_data=$(wine cmd /c echo %APPDATA% | tr -d '\r')
folder="$local_app_data\\Programs\\Spanwise"
unix_folder=$(wine winepath -u "$folder" | tr -d '\r')
shortcut=$(wine winepath -u "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Spanwise.lnk" |
    tr -d '\r')
files="LICENSE.txt README.txt spanwise-cli.exe spanwise.exe uninstall.exe"

# shellcheck disable=SC2012 # the names are the installer's own, plain ASCII
installed() { [ "$(ls "$unix_folder" 2>/dev/null | tr '\n' ' ')" = "$files " ] && [ -f "$shortcut" ]; }
removed() { [ ! -e "$unix_folder" ] && [ ! -e "$shortcut" ] && [ -z "$(reg_value "$key" DisplayName)" ]; }

# A window of the installed spanwise.exe appears on an X server of this test's own.
window_opens() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 8 -screen 0 1024x768x24 -nolisten tcp 8>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    eventually test -s "$display_file"
    local display
    display=":$(head -n1 "$display_file")"
    rm -f "$display_file"
    DISPLAY=$display "$root/scripts/wine-run" --prefix "$prefix" --display "$folder\\spanwise.exe" &
    local app_pid=$!
    local shown=1
    # Wine names the window's class after the program.
    eventually sh -c "xwininfo -display $display -root -tree | grep -q '(\"spanwise.exe\"'" && shown=0
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    return "$shown"
}

echo "--- $setup /S"
wine "$setup" /S
check "the files and the Start-menu shortcut are installed" eventually installed
check "DisplayName" equals "$(reg_value "$key" DisplayName)" "Spanwise"
check "DisplayVersion" equals "$(reg_value "$key" DisplayVersion)" "$version"
check "Publisher" equals "$(reg_value "$key" Publisher)" "The Spanwise developers"
check "DisplayIcon" equals "$(reg_value "$key" DisplayIcon)" "\"$folder\\spanwise.exe\",0"
check "UninstallString" equals "$(reg_value "$key" UninstallString)" "\"$folder\\uninstall.exe\""
size=$(reg_value "$key" EstimatedSize)
check "EstimatedSize ($size KB) is the folder's size" test "$((size))" -ge 500
check "the PATH is left alone" equals "$(reg_value 'HKCU\Environment' Path)" "$user_path"
check "the installed spanwise-cli.exe answers" \
    equals "$(wine "$folder\\spanwise-cli.exe" report model=Cedar | head -n1)" "Model Number Cedar"
check "the installed spanwise.exe opens its window" window_opens

echo "--- uninstall.exe /S"
wine "$folder\\uninstall.exe" /S
check "the files, the shortcut and the key are removed" eventually removed
check "the PATH is as it was" equals "$(reg_value 'HKCU\Environment' Path)" "$user_path"

echo "--- $setup /S /PATH"
wine "$setup" /S /PATH
check "the files and the Start-menu shortcut are installed" eventually installed
check "the folder is added to the PATH" \
    equals "$(reg_value 'HKCU\Environment' Path)" "$user_path;$folder"
check "spanwise-cli runs by its name" \
    equals "$(wine cmd /c spanwise-cli --version | tr -d '\r')" "Spanwise V$version"

echo "--- uninstall.exe /S"
wine "$folder\\uninstall.exe" /S
check "the files, the shortcut and the key are removed" eventually removed
check "the PATH is as it was" equals "$(reg_value 'HKCU\Environment' Path)" "$user_path"

# A PATH longer than the installer can read whole is never written back, which would lose it.
long_path=$(printf 'C:\\Tools\\%04d;' $(seq 1 150))
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null
echo "--- $setup /S /PATH, with a PATH of ${#long_path} characters"
wine "$setup" /S /PATH
check "the files and the Start-menu shortcut are installed" eventually installed
check "the long PATH is left as it was" equals "$(reg_value 'HKCU\Environment' Path)" "$long_path"
wine "$folder\\uninstall.exe" /S
check "the files, the shortcut and the key are removed" eventually removed
check "the long PATH is still as it was" \
    equals "$(reg_value 'HKCU\Environment' Path)" "$long_path"
exit "$status"
