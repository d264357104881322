#!/usr/bin/env bash
# What programs read from spanwise-cli is the same in every language: state, table --csv,
# fit --json and fit --csv, and every exit status, are byte for byte English's under
# LANG=ja_JP.UTF-8 over every state a user reaches (table over every 7th), and under --lang ja
# over a line for each model. What people read follows
# the language: the report's labels, fit's message and the help are Japanese, a Japanese duration
# reads as its English ("fit 3日" is "fit 3d"), and a list's entry is picked by its English text
# and by its translation.
#
# Usage: tests/cli/same-in-every-language.sh CLI LINES_PROGRAM
#   LINES_PROGRAM: bench/spanwise_scenario_lines, which writes one scenario line per reachable state.
set -euo pipefail
cli=$1
lines_program=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset LC_ALL LC_MESSAGES LANGUAGE
"$lines_program" 100000 >"$work/lines"
awk 'NR % 7 == 1' "$work/lines" >"$work/some-lines"
awk '$1 ~ /^model=/ { print $1 }' "$work/lines" | sort -u >"$work/model-lines"

failed=0
fail() {
    echo "FAILED: $*" >&2
    failed=1
}

# Each case: the input file, then the arguments.
cases=(
    "$work/lines|state -"
    "$work/some-lines|table --csv -"
    "$work/lines|fit 90min --json -"
    "$work/lines|fit 3d12h --csv -"
    "$work/model-lines|fit 10d --all --json -"
    "$work/model-lines|fit 10d --all --csv -"
    "/dev/null|state model=Cedar function=REC"
    "/dev/null|fit 1000d --json model=Hazel"
)
for entry in "${cases[@]}"; do
    input=${entry%%|*}
    read -ra args <<<"${entry#*|}"
    # --lang takes the same road as the locale: a few of its lines do.
    sides=(en ja lang)
    [ "$input" = "$work/lines" ] && sides=(en ja)
    for side in "${sides[@]}"; do
        status=0
        case $side in
        en) LANG=C.UTF-8 "$cli" "${args[@]}" <"$input" >"$work/$side.out" || status=$? ;;
        ja) LANG=ja_JP.UTF-8 "$cli" "${args[@]}" <"$input" >"$work/$side.out" || status=$? ;;
        lang) LANG=C "$cli" --lang ja "${args[@]}" <"$input" >"$work/$side.out" || status=$? ;;
        esac
        echo "$status" >"$work/$side.status"
    done
    for side in "${sides[@]:1}"; do
        for part in out status; do
            cmp -s "$work/en.$part" "$work/$side.$part" ||
                fail "${args[*]}: standard $part differs in Japanese ($side)"
        done
    done
    [ -s "$work/en.out" ] || fail "${args[*]}: no answer"
done

# What people read is Japanese.
ja() { LANG=ja_JP.UTF-8 "$cli" "$@"; }
ja report model=Cedar | grep -q '^形名 Cedar' || fail "the report's labels are not Japanese"
ja --help | grep -q '^使い方:' || fail "--help is not Japanese"
LC_ALL=C LANG=ja_JP.UTF-8 "$cli" --help | grep -q '^Usage:' || fail "LC_ALL=C does not win over LANG"
LC_MESSAGES=ja_JP.UTF-8 LANG=C "$cli" --help | grep -q '^使い方:' || fail "LC_MESSAGES is not read"
status=0
ja fit 1000d model=Hazel >"$work/fit" || status=$?
if [ "$status" != 3 ] || ! grep -q '記録できる時間軸レンジはありません' "$work/fit"; then
    fail "fit's message is not Japanese (status $status)"
fi
status=0
ja state model=Bogus >/dev/null 2>"$work/err" || status=$?
if [ "$status" != 2 ] || ! grep -q 'model リストの項目ではありません' "$work/err"; then
    fail "a refused pick is not told in Japanese (status $status)"
fi
for pair in "3日|3d" "1時間30分|1h30min" "2秒|2s" "500ミリ秒|500ms" "20マイクロ秒|20us" "1日 2時間|1d2h"; do
    [ "$(ja fit "${pair%|*}" --json model=Cedar)" = "$(ja fit "${pair#*|}" --json model=Cedar |
        sed "s/\"duration\":\"${pair#*|}\"/\"duration\":\"${pair%|*}\"/")" ] ||
        fail "fit ${pair%|*} is not fit ${pair#*|}"
done
for language in C ja_JP.UTF-8; do
    for value in "Only Sable Installed" "Sable のみ装着" "sable 未"; do
        LANG=$language "$cli" state model=Alder "scanner=$value" >/dev/null ||
            fail "scanner=$value is not picked under LANG=$language"
    done
done
status=0
"$cli" --lang xx --help >/dev/null 2>"$work/err" || status=$?
if [ "$status" != 2 ] || ! grep -q 'unknown language "xx"' "$work/err"; then
    fail "--lang xx is not refused (status $status)"
fi
ja --lang xx state 2>"$work/err" || true
grep -q '^spanwise-cli: 不明な言語 "xx"' "$work/err" ||
    fail "--lang xx is not refused in the locale's language"
exit "$failed"
