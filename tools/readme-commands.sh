#!/usr/bin/env bash
# Prints the commands of the first sh code block under the README's heading SECTION ("Install",
# "Performance"), one a line, comments dropped, so that the checks run what the README shows.
#   usage: tools/readme-commands.sh SECTION
set -euo pipefail
section=${1:?usage: tools/readme-commands.sh SECTION}
readme=$(cd "$(dirname "$0")/.." && pwd)/README.md
awk -v heading="## $section" '
    $0 == heading { inside = 1; next }
    inside && /^## / { exit }
    inside && /^```sh$/ { block = 1; next }
    block && /^```$/ { exit }
    block { sub(/[ \t]*#.*$/, ""); if ($0 != "") print }
' "$readme"
