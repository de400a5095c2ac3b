#!/usr/bin/env bash
# The README's Install section on a machine set up only to play (tools/play.sh): its configure
# command, run as the README shows it with GoogleTest and Google Benchmark hidden from CMake, must
# succeed, leave the tests and benchmarks out and keep the game and its install rules. The build
# folder is a scratch one; the rest of the section (build, install) is what every build does,
# and tools/check-minimal-debian.sh runs it whole on a bare Debian.
#   usage: tools/check-install-configure.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/troven-configure.XXXXXX")
trap 'rm -rf "$work"' EXIT

configure=$("$top/tools/readme-commands.sh" Install | head -1)
case $configure in
    "cmake -S . -B build/rel "*) ;;
    *)
        echo "the README's Install section no longer starts with 'cmake -S . -B build/rel'" >&2
        exit 1
        ;;
esac
configure=${configure//build\/rel/$work/rel}
cd "$top"
if ! eval "$configure -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON" \
    >"$work/configure.log" 2>&1; then
    cat "$work/configure.log" >&2
    echo "FAILED: the Install section's configure command fails without the test libraries" >&2
    exit 1
fi
status=0
for part in TROVEN_BUILD_TESTS TROVEN_BUILD_BENCH; do
    grep -q "$part: .* not found, so left out" "$work/configure.log" ||
        { echo "FAILED: configuring does not say that $part is left out" >&2; status=1; }
done
for folder in tests bench; do
    [ ! -e "$work/rel/$folder" ] || { echo "FAILED: $folder configured without its library" >&2; status=1; }
done
grep -q 'TYPE EXECUTABLE FILES ".*/games/troven"' "$work/rel/shell/cmake_install.cmake" ||
    { echo "FAILED: no install rule for the game" >&2; status=1; }
[ $status -eq 0 ] && echo "the Install section configures without the test libraries"
exit $status
