#!/usr/bin/env bash
# scripts/check-layers on small trees of its own: it passes a tree that keeps to the layers and
# fails one where a front end reaches past the calculator API, or where headers include each other.
set -euo pipefail
check="$1"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree"/{controls,calc,ui,gui/tests}
echo '#include "controls/Dialog.h"' >"$tree/ui/Calculator.h"
echo '#pragma once' >"$tree/controls/Dialog.h"
echo '#include "ui/Calculator.h"' >"$tree/gui/main.cpp"
echo '#include "calc/Table.h"' >"$tree/gui/tests/window_test.cpp"
"$check" "$tree" >/dev/null

echo '#include "calc/Table.h"' >>"$tree/gui/main.cpp"
if out="$("$check" "$tree")"; then
    echo "a front end including calc/ passed"; exit 1
fi
grep -q "gui/main.cpp: includes calc/Table.h" <<<"$out"
sed -i '$d' "$tree/gui/main.cpp"

echo '#include "Other.h"' >"$tree/calc/Table.h"
echo '#include "Table.h"' >"$tree/calc/Other.h"
if out="$("$check" "$tree")"; then
    echo "an include loop passed"; exit 1
fi
grep -q "include loop" <<<"$out"
echo "check-layers: refuses a bad include and an include loop"
