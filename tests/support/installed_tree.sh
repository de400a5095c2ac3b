# shellcheck shell=bash
# Helpers of the install tests, sourced by them.

# shellcheck source=tests/support/checks.sh
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

# Where the game is installed under the prefix: Debian keeps games in games/ (CMAKE_INSTALL_BINDIR).
installed_game=games/troven

# The value of KEY (no locale) in the [Desktop Entry] group of a desktop entry.
desktop_key() {  # file key
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1" | head -1
}

# The program an Exec value starts, read by the desktop entry rules: the string escape \\ first,
# then the first argument, in double quotes (with \" \` \$ \\ escaped) or up to the first blank,
# and %% for a percent sign.
exec_program() {  # value
    local value c out=
    value=$(printf '%s' "$1" | sed 's/\\\\/\\/g')
    if [ "${value:0:1}" != '"' ]; then
        out=${value%% *}
    else
        value=${value:1}
        while [ -n "$value" ]; do
            c=${value:0:1}
            value=${value:1}
            case $c in
            \\)
                out+=${value:0:1}
                value=${value:1}
                ;;
            \") break ;;
            *) out+=$c ;;
            esac
        done
    fi
    printf '%s\n' "${out//%%/%}"
}

# The game a launcher starts: the single-quoted word of its exec line.
launcher_game() {  # launcher
    sed -n "s/^exec '\(.*\)'\$/\1/p" "$1" | sed "s/'\\\\''/'/g"
}

png_size() {  # file -> WIDTHxHEIGHT from the PNG header; fails on anything but a PNG
    local b
    read -ra b < <(od -An -tu1 -w24 -N24 "$1")
    [ "${b[*]:0:16}" = "137 80 78 71 13 10 26 10 0 0 0 13 73 72 68 82" ] || return 1
    b=("${b[@]:16}")
    echo "$(((b[0] << 24) + (b[1] << 16) + (b[2] << 8) + b[3]))x$(((b[4] << 24) + (b[5] << 16) + (b[6] << 8) + b[7]))"
}

# An installed tree as a desktop finds it: ROOT is what the package system installs into ("" for
# the live system), PREFIX the install prefix. Checks that the desktop entry and the metainfo pass
# their validators and that what they name is there: the launcher, the game it starts, the icon
# at every size, the desktop entry the metainfo launches.
check_installed_tree() {  # root prefix app-id
    local root=$1 prefix=$2 id=$3
    local share=$root$prefix/share
    local desktop=$share/applications/$id.desktop metainfo=$share/metainfo/$id.metainfo.xml
    [ -f "$desktop" ] || fail "no desktop entry $desktop"
    [ -f "$metainfo" ] || fail "no metainfo $metainfo"
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

    local launcher game
    launcher=$(exec_program "$(desktop_key "$desktop" Exec)")
    [ "${launcher:0:1}" = / ] || fail "Exec names no absolute program: $launcher"
    [[ -f $root$launcher && -x $root$launcher ]] || fail "Exec's $launcher is not an installed program"
    sh -n "$root$launcher" || fail "the launcher is not a valid shell script"
    game=$(launcher_game "$root$launcher")
    [ "$game" = "$prefix/$installed_game" ] || fail "the launcher starts '$game', not $prefix/$installed_game"
    [[ -f $root$game && -x $root$game ]] || fail "the launcher's game $game is not installed"

    local icon size png
    icon=$(desktop_key "$desktop" Icon)
    [ "$icon" = "$id" ] || fail "Icon=$icon, expected $id"
    for size in ${TROVEN_ICON_SIZES:?the icon sizes, set by CMake}; do
        png=$share/icons/hicolor/${size}x$size/apps/$icon.png
        [ -f "$png" ] || fail "no icon $png"
        [ "$(png_size "$png")" = "${size}x$size" ] || fail "$png is $(png_size "$png"), not ${size}x$size"
    done

    local launchable
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ "$launchable" = "$id.desktop" ] || fail "the metainfo launches '$launchable', not $id.desktop"
    [ "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")" = "$id" ] || fail "the metainfo's id is not $id"
}
