#!/usr/bin/env bash
# Fails, naming each place, when a tracked C++ source is not laid out as the committed
# .clang-format says. Runs as a test under ctest and as a step of its own:
#   ontwikkel/opmaak_controle.sh [clang-format program]     (default clang-format-14)
set -euo pipefail
cd "$(dirname "$0")/.."
opmaker=${1:-clang-format-14}
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "opmaak_controle: geen git-werkmap, geen lijst van bestanden; overgeslagen" >&2
    exit 77
fi
git ls-files -z '*.cpp' '*.h' | xargs -0 "$opmaker" --dry-run --Werror
