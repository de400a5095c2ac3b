#!/usr/bin/env bash
# Fails on any shellcheck finding in the shell scripts of the source tree: every *.sh, and the
# scripts without an extension in tools/ and .ci/. Exit 77 (ctest: skipped) without shellcheck.
# usage: check_shell.sh SOURCE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/support/source_files.sh
. "$here/../support/source_files.sh"
# shellcheck source=tests/support/checks.sh
. "$here/../support/checks.sh"
need_tools shellcheck

cd "$1"
mapfile -t scripts < <(
    source_files '*.sh'
    source_files 'tools/*' '.ci/*' | while read -r f; do
        [[ $(basename "$f") != *.* ]] && head -n1 "$f" | grep -q '^#!.*sh' && echo "$f"
    done
)
[ ${#scripts[@]} -gt 0 ] || { echo "no shell scripts found under $1" >&2; exit 1; }
# -x follows what a script sources (its "shellcheck source=" names the file).
shellcheck -x "${scripts[@]}"
echo "${#scripts[@]} shell scripts clean"
