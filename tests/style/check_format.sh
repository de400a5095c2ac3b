#!/usr/bin/env bash
# Fails when a C++ file of the source tree is not as clang-format, with the repository's
# .clang-format, would write it (include order included), and names the files. Exit 77 (ctest:
# skipped) without clang-format.
# usage: check_format.sh SOURCE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/support/source_files.sh
. "$here/../support/source_files.sh"
# shellcheck source=tests/support/checks.sh
. "$here/../support/checks.sh"
need_tools clang-format

cd "$1"
mapfile -t files < <(source_files '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "no C++ files found under $1" >&2; exit 1; }
# One run over every file: it names each file it would change in its findings.
if ! findings=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
    echo "not formatted (run clang-format -i on them):" >&2
    grep -oE '^[^:]+\.(cpp|h):' <<<"$findings" | sort -u | tr -d : >&2
    exit 1
fi
echo "${#files[@]} C++ files formatted"
