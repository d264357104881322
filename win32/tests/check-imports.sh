#!/bin/sh
# Each program given runs on Windows 7 and later: its import table names only DLLs every Windows
# has, and no function that came after Windows 7, which the programs may call only through
# GetProcAddress. The functions that came later are those the cross toolchain's Windows headers
# declare only for a newer Windows (_WIN32_WINNT above 0x0601), and those below, which the
# headers declare for every Windows although they came later.
# Usage: check-imports.sh OBJDUMP COMPILER PROGRAM...   (COMPILER: the cross toolchain's gcc or g++)
set -eu
objdump=$1
compiler=$2
shift 2

# Windows 8: GetSystemTimePreciseAsFileTime, WaitOnAddress and WakeByAddress*, the synchronization
# barriers, GetOverlappedResultEx, CopyFile2, SetCoalescableTimer, MapViewOfFileFromApp; Windows 7
# only with update KB2533623: SetDefaultDllDirectories, AddDllDirectory, RemoveDllDirectory;
# Windows 10: SetThreadDescription, GetThreadDescription.
undeclared_newer="GetSystemTimePreciseAsFileTime WaitOnAddress WakeByAddressSingle WakeByAddressAll
InitializeSynchronizationBarrier EnterSynchronizationBarrier DeleteSynchronizationBarrier
GetOverlappedResultEx CopyFile2 SetCoalescableTimer MapViewOfFileFromApp
SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory
SetThreadDescription GetThreadDescription"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The functions the headers declare for a Windows version (_WIN32_WINNT), one a line, sorted.
declared() {
    printf '%s\n' '#define WIN32_LEAN_AND_MEAN' '#include <windows.h>' '#include <commctrl.h>' \
        '#include <shellapi.h>' '#include <objbase.h>' '#include <oleacc.h>' >"$work/api.c"
    "$compiler" -x c -fsyntax-only -D_WIN32_WINNT="$1" -DWINVER="$1" -aux-info "$work/aux-$1" \
        "$work/api.c"
    sed -n 's/^\/\*[^*]*\*\/ *extern [^(]*[ *]\([A-Za-z_][A-Za-z0-9_]*\) (.*/\1/p' "$work/aux-$1" |
        sort -u
}
declared 0x0601 >"$work/windows7"
declared 0x0A00 >"$work/windows10"
{
    comm -13 "$work/windows7" "$work/windows10"
    echo "$undeclared_newer" | tr ' ' '\n'
} | sort -u >"$work/newer"
if [ "$(wc -l <"$work/newer")" -lt 100 ]; then
    echo "the headers name only $(wc -l <"$work/newer") functions newer than Windows 7" >&2
    exit 1
fi

status=0
for program in "$@"; do
    name=$(basename "$program")
    # "DLL Name: KERNEL32.dll", then one line for each function: "<vma> <hint> <name>".
    "$objdump" -p "$program" | awk '
        /^[[:space:]]*DLL Name:/ { dll = tolower($3); print "dll " dll; next }
        dll != "" && /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ { print "fn " $3 }
        /^[[:space:]]*$/ { next }
        /^[^[:space:]]/ { dll = "" }' >"$work/imports"
    dlls=$(sed -n 's/^dll //p' "$work/imports" | sort -u)
    for dll in $dlls; do
        case "$dll" in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll | advapi32.dll | \
            shell32.dll | ole32.dll | oleacc.dll | oleaut32.dll) ;;
        *)
            echo "$name needs $dll, which Windows does not have" >&2
            status=1
            ;;
        esac
    done
    sed -n 's/^fn //p' "$work/imports" | sort -u >"$work/functions"
    for function in $(comm -12 "$work/functions" "$work/newer"); do
        echo "$name imports $function, which Windows 7 does not have: call it through GetProcAddress" >&2
        status=1
    done
    echo "$name: $(wc -l <"$work/functions") functions from $(printf '%s' "$dlls" | tr '\n' ' ')"
done
exit $status
