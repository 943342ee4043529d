# Shared by run.sh and test.sh: installs the Debian packages the build needs, then configures
# and builds in build/. Sourced, not run.

# Each package and why it is here:
#   cmake, ninja-build, g++   the build
#   qt6-base-dev              the window, the user's locale, QtTest
#   libgtest-dev              the core libraries' tests
#   libbenchmark-dev          the benchmarks (built with everything else, run by bench/run.sh)
#   fonts-liberation          a face metric-compatible with Arial, so texts fit their boxes
#   desktop-file-utils, appstream   validate the launcher and the AppStream file in the tests
BRENVOL_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev
    fonts-liberation desktop-file-utils appstream)

brenvol_missing_packages() {
    local package
    for package in "${BRENVOL_PACKAGES[@]}"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            echo "$package"
        fi
    done
}

# Calls apt only when something is missing, and refreshes its lists first, since on a fresh
# machine they may be empty or stale.
brenvol_install_packages() {
    if ! command -v dpkg-query >/dev/null; then
        echo "Not a Debian system: install by hand: ${BRENVOL_PACKAGES[*]}" >&2
        return 0
    fi
    local missing
    missing=$(brenvol_missing_packages)
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
