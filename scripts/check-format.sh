#!/usr/bin/env bash
# Fails when a C++ file under src, tests, bench or tools differs from .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format-14}
git ls-files -z -- src tests bench tools | grep -z -E '\.(cpp|h)$' \
    | xargs -0 "$format" --dry-run --Werror
