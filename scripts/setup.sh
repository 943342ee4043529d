# Shared by run.sh, test.sh and bench/run.sh: installs the Debian packages the build needs,
# then configures and builds. Sourced, not run.

# Each package and why it is here:
#   cmake, ninja-build, g++   the build
#   qt6-base-dev              the window, the user's locale, QtTest
#   libgtest-dev              the core libraries' tests
#   libbenchmark-dev          the benchmarks (built with everything else, run by bench/run.sh)
#   fonts-liberation          a face metric-compatible with Arial, so texts fit their boxes
#   desktop-file-utils, appstream   validate the launcher and the AppStream file in the tests
BRENVOL_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev
    fonts-liberation desktop-file-utils appstream)

# The Windows suite, cross-built and run under Wine:
#   g++-mingw-w64-x86-64-posix   the cross-compiler (posix threads, which GoogleTest needs)
#   googletest                   GoogleTest's sources, built for Windows
#   wine, wine64                 run the .exe files
#   locales                      the locale sources Wine's locale is compiled from
#   xvfb                         an X server without a screen, for the window's tests
BRENVOL_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix googletest wine wine64 locales xvfb)

# An X server without a screen, for bench/startup.sh.
BRENVOL_BENCH_PACKAGES=(xvfb)

# Valgrind, for ./test.sh --memcheck.
BRENVOL_MEMCHECK_PACKAGES=(valgrind)

# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
BRENVOL_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Prints the packages of the list named by $1 that are not installed.
brenvol_missing_packages() {
    local -n packages=$1
    local package
    for package in "${packages[@]}"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            echo "$package"
        fi
    done
}

# Installs the missing packages of the list named by $1 (default BRENVOL_PACKAGES). Calls apt
# only when something is missing, and refreshes its lists first, since on a fresh machine they
# may be empty or stale.
brenvol_install_packages() {
    local list=${1:-BRENVOL_PACKAGES}
    if ! command -v dpkg-query >/dev/null; then
        local -n wanted=$list
        echo "Not a Debian system: install by hand: ${wanted[*]}" >&2
        return 0
    fi
    local missing
    missing=$(brenvol_missing_packages "$list")
    [ -z "$missing" ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing:" $missing
    "${sudo[@]}" apt-get update -q
    # shellcheck disable=SC2086  # one word per package
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends $missing
}

brenvol_build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
}

# Everything, built with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/.
# Any report ends the program, so it fails its test.
brenvol_build_sanitize() {
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBRENVOL_BUILD_BENCH=OFF \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake --build build-sanitize
}

# The core libraries, brenvol-cli and their tests for 64-bit Windows, in build-windows/.
brenvol_build_windows() {
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
    cmake --build build-windows
}
