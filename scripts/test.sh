#!/bin/sh
# Builds everything and runs every test on Qt's offscreen platform.
set -eu
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing_packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
