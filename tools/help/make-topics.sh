#!/usr/bin/env bash
# Writes the help topics of appfolder/Help/ from their Markdown sources in docs/help/: one RTF
# file per source, under the source's name (its letter case is the file name the help viewer
# opens). The RTF files are kept in the repository, so building needs no pandoc.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh pandoc
mkdir -p appfolder/Help
for source in docs/help/*.md; do
    name=$(basename "$source" .md)
    pandoc --from=markdown --to=rtf --standalone --output="appfolder/Help/$name.rtf" "$source"
done
echo "$(ls docs/help/*.md | wc -l) topics written to appfolder/Help/"
