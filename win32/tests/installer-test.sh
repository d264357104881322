#!/usr/bin/env bash
# The Windows installer under Wine, for a user of a new Wine prefix, as its README tells it:
# - a silent install makes the files, the Start-menu shortcut and the uninstaller's registry
#   values, leaves the user's PATH alone and puts the 64-bit programs on 64-bit Windows, which
#   run; a silent uninstall removes everything;
# - installed with /PATH into a folder of the user's choosing, and installed again without /D:
#   one copy, in that folder, on the PATH once; installed with /D into another folder: the old
#   copy is gone and the PATH holds only the new entry; installed again: the PATH choice is kept,
#   and /NOPATH takes the entry out; uninstalled: the PATH is exactly as before;
# - while spanwise.exe runs, an install or uninstall with a window asks to close it, and one
#   without fails with status 2; neither replaces or removes anything;
# - a PATH too long for the installer to read whole is left as it was;
# - for a user whose Windows speaks Japanese, its pages speak Japanese;
# - on 32-bit Windows (a 32-bit prefix) it installs the 32-bit programs, which run.
# Usage: win32/tests/installer-test.sh SETUP.exe VERSION DRIVER.exe [PREFIX [PREFIX32]]
#        (DRIVER: spanwise_installer_driver.exe, which goes through the installer's window;
#        default PREFIX: build/windows/wine-installer, made anew; PREFIX32: a 32-bit prefix to
#        install into and uninstall from again, by default PREFIX-x86, made anew)
# The checks are functions that check and eventually run:
# shellcheck disable=SC2317
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
version=$2
driver=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
prefix=$(realpath -m "${4:-$root/build/windows/wine-installer}")
prefix32="${5:-}"
# Wine takes the command line's non-ASCII folder names in the locale's encoding.
export LC_ALL=C.UTF-8

wine_options=() # --win32 for 32-bit Windows
wine() { "$root/scripts/wine-run" --prefix "$prefix" "${wine_options[@]}" "$@"; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Spanwise'
# A user PATH of their own, with a variable in it, must come back as it was.
user_path='C:\Tools;%USERPROFILE%\bin'

xvfb_pid=""
app_pid=""
stop_display() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=""
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
finish() {
    stop_display
    wine --stop
}
trap finish EXIT

# Each step is headed with the seconds the test has taken so far.
step() { echo "--- $* (${SECONDS} s)"; }
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
# KEY NAME: the value's data, or nothing. reg.exe writes in the OEM code page, 437 here.
reg_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | iconv -f CP437 -t UTF-8 | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
user_path_now() { reg_value 'HKCU\Environment' Path; }
equals() { [ "$1" = "$2" ] || { echo "  \"$1\" is not \"$2\"" >&2; return 1; }; }
unix_path() { wine winepath -u "$1" | tr -d '\r'; }
# Runs a program and gives its exit status as its output.
status_of() {
    local code=0
    "$@" >/dev/null 2>&1 || code=$?
    echo "$code"
}

rm -rf "$prefix" "$prefix.lock"
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f >/dev/null
local_app_data=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
app_data=$(wine cmd /c echo %APPDATA% | tr -d '\r')
folder="$local_app_data\\Programs\\Spanwise"
shortcut=$(unix_path "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Spanwise.lnk")
files="LICENSE.txt README.txt spanwise-cli.exe spanwise.exe uninstall.exe"

installed_in() { # FOLDER: the files and the shortcut are there
    local unix
    unix=$(unix_path "$1")
    [ "$(cd "$unix" 2>/dev/null && printf '%s ' *)" = "$files " ] && [ -f "$shortcut" ]
}
gone() { [ ! -e "$(unix_path "$1")" ]; }
removed() { gone "$folder" && [ ! -e "$shortcut" ] && [ -z "$(reg_value "$key" DisplayName)" ]; }
# FOLDER ARCHITECTURE: both programs there are built for it ("x86-64", "i386").
built_for() {
    local unix
    unix=$(unix_path "$1")
    x86_64-w64-mingw32-objdump -f "$unix/spanwise.exe" "$unix/spanwise-cli.exe" |
        grep -c "file format pei-$2" |
        grep -qx 2
}

# Starts an X server of this test's own; DISPLAY names it.
start_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 8 -screen 0 1024x768x24 -nolisten tcp 8>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    eventually test -s "$display_file"
    DISPLAY=":$(head -n1 "$display_file")"
    export DISPLAY
    rm -f "$display_file"
}
# Wine names a program's windows' class after the program.
window_shown() { xwininfo -display "$DISPLAY" -root -tree | grep -q "(\"$1\""; }
# Starts the installed spanwise.exe on the display, in the background, and waits for its window.
start_spanwise() {
    "$root/scripts/wine-run" --prefix "$prefix" --display "$folder\\spanwise.exe" &
    app_pid=$!
    eventually window_shown spanwise.exe
}
step "$setup /S"
wine "$setup" /S
check "the files and the Start-menu shortcut are installed" eventually installed_in "$folder"
check "DisplayName" equals "$(reg_value "$key" DisplayName)" "Spanwise"
check "DisplayVersion" equals "$(reg_value "$key" DisplayVersion)" "$version"
check "Publisher" equals "$(reg_value "$key" Publisher)" "The Spanwise developers"
check "DisplayIcon" equals "$(reg_value "$key" DisplayIcon)" "\"$folder\\spanwise.exe\",0"
check "InstallLocation" equals "$(reg_value "$key" InstallLocation)" "$folder"
check "UninstallString" equals "$(reg_value "$key" UninstallString)" "\"$folder\\uninstall.exe\""
size=$(reg_value "$key" EstimatedSize)
check "EstimatedSize ($size KB) is the folder's size" test "$((size))" -ge 500
check "the PATH is left alone" equals "$(user_path_now)" "$user_path"
check "64-bit Windows gets the 64-bit programs" built_for "$folder" x86-64
check "the installed spanwise-cli.exe answers" \
    equals "$(wine "$folder\\spanwise-cli.exe" report model=Cedar | head -n1)" "Model Number Cedar"
