#!/usr/bin/env bash
# cpack -G DEB from the build tree, then the package unpacked into a scratch root with dpkg-deb -x
# (dpkg --root would need a whole dpkg database there, and would refuse the package for its
# dependencies): the control fields name the runtime the game needs, and the files land where
# the desktop entry and the metainfo point, under /usr.
# Usage: test_deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
. "$(dirname "$0")/lib.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli strings

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
debs=("$work"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
echo "built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = troven ] || fail "Package: $(field Package)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
# Each package name as a whole item of the comma-separated list, whatever version it carries.
depends=",$(field Depends | tr -d ' '),"
for package in fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n \
    libqt6widgets6 libqt6gui6 libqt6core6 libpulse0 libc6; do
    [[ $depends =~ ,$package(\([^\)]*\))?, ]] || fail "Depends does not name $package: $(field Depends)"
done
echo "Depends names the IPA fonts, Qt's Japanese texts, the Qt 6 libraries and libpulse"

root=$work/root
dpkg-deb -x "$deb" "$root"
check_installed_tree "$root" /usr "$id"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree rejects the package"
strings -e l "$root/usr/bin/troven" | grep -qFx "$id" ||
    fail "the game does not call itself $id (QGuiApplication::setDesktopFileName)"
[ -f "$root/usr/share/doc/troven/copyright" ] || fail "no copyright file"
unexpected=$(cd "$root" && find . -type f ! -path "./usr/*")
[ -z "$unexpected" ] || fail "files outside /usr: $unexpected"
echo "the package's files land where its desktop entry and metainfo point"
