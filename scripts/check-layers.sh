#!/usr/bin/env bash
# Fails when an include crosses a layer the build keeps apart: a core source (one compiled into
# an orvane_*_core library) reaching Qt Widgets or a widgets-side header, a feature folder
# reaching the shell or another feature folder (what features share lives in src/contracts),
# a widgets file reaching a platform adapter, a second network access, or a library reaching one
# it does not link (scripts/check-links.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
fail() { echo "layering: $*" >&2; status=1; }

# The sources of each core library, read from its folder's CMakeLists.txt.
core_sources()
{
    local lists=$1 dir
    dir=$(dirname "$lists")
    awk '/orvane_library\(orvane_[a-z]+_core/ { on = 1 } on { print } on && /\)/ { on = 0 }' "$lists" \
        | grep -oE '[A-Za-z0-9_]+\.cpp' | sed "s|^|$dir/|"
}

widgets_include='#include <(QtWidgets/)?Q(Widget|Dialog|MainWindow|Label|PushButton|Frame|LineEdit|ListWidget|Menu|Action|CheckBox|RadioButton|CalendarWidget|TextEdit|Layout|BoxLayout|GridLayout|ScrollArea|ComboBox|SpinBox|Application|MessageBox|AbstractButton|Style|ToolTip|SystemTrayIcon|FileDialog)\b'
for lists in src/*/CMakeLists.txt; do
    for source in $(core_sources "$lists"); do
        header=${source%.cpp}.h
        for file in "$source" $( [ -f "$header" ] && echo "$header"); do
            [ -f "$file" ] || continue
            if grep -nE "$widgets_include" "$file"; then
                fail "$file is in a core library but includes a Qt Widgets header"
            fi
            if grep -nE '#include "widgets/' "$file"; then
                fail "$file is in a core library but includes the widgets library"
            fi
        done
    done
done

for dir in src/*/; do
    folder=$(basename "$dir")
    [ "$folder" = shell ] && continue
    if grep -rnE '#include "shell/' "$dir"; then
        fail "src/$folder includes the shell"
    fi
done

# Features meet only through src/contracts; the shell composes them.
features=(clock reminders weather mailcheck netutil music webcam helpviewer)
for folder in "${features[@]}"; do
    for other in "${features[@]}"; do
        [ "$folder" = "$other" ] && continue
        if grep -rnE "#include \"$other/" "src/$folder"; then
            fail "src/$folder includes src/$other (share an interface through src/contracts)"
        fi
    done
done

# The widgets see the platform's interfaces, never an adapter behind one.
adapters='(Qt[A-Z][A-Za-z]*|Linux[A-Za-z]*|Xdg[A-Za-z]*|Freedesktop[A-Za-z]*|IniSettingsStore|LockFileInstance|Wave(File|Stream)|DataFolder|InstalledLayout)\.h'
if grep -rnE "#include \"platform/$adapters\"" src/widgets; then
    fail "src/widgets includes a platform adapter (take the interface instead)"
fi
# The program has one network access, made with the desktop services and handed to every
# feature; a feature that made its own would escape its limits and its one set of rules.
if grep -rnE 'new QNetworkAccessManager|QNetworkAccessManager [A-Za-z_]+ *[;({]' src \
    | grep -v '^src/shell/RealServices.h:'; then
    fail "a QNetworkAccessManager made outside the program's services"
fi
# Includes follow the links: a library reaches only what it links.
scripts/check-links.sh || status=1
exit $status
