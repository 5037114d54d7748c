#!/usr/bin/env bash
# Installs what is missing, builds CALORIX in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. ./scripts_common.sh
calorix_install_packages
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCALORIX_TESTS=OFF -DCALORIX_BENCH=ON
cmake --build build-release -j"$(nproc)"
exec ./build-release/app/calorix "$@"