start_display
check "the installed spanwise.exe opens its window" start_spanwise

# Marks in the installed texts tell whether anything was replaced.
unix_folder=$(unix_path "$folder")
for text in README.txt LICENSE.txt; do echo "untouched" >>"$unix_folder/$text"; done
untouched() {
    installed_in "$folder" && grep -q untouched "$unix_folder/README.txt" &&
        grep -q untouched "$unix_folder/LICENSE.txt"
}
step "$setup /S, while spanwise.exe runs"
check "it fails with status 2" equals "$(status_of wine "$setup" /S)" 2
check "nothing is replaced" untouched
step "$setup, while spanwise.exe runs"
# Beside the running spanwise.exe, on its display and with its Wine server (scripts/wine-run
# --display would end it first); the driver goes through its pages and answers Cancel.
WINEPREFIX="$prefix" WINEDEBUG=-all WINESERVER=/usr/lib/wine/wineserver64 /usr/lib/wine/wine64 \
    "$setup" &
setup_pid=$!
asked=$({ wine "$driver" "Spanwise $version Setup" "Spanwise is running" || true; } |
    tr -d '\r' | tr '\n' ' ')
check "the installer asks to close Spanwise" \
    equals "$asked" "Spanwise is running: spanwise.exe in $folder.  Close it, then choose Retry. Cancel stops here and changes nothing. "
ended() { ! kill -0 "$setup_pid" 2>/dev/null; }
eventually ended || kill "$setup_pid" 2>/dev/null || true
setup_status=0
wait "$setup_pid" || setup_status=$?
check "cancelled, it ends with status 2" equals "$setup_status" 2
check "nothing is replaced" untouched
step "uninstall.exe /S, while spanwise.exe runs"
# Run where it is (_?=), rather than from a copy, so that its status is the run's.
check "it fails with status 2" \
    equals "$(status_of wine "$folder\\uninstall.exe" /S "_?=$folder")" 2
check "nothing is removed" untouched
stop_display
wine "$folder\\uninstall.exe" /S
check "once it has ended: the files, the shortcut and the key are removed" eventually removed
check "the PATH is as it was" equals "$(user_path_now)" "$user_path"

custom='C:\Other\Spänwise'
step "$setup /S /PATH /D=$custom"
wine "$setup" /S /PATH "/D=$custom"
check "the files are installed there" eventually installed_in "$custom"
check "the folder is added to the PATH" equals "$(user_path_now)" "$user_path;$custom"
step "$setup /S, again"
wine "$setup" /S
check "one copy, in the same folder" eventually installed_in "$custom"
check "none in the default folder" gone "$folder"
check "the PATH holds the folder once" equals "$(user_path_now)" "$user_path;$custom"

moved='C:\Moved'
step "$setup /S /D=$moved"
wine "$setup" /S "/D=$moved"
check "the files are installed in the new folder" eventually installed_in "$moved"
check "the old copy is gone" gone "$custom"
check "the PATH holds only the new folder" equals "$(user_path_now)" "$user_path;$moved"
check "InstallLocation is the new folder" equals "$(reg_value "$key" InstallLocation)" "$moved"
check "spanwise-cli runs by its name" \
    equals "$(wine cmd /c spanwise-cli --version | tr -d '\r')" "Spanwise V$version"
