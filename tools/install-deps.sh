#!/usr/bin/env bash
# Installs the Debian packages named in tools/packages/<set>*.txt (one package a line, # comments).
# "test" installs everything "run" does, and more.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
usage="usage: tools/install-deps.sh [run|test]"
case ${1:-run} in
run) sets=(run) ;;
test) sets=(run test) ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
[ $# -le 1 ] || { echo "$usage" >&2; exit 2; }

packages=()
for s in "${sets[@]}"; do
    for f in "$here/packages/$s"*.txt; do
        [ -e "$f" ] || continue
        while read -r p _; do
            [ -n "$p" ] && [ "${p:0:1}" != "#" ] && packages+=("$p")
        done <"$f"
    done
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
