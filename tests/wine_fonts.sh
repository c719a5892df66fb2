#!/bin/sh
# Pins the font Wine draws "Arial" with in a test prefix to DejaVu Sans:
#   wine_fonts.sh <wine prefix>
# Without Arial, Wine takes whatever it finds first, and that depends on the fonts the
# machine happens to have (with Liberation Sans installed every text of the GDI pictures
# changes). DejaVu Sans comes with fonts-dejavu-core, which the tests install.
set -u
WINEPREFIX=$1 WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v Arial /t REG_SZ /d 'DejaVu Sans' /f </dev/null >/dev/null 2>&1
