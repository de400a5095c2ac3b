# shellcheck shell=bash
# What every test script may need: a failure that stops it, and a skip when a tool is missing.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need_tools() {  # exits with 77 (ctest: skipped) when a tool is missing
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || {
            echo "SKIP: $tool is not installed"
            exit 77
        }
    done
}
