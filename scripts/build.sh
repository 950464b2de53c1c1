#!/usr/bin/env bash
# build.sh BUILD_DIR [cmake options...]: configures (once) and builds with two jobs. Warnings
# are errors here (VEL_WERROR); a later -DVEL_WERROR=OFF among the options overrides that.
set -euo pipefail
dir=$1; shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DVEL_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j2
