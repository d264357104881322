#!/bin/sh
# Each program given needs no DLL beyond those every Windows has: its import table names only
# system libraries.
set -eu
objdump=$1
shift
status=0
for program in "$@"; do
    dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
    for dll in $dlls; do
        case "$dll" in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll | advapi32.dll | shell32.dll | \
        ole32.dll | oleacc.dll | oleaut32.dll) ;;
        *)
            echo "$(basename "$program") needs $dll, which Windows does not have" >&2
            status=1
            ;;
        esac
    done
    # shellcheck disable=SC2086 # one word per DLL, on one line
    echo "$(basename "$program"):" $dlls
done
exit $status
