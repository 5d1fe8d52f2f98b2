#!/usr/bin/env bash
# Fails when a source includes a header of a library its own library does not link. Every
# library sees all of src/, so the compiler cannot tell; this reads the links from the
# orvane_library() calls. A library's sources may include what it links and what those pass on
# (their LINK side); its headers only what it passes on itself, so a PRIVATE link stays private.
# A header without a source belongs to its folder's core library (the folder's only library
# where there is none); src/contracts belongs to no library and is open to all.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A owner public private folder_lib
libs=()
while read -r kind lib value; do
    case $kind in
    LIB)
        libs+=("$lib")
        if [[ $lib == *_core || -z ${folder_lib[$value]:-} ]]; then folder_lib[$value]=$lib; fi
        ;;
    SRC) owner[${value%.*}]=$lib ;;
    PUB) public[$lib]+=" $value" ;;
    PRIV) private[$lib]+=" $value" ;;
    esac
done < <(for lists in src/*/CMakeLists.txt; do
    awk -v dir="$(basename "$(dirname "$lists")")" '
        /orvane_library\(/ { on = 1; side = "SRC"; sub(/.*orvane_library\(/, "");
                             name = $1; print "LIB", name, dir; $1 = "" }
        on {
            for (i = 1; i <= NF; ++i) {
                word = $i; closing = sub(/\).*/, "", word)
                if (word == "SOURCES") side = "SRC"
                else if (word == "LINK") side = "PUB"
                else if (word == "PRIVATE") side = "PRIV"
                else if (side == "SRC" && word ~ /\.(cpp|h)$/) print "SRC", name, dir "/" word
                else if (side != "SRC" && word ~ /^orvane_/) print side, name, word
                if (closing) { on = 0; break }
            }
        }' "$lists"
done)

# A library and everything its LINK side passes on.
passed_on()
{
    local lib=$1 dep
    echo "$lib"
    for dep in ${public[$lib]:-}; do passed_on "$dep"; done
}

# Sets found to the library a header or source belongs to.
owner_of()
{
    local name=${1%.*} dir=${1%%/*}
    found=${owner[$name]:-${folder_lib[$dir]:-}}
}

status=0
declare -A sees_public sees_private
for lib in "${libs[@]}"; do
    sees_public[$lib]=" $(passed_on "$lib" | sort -u | tr '\n' ' ')"
    all=${sees_public[$lib]}
    for dep in ${private[$lib]:-}; do all+=" $(passed_on "$dep" | tr '\n' ' ')"; done
    sees_private[$lib]="$all "
done

for file in $(git ls-files 'src/*.cpp' 'src/*.h'); do
    relative=${file#src/}
    [[ $relative == contracts/* || $relative != */* ]] && continue
    owner_of "$relative"
    lib=$found
    [ -n "$lib" ] || continue
    [ -n "${owner[${relative%.*}]:-}" ] || [[ $file == *.h ]] || continue # programs, plugins
    if [[ $file == *.h ]]; then sees=${sees_public[$lib]}; else sees=${sees_private[$lib]}; fi
    while IFS= read -r included; do
        [[ $included == contracts/* ]] && continue
        owner_of "$included"
        target=$found
        [ -n "$target" ] || continue
        if [[ $sees != *" $target "* ]]; then
            echo "links: $file ($lib) includes $included of $target, which $lib does not" \
                "$([[ $file == *.h ]] && echo "pass on" || echo "link")" >&2
            status=1
        fi
    done < <(sed -nE 's/^#include "([a-z]+\/[A-Za-z0-9_]+\.h)".*/\1/p' "$file")
done
exit $status
