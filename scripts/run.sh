#!/bin/sh
# Builds the program, prepares ./run with a demo database (kept when it is
# already there) and starts the program in that folder.
set -eu
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing_packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target phonebook phonebook-tool
mkdir -p run
[ -f run/dbphone.mdb ] || ./build/tools/phonebook-tool create --demo run
cd run
exec ../build/app/phonebook
