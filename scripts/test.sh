#!/usr/bin/env bash
# The test command: installs what is missing, builds into build/ (Release, g++ unless CXX says
# otherwise), runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release
cd "$root/build" && ctest --output-on-failure -j2 "$@"