step "$setup /S, an upgrade"
wine "$setup" /S
check "the PATH choice is kept" equals "$(user_path_now)" "$user_path;$moved"
step "$setup /S /NOPATH"
wine "$setup" /S /NOPATH
check "the PATH entry is taken out" equals "$(user_path_now)" "$user_path"
wine "$setup" /S /PATH
step "uninstall.exe /S"
wine "$moved\\uninstall.exe" /S
check "the files are removed" eventually gone "$moved"
check "the PATH is exactly as it was" equals "$(user_path_now)" "$user_path"

# A PATH longer than the installer can read whole is never written back, which would lose it.
long_path=$(printf 'C:\\Tools\\%04d;' $(seq 1 150))
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null
step "$setup /S /PATH, with a PATH of ${#long_path} characters"
wine "$setup" /S /PATH
check "the files and the Start-menu shortcut are installed" eventually installed_in "$folder"
check "the long PATH is left as it was" equals "$(user_path_now)" "$long_path"
wine "$folder\\uninstall.exe" /S
check "the files, the shortcut and the key are removed" eventually removed
check "the long PATH is still as it was" equals "$(user_path_now)" "$long_path"

step "uninstall.exe, after the PATH has grown too long"
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f >/dev/null
wine "$setup" /S /PATH
check "the folder is added to the PATH" equals "$(user_path_now)" "$user_path;$folder"
grown_path="$long_path$folder"
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$grown_path" /f >/dev/null
# The Wine server started without a display would give the uninstaller's window none.
wine --stop
start_display
WINEPREFIX="$prefix" WINEDEBUG=-all WINESERVER=/usr/lib/wine/wineserver64 /usr/lib/wine/wine64 \
    "$folder\\uninstall.exe"
told=$({ wine "$driver" "Spanwise $version Uninstall" "Your PATH is too long" || true; } |
    tr -d '\r' | tr '\n' ' ')
check "a message box names the folder to take out of the PATH by hand" \
    equals "$told" "Your PATH is too long to be changed here. Remove this folder from it yourself:  $folder "
check "the files, the shortcut and the key are removed" eventually removed
check "the PATH is left as it was" equals "$(user_path_now)" "$grown_path"
wine --stop
stop_display

step "$setup, for a Japanese user"
# The same Windows, its user's language now Japanese (the prefix is turned to the Japanese locale):
# the title, the page and the question whether to quit are NSIS's Japanese and japanese.nsh's.
ja_wine() { "$root/scripts/wine-run" --prefix "$prefix" --locale ja_JP.UTF-8 "$@"; }
start_display
ja_wine --display "$setup" &
setup_pid=$!
# Its run ends any Wine server of the prefix as it starts, so the driver comes after the window.
check "its window opens" eventually window_shown "$(basename "$setup")"
# NSIS ends the title with a blank.
shown_texts=$({ ja_wine "$driver" --page "Spanwise $version" || true; } | tr -d '\r' | sed 's/ *$//')
shows() { grep -qxF -- "$1" <<<"$shown_texts" || { echo "  not shown: $1" >&2; return 1; }; }
components_top=$(sed -n 's/^LangString ComponentsTop [^ ]* "\(.*\)"$/\1/p' \
    "$root/packaging/windows/japanese.nsh")
for text in "Spanwise $version セットアップ" "$components_top" "次へ(&N) >" "キャンセル" \
    "Spanwise $version セットアップを中止しますか？"; do
    check "it shows: $text" shows "$text"
done
eventually ended || kill "$setup_pid" 2>/dev/null || true
setup_status=0
wait "$setup_pid" || setup_status=$?
check "cancelled, it ends with status 1" equals "$setup_status" 1
stop_display

step "$setup /S, on 32-bit Windows"
if [ -n "$prefix32" ]; then
    prefix=$(realpath -m "$prefix32")
else
    prefix="$prefix-x86"
    rm -rf "$prefix" "$prefix.lock"
fi
wine_options=(--win32)
wine "$setup" /S
local_app_data=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
folder="$local_app_data\\Programs\\Spanwise"
check "the files are installed" eventually test -f "$(unix_path "$folder")/uninstall.exe"
check "32-bit Windows gets the 32-bit programs" built_for "$folder" i386
check "the installed spanwise-cli.exe answers" \
    equals "$(wine "$folder\\spanwise-cli.exe" report model=Cedar | head -n1)" "Model Number Cedar"
wine "$folder\\uninstall.exe" /S
check "the files are removed" eventually gone "$folder"
step "done"
exit "$status"
