# shellcheck shell=bash
# What the style checks share.

# The files of the source tree (the current folder) matching the git pathspecs given: those git
# tracks, or without git (an unpacked tarball) every such file outside build folders.
source_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -- "$@"
    else
        local pattern args=()
        for pattern in "$@"; do
            args+=(-o -path "./$pattern")
        done
        find . -path ./build -prune -o -type f \( -false "${args[@]}" \) -print | sed 's|^\./||'
    fi
}
