# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the install tests share; sourced by layout.sh and deb.sh.

failed=0
fail() { echo "FAIL: $*"; failed=1; }

# no_build_paths SOURCE_DIR BUILD_DIR PROGRAM...: no installed program holds
# the folder it was built from or in, so none can read the build machine's
# source tree. Debug information names the source files and is no lookup, so
# it is left out of the search (the package strips it anyway).
no_build_paths() {
    local source=$1 build=$2 program copy
    shift 2
    copy=$(mktemp)
    for program; do
        strip --strip-debug -o "$copy" "$program"
        if grep -qaF -e "$source" -e "$build" "$copy"; then
            fail "$program holds a build path: $(strings -a "$copy" | grep -F -e "$source" -e "$build" | head -3)"
        fi
    done
    rm -f "$copy"
}

# no_fallback PROGRAM INSTALLED_DATA ARGS...: with its installed data gone the
# program fails and names the installed folder rather than reading another.
no_fallback() {
    local program=$1 data=$2 out
    shift 2
    if out=$(cd / && "$program" "$@" 2>&1); then
        fail "$(basename "$program") ran without its installed data: $out"
    elif ! grep -qF "$data" <<<"$out"; then
        fail "$(basename "$program") does not name $data: $out"
    fi
}
