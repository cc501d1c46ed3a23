#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the texts in Src/ and qml/: new texts
# come in unfinished, texts gone from the sources are dropped. Translate the unfinished entries
# (Qt Linguist, or by hand) and commit the .ts files; the build compiles them.
# Usage: update-translations.sh [LANGUAGE…]   (a new language, such as fr, starts its catalogue)
# TRELLION_TRANSLATIONS_DIR names another folder of catalogues to update (the tests use a copy).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
catalogues="${TRELLION_TRANSLATIONS_DIR:-$root/translations}"
cd "$root"
languages=("$@")
if [ ${#languages[@]} -eq 0 ]; then
    for catalogue in "$catalogues"/trellion_*.ts; do
        languages+=("$(basename "$catalogue" .ts | sed 's/^trellion_//')")
    done
fi
for language in "${languages[@]}"; do
    # Without line numbers, so that moving a text does not touch the catalogues.
    lupdate -silent -locations none -no-obsolete -extensions cpp,h,qml,js Src qml \
        -target-language "$language" -ts "$catalogues/trellion_$language.ts"
done
