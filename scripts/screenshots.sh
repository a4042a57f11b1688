#!/bin/sh
# Remakes the README's pictures in docs/screenshots/ from the demo data: a PNG
# of each window and the first page of each printed layout. Runs the program
# under a virtual X display, so it needs no screen. Usage: sh scripts/screenshots.sh
set -e
cd "$(dirname "$0")/.."
. scripts/packages.sh
PHONEBOOK_PACKAGES="$PHONEBOOK_PACKAGES xvfb xauth poppler-utils"
install_missing_packages

build=${BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G "Unix Makefiles"
cmake --build "$build" --target screenshot_maker -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" "$build/screenshot_maker" "$work"

out=docs/screenshots
mkdir -p "$out"
cp "$work"/*.png "$out"/
for report in report-envelope report-contact-list report-group-sheet; do
    # First page only, small enough for the README.
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/$report.pdf" "$out/$report"
done
ls -l "$out"
