# Where the Windows suite's Wine prefixes live, and how quiet Wine is: the one place that says
# so. Sourced with BRENVOL_WINE_DIR (the folder of all prefixes, inside a build folder) and
# BRENVOL_WINE_PREFIX (the prefix's name) set; exports what Wine reads.
: "${BRENVOL_WINE_DIR:?set BRENVOL_WINE_DIR to the folder of the Wine prefixes}"
: "${BRENVOL_WINE_PREFIX:?set BRENVOL_WINE_PREFIX to the name of a Wine prefix}"
export WINEPREFIX=$BRENVOL_WINE_DIR/prefix-$BRENVOL_WINE_PREFIX
# Wine's scratch files, and the C library's locales it takes the user's locale from, compiled
# there so that the system is left as it is.
export TMPDIR=$BRENVOL_WINE_DIR/tmp LOCPATH=$BRENVOL_WINE_DIR/locale
export WINEDEBUG=-all
mkdir -p "$TMPDIR" "$LOCPATH"
# The X server of the tests that show windows (scripts/xvfb.sh), where one is named.
if [ -n "${BRENVOL_XVFB_DIR:-}" ]; then
    DISPLAY=:$(cat "$BRENVOL_XVFB_DIR/display")
    export DISPLAY
fi
