#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what the house .clang-format makes of it, and
# names the files. `scripts/check-format.sh --fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

mapfile -t files < <(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/gr2-format.$$; then
    grep -o '^[^:]*\.\(cpp\|h\):' /tmp/gr2-format.$$ | sort -u | sed 's/:$//; s/^/  differs from .clang-format: /'
    rm -f /tmp/gr2-format.$$
    echo "Formatting check failed: run scripts/check-format.sh --fix" >&2
    exit 1
fi
rm -f /tmp/gr2-format.$$
echo "Formatting check passed (${#files[@]} files)."
