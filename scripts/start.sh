#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/app/kotachakra "$@"
