# Shared by run.sh, test.sh and the scripts in bench/, fuzz/ and scripts/: installs the Debian
# packages the build needs, then configures and builds with the presets of CMakePresets.json.
# Sourced, not run.

# Each package and why it is here:
#   cmake, ninja-build, g++   the build
#   qt6-base-dev              the window, the user's locale, QtTest
#   libgtest-dev              the core libraries' tests
#   fonts-liberation          a face metric-compatible with Arial, so texts fit their boxes
#   fonts-dejavu-core         a default interface face: without it, on a bare system,
#                             fontconfig's sans-serif falls to a monospace face
#   desktop-file-utils, appstream   validate the launcher and the AppStream file in the tests
#   dpkg-dev                  dpkg-shlibdeps, with which CPack finds the Debian package's
#                             dependencies
#   lintian                   checks the Debian package in the tests
#   clang-format              the tests check the code's formatting
BRENVOL_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-liberation
    fonts-dejavu-core desktop-file-utils appstream dpkg-dev lintian clang-format)

# The window's cases with real keys and clicks, on X11 and under Wayland:
#   mutter        GNOME's window manager on X11, and its compositor nested in an X server
#   qt6-wayland   Qt's Wayland plugin
#   dbus-daemon   the D-Bus session GNOME's compositor needs (dbus-run-session)
#   xdotool, xvfb the keys and clicks, and the X server they go through
#   x11-utils     xprop and xdpyinfo, which tell when the window manager and the X server
#                 have started
#   nodejs        runs the cases (tests/faces/window_cases.mjs), one runner for every face
# and what a screen reader says of the window, the Qt one and the page:
#   orca              the screen reader Debian ships, run headless (tests/faces/screen_reader)
#   at-spi2-core      the accessibility bus, which the window and the browsers speak to Orca on
#   libglib2.0-bin    gdbus, which marks the bus enabled, as a desktop does for its screen reader
BRENVOL_DESKTOP_PACKAGES=(mutter qt6-wayland dbus-daemon xdotool xvfb x11-utils nodejs orca
    at-spi2-core libglib2.0-bin)

# The web page: emscripten, the C++ compiler to WebAssembly, with its C and C++ libraries.
# Its suite, in each browser engine Debian ships:
#   chromium, firefox-esr   driven by puppeteer-core (npm, scripts/browsers/package-lock.json)
#   webkit2gtk-driver       WebKitGTK's WebDriver and its browser for automation
#   xvfb, x11-utils         the X server WebKitGTK's browser shows on, and xdpyinfo, which
#                           tells when it answers (scripts/xvfb.sh)
#   locales                 the Italian locale WebKitGTK takes its language from
#   npm                     installs puppeteer-core and axe-core from the lockfile, where the
#                           Node.js installed brings no npm of its own (Debian's does not)
BRENVOL_WEB_PACKAGES=(emscripten)
BRENVOL_WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver xvfb x11-utils locales)
command -v npm >/dev/null || BRENVOL_WEB_TEST_PACKAGES+=(npm)

# The Windows suite, cross-built and run under Wine:
#   g++-mingw-w64-x86-64-posix   the cross-compiler (posix threads, which GoogleTest needs)
#   googletest                   GoogleTest's sources, built for Windows
#   wine, wine64                 run the .exe files
#   locales                      the locale sources Wine's locale is compiled from
#   xvfb, x11-utils              an X server without a screen, for the window's tests, and
#                                xdpyinfo, which tells when it answers (scripts/xvfb.sh)
#   nodejs                       runs the window's cases (tests/faces/window_cases.mjs)
#   wixl                         makes the Windows Installer package (packaging/brenvol.wxs)
#   msitools, xdotool            read the package's tables, and find the window its shortcut
#                                starts, in the package's test
BRENVOL_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix googletest wine wine64 locales xvfb x11-utils
    nodejs wixl msitools xdotool)

# The benchmarks: Google Benchmark, and an X server without a screen for bench/startup.sh (with
# xdpyinfo, which tells when it answers).
BRENVOL_BENCH_PACKAGES=(libbenchmark-dev xvfb x11-utils)

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

# brenvol_install_packages [LIST...]: installs the missing packages of the lists named (default
# BRENVOL_PACKAGES) in one go. Calls apt only when something is missing, and refreshes its lists
# first, since on a fresh machine they may be empty or stale.
brenvol_install_packages() {
    local lists=("${@:-BRENVOL_PACKAGES}") list missing=""
    for list in "${lists[@]}"; do
        if ! command -v dpkg-query >/dev/null; then
            local -n wanted=$list
            echo "Not a Debian system: install by hand: ${wanted[*]}" >&2
            continue
        fi
        missing+=$(brenvol_missing_packages "$list")$'\n'
    done
    missing=$(echo $missing)  # one line, or nothing
    [ -z "$missing" ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing:" $missing
    "${sudo[@]}" apt-get update -q
    # shellcheck disable=SC2086  # one word per package
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends $missing
}

# brenvol_node_modules DIR: installs the npm packages of DIR/package-lock.json, exactly as the
# lockfile pins them, unless that lockfile's packages are there already.
brenvol_node_modules() {
    local stamp=$1/node_modules/.installed-from-lockfile
    cmp -s "$1/package-lock.json" "$stamp" && return 0
    (cd "$1" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
    cp "$1/package-lock.json" "$stamp"
}

# brenvol_build [PRESET [TARGET...]]: configures the preset (default: the Linux build in build/)
# and builds the targets named, or all of it.
brenvol_build() {
    local preset=${1:-default}
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" ${2:+--target "${@:2}"}
}

# brenvol_wine_display WINE_DIR PREFIX LOCALE: an X server without a screen, and the Wine prefix
# PREFIX (tests/wine/prefix.sh) under LOCALE on it, for the rest of the calling script;
# scripts/wine-run.sh and scripts/wine-env.sh then run programs there.
brenvol_wine_display() {
    export BRENVOL_WINE_DIR=$1 BRENVOL_WINE_PREFIX=$2 BRENVOL_XVFB_DIR=$1/xvfb LC_ALL=$3
    scripts/xvfb.sh start "$BRENVOL_XVFB_DIR"
    tests/wine/prefix.sh stop "$2" "$3"  # a server left running would never let the start end
    tests/wine/prefix.sh start "$2" "$3"
    # shellcheck disable=SC2064  # the names now, not at exit
    trap "tests/wine/prefix.sh stop '$2' '$3'; scripts/xvfb.sh stop '$BRENVOL_XVFB_DIR'" EXIT
}
