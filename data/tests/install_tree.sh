#!/usr/bin/env bash
# cmake --install into a prefix with a blank, quotes and a dollar sign in it: the desktop entry
# and the metainfo pass desktop-file-validate and appstreamcli validate --no-net, and every file
# they name is where they point. The metainfo's newest release is the project's version and its
# screenshot is the one kept in data/.
# Usage: install_tree.sh BUILD_DIR APP_ID VERSION DATA_SOURCE_DIR WEBSITE
set -euo pipefail
build=$1 id=$2 version=$3 data=$4 website=$5
# shellcheck source=tests/support/installed_tree.sh
. "$(dirname "$0")/../../tests/support/installed_tree.sh"
need_tools desktop-file-validate appstreamcli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/my \"games\" \$HOME's"
cmake --install "$build" --prefix "$prefix" >/dev/null
check_installed_tree "" "$prefix" "$id"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree rejects the install"
echo "the installed desktop entry, metainfo, launcher and icons agree and validate"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the project is $version"
screenshot=$(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$metainfo")
case $screenshot in
"$website"/*) ;;
*) fail "the screenshot $screenshot is not on the project's site $website" ;;
esac
file=$data/${screenshot#"$website"/}
[ -f "$file" ] || fail "the screenshot $screenshot is not kept in the repository as $file"
png_size "$file" >/dev/null || fail "$file is not a PNG"
echo "the metainfo lists release $version and a screenshot kept in data/"
