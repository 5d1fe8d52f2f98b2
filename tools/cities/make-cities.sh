#!/usr/bin/env bash
# Makes the world city search's data in appfolder/ from the location database that Debian's
# libmateweather-common ships (/usr/share/libmateweather/Locations.xml.gz; GPL-2.0-or-later or
# LGPL-2.1-or-later, both of which the program's GPL-3.0-or-later can take in):
#
#   appfolder/TextFiles/Canada.txt, Australia.txt        provinces and states
#   appfolder/TextFiles/2<province or state>.txt         their cities
#   appfolder/TextFiles/2<country>.txt                   cities of the other countries
#   appfolder/Canada.dat, Australia.dat, Country.dat     city name and station code records
#
# Usage: bash tools/cities/make-cities.sh   (installs libmateweather-common when missing)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
"$root/scripts/deps.sh" python3 libmateweather-common
/usr/bin/python3 "$root/tools/cities/make-cities.py" \
    /usr/share/libmateweather/Locations.xml.gz "$root/appfolder"
