#!/usr/bin/env bash
# spanwise-cli.exe under Wine answers exactly as spanwise-cli on Linux: the same bytes on standard
# output and standard error and the same exit status, for every state a user reaches (state,
# report, table and fit over one scenario line each), for odd lines and selections (unknown,
# ambiguous and disabled picks, quoting, escapes, text that is not UTF-8) and for arguments beyond
# ASCII, which reach the Windows program as UTF-16. Each command is one process on each side.
# Then, under Wine only: a pipe closed early and closed standard streams are told as on Linux, and
# on a console (a pseudo-terminal here) a typed "Ünknown" reads back as typed.
#
# Usage: win32/tests/answers-like-linux.sh LINUX_CLI WINDOWS_CLI LINES PREFIX [--win32]
#   LINES: scenario lines, one for each reachable state (bench/spanwise_scenario_lines);
#   PREFIX: the Wine prefix to run in (--win32: a 32-bit one).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
linux_cli=$1
windows_cli=$2
lines=$3
prefix=$4
shift 4
wine_run=("$root/scripts/wine-run" --prefix "$prefix" "$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

# Every 7th state's line, and a line per model, for the commands that write more per line.
awk 'NR % 7 == 1' "$lines" >"$work/some-lines"
awk '$1 ~ /^model=/ { print $1 }' "$lines" | sort -u >"$work/model-lines"
# Lines as people write them, right and wrong, in CR LF, LF and CR alike.
{
    printf '%s\r\n' 'MODEL=cedar Function=rec' 'model=alder memory=1g range=5min' \
        'model=Gum/Gum-2 memory=#0' 'model=a' 'model=Hazel channels=8ch' 'range=#99' 'range=#-1'
    printf '%s\n' "model='Alder/Alder-W' scanner=\"Sable Installed\" sampling=dual" \
        "model=Hazel \\" '  function=REC range=1h # a comment' '# only a comment' '' \
        '"model=Cedar' "model=Cedar'" 'model=\x' 'model=Ünknown range=日本' 'channels=4ch memory'
    printf 'model=Ced\u200bar\rmodel=\x1b[31m\rmodel=\xff\xfe\nmodel=%s\n' "$(printf 'a%.0s' {1..100})"
} >"$work/odd-lines"

# Each case: a name, the input file (or -), then the arguments.
cases=(
    "state|$lines|state -"
    "report|$lines|report -"
    "table|$work/some-lines|table --csv -"
    "fit|$lines|fit 90min --json -"
    "fit-text|$work/some-lines|fit 3d12h -"
    "fit-all|$work/model-lines|fit 10d --all --csv -"
    "odd-report|$work/odd-lines|report -"
    "odd-state|$work/odd-lines|state -"
    "odd-table|$work/odd-lines|table -"
)
failed=0
compare() { # NAME: the two sides' answers, byte for byte
    local name=$1 side
    for side in out err status; do
        if ! cmp -s "$work/$name.linux.$side" "$work/$name.windows.$side"; then
            echo "FAILED: $name: standard $side differs" >&2
            diff <(head -c 2000 "$work/$name.linux.$side") \
                <(head -c 2000 "$work/$name.windows.$side") | head -n 10 >&2 || true
            failed=1
            return
        fi
    done
    echo "ok: $name ($(wc -l <"$work/$name.linux.out") lines, status $(cat "$work/$name.linux.status"))"
}
run_both() { # NAME INPUT ARGS...
    local name=$1 input=$2
    shift 2
    local code=0
    "$linux_cli" "$@" <"$input" >"$work/$name.linux.out" 2>"$work/$name.linux.err" || code=$?
    echo "$code" >"$work/$name.linux.status"
    code=0
    "${wine_run[@]}" "$windows_cli" "$@" <"$input" >"$work/$name.windows.out" \
        2>"$work/$name.windows.err" || code=$?
    echo "$code" >"$work/$name.windows.status"
    compare "$name"
}
for case in "${cases[@]}"; do
    IFS='|' read -r name input args <<<"$case"
    read -r -a words <<<"$args"
    run_both "$name" "$input" "${words[@]}"
done
# Arguments beyond ASCII, a control character and a failing duration, as a shell hands them over.
run_both "arguments" /dev/null report "model=Ünknown" "range=日本"
run_both "duration" /dev/null fit $'2\x1bµs' model=Cedar
run_both "help" /dev/null --help

# Failures Linux reports from its system calls, told the same way. On Linux a program whose
# reader has gone ends by SIGPIPE unless it ignores it; spanwise-cli then says so, as here.
("${wine_run[@]}" "$windows_cli" state - <"$lines" 2>"$work/pipe.err" || echo $? >"$work/pipe.status") |
    head -c 100 >/dev/null
check_text() { # WHAT EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1: \"$3\" is not \"$2\"" >&2
        failed=1
    fi
}
check_text "a pipe closed early" "spanwise-cli: write error: Broken pipe|4" \
    "$(cat "$work/pipe.err")|$(cat "$work/pipe.status" 2>/dev/null)"
code=0
"${wine_run[@]}" "$windows_cli" report >&- 2>"$work/closed.err" || code=$?
check_text "a closed standard output" "spanwise-cli: write error: Bad file descriptor|4" \
    "$(cat "$work/closed.err")|$code"
code=0
"${wine_run[@]}" "$windows_cli" report - <&- >/dev/null 2>"$work/closed.err" || code=$?
check_text "a closed standard input" "spanwise-cli: standard input: Bad file descriptor|4" \
    "$(cat "$work/closed.err")|$code"

# On a console the message shows the typed name as typed, whatever the console's code page; the
# console draws with escapes and cursor moves, which are taken out here, with the blanks.
# (The message makes the exit status 2.)
shown=$({ script -qec "$(printf '%q ' "${wine_run[@]}" "$windows_cli" model=Ünknown)" /dev/null ||
    true; } | sed 's/\x1b\[[?0-9;]*[A-Za-z]//g' | tr -d '\r\n ')
case "$shown" in
*'spanwise-cli:"Ünknown"isnotanentry'*) echo "ok: a typed name beyond ASCII reads back on the console" ;;
*)
    echo "FAILED: a typed name beyond ASCII reads back on the console: $shown" >&2
    failed=1
    ;;
esac
exit "$failed"
