#!/usr/bin/env bash
# prefix.sh start|stop NAME LOCALE [DPI]: makes, or stops, the Wine prefix NAME, whose user has
# LOCALE (and a screen of DPI dots per inch, 96 by default), under BRENVOL_WINE_DIR. Wine takes
# the user's locale from LC_ALL, which needs the C library's locale: it is compiled into the
# prefixes' folder, so the system is left as it is.
set -euo pipefail
action=$1 locale=$3 dpi=${4:-96}
export BRENVOL_WINE_PREFIX=$2
source "$(dirname "$0")/../../scripts/wine-env.sh"
case $action in
start)
    if [ "$locale" != C ] && [ ! -d "$LOCPATH/$locale" ]; then
        # it_IT.UTF-8 -> the it_IT sources in UTF-8
        localedef -i "${locale%%.*}" -f "${locale#*.}" "$LOCPATH/$locale"
    fi
    settings=$BRENVOL_WINE_DIR/prefix-$BRENVOL_WINE_PREFIX.reg
    cp "$(dirname "$0")/prefix.reg" "$settings"
    # Where Windows keeps the resolution, and where older Wine looks for it.
    for key in 'HKEY_CURRENT_USER\Control Panel\Desktop' 'HKEY_CURRENT_CONFIG\Software\Fonts'; do
        printf '\n[%s]\n"LogPixels"=dword:%08x\n' "$key" "$dpi" >>"$settings"
    done
    LC_ALL=$locale wine wineboot --init >/dev/null 2>&1
    LC_ALL=$locale wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1
    wineserver --wait
    ;;
stop)
    wineserver --kill || true
    ;;
esac
