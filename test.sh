#!/usr/bin/env bash
# Installs what is missing, builds the suites with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them headless through CTest.
set -euo pipefail
cd "$(dirname "$0")"
. ./scripts_common.sh
calorix_install_packages xvfb xauth openbox x11-utils imagemagick locales poppler-utils
calorix_provide_comma_locale
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DCALORIX_SANITIZE=ON -DCALORIX_TESTS=ON \
      -DCALORIX_BENCH=ON -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
