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

# A sanitized build's program then ends with status 0 only without leaks of its own: what the
# libraries it loads keep until exit is in lsan.supp. Qt's libraries are built without frame
# pointers, so the stack of what they allocate is only whole when unwound from its debug frames.
own_leaks_only() {
    local here
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0:fast_unwind_on_malloc=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
}
