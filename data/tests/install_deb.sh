#!/usr/bin/env bash
# cpack -G DEB from the build tree, with no CMake warning, and lintian's verdict on the package: no
# error and no warning. Then the package unpacked into a scratch root with dpkg-deb -x (dpkg --root
# would need a whole dpkg database there, and would refuse the package for its dependencies): the
# control fields name the runtime the game needs, every library its programs link comes from a
# package it depends on, and the files land where the desktop entry and the metainfo point, under
# /usr, the game itself in /usr/games.
# Usage: install_deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
# shellcheck source=tests/support/installed_tree.sh
. "$(dirname "$0")/../../tests/support/installed_tree.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli strings objdump lintian

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
debs=("$work"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
echo "built $(basename "$deb")"
if grep -q "CMake Warning" "$work/cpack.log"; then
    cat "$work/cpack.log"
    fail "cpack gave a CMake warning"
fi

# Info tags are shown but pass: hardening-no-bindnow (lazy binding, as Debian's default build
# flags have it, keeps the start-up short).
status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian finds errors or warnings in the package (exit status $status)"
echo "lintian passes the package"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = troven ] || fail "Package: $(field Package)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
# The package names of Depends, one a line, without versions; alternatives count each.
# shellcheck disable=SC2020 # both separators become line ends
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*//; s/ //g')
depends_on() { grep -qFx -- "$1" <<<"$depends"; }
for package in fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n libqt6widgets6 \
    libpulse0; do
    depends_on "$package" || fail "Depends does not name $package: $(field Depends)"
done
echo "Depends names the IPA fonts, Qt's Japanese texts, Qt Widgets and libpulse"

root=$work/root
dpkg-deb -x "$deb" "$root"
# Each shared library a packaged program or module links, found as the loader finds it, belongs
# to a package that Depends names.
libraries=$(ldconfig -p)
while read -r elf; do
    for library in $(objdump -p "$elf" | awk '$1 == "NEEDED" { print $2 }'); do
        path=$(awk -v lib="$library" '$1 == lib && /x86-64|64bit/ { print $NF; exit }' <<<"$libraries")
        [ -n "$path" ] || path=$(awk -v lib="$library" '$1 == lib { print $NF; exit }' <<<"$libraries")
        [ -n "$path" ] || fail "${elf#"$root"} links $library, which is not installed here"
        owner=$(dpkg -S "$(realpath "$path")" 2>/dev/null || dpkg -S "$path") || fail "no package holds $path"
        owner=${owner%%:*}
        depends_on "$owner" || fail "${elf#"$root"} links $library of $owner, which Depends does not name"
    done
done < <(find "$root" -type f -exec sh -c 'head -c4 "$1" | grep -q "^.ELF"' _ {} \; -print)
echo "every library the package's programs link comes from a package it depends on"
check_installed_tree "$root" /usr "$id"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree rejects the package"
[ -x "$root/usr/games/troven" ] || fail "the game is not in /usr/games"
# The id as the program holds it: 8-bit, or UTF-16 for a QStringLiteral. Read whole first, so that
# grep -q stopping at the first match cannot fail the pipeline.
texts=$(strings "$root/usr/games/troven" && strings -e l "$root/usr/games/troven")
grep -qFx "$id" <<<"$texts" ||
    fail "the game does not call itself $id (QGuiApplication::setDesktopFileName)"
[ -f "$root/usr/share/doc/troven/copyright" ] || fail "no copyright file"
unexpected=$(cd "$root" && find . -type f ! -path "./usr/*")
[ -z "$unexpected" ] || fail "files outside /usr: $unexpected"
echo "the package's files land where its desktop entry and metainfo point"
