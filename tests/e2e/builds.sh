# Sourced by the end-to-end scripts that look at what a build makes.

# Whether the build in cache $1 is one a package is made from: optimized
# and not instrumented.
shipped() {
    grep -Eq '^CMAKE_BUILD_TYPE:STRING=(Release|RelWithDebInfo|MinSizeRel)$' "$1" &&
        ! grep -Eq '^SCRIVLETTE_(SANITIZE|COVERAGE):BOOL=ON$' "$1"
}

# Builds kde/ (Qt 5, KDE Frameworks 5) beside build $1 from source $2,
# logging to $3; ends the script as skipped (77) when KF5 is not installed.
build_kde() {
    cmake -S "$2/kde" -B "$1/kde" >"$3" 2>&1 ||
        { echo "$(basename "$0" .sh): skipped: KDE Frameworks 5 (KIO, KFileMetaData) is not installed"; exit 77; }
    cmake --build "$1/kde" >>"$3" 2>&1 || { cat "$3" >&2; echo "$(basename "$0" .sh): kde/ did not build" >&2; exit 1; }
}
