#!/usr/bin/env bash
# The main job: installs what is missing, builds, and shows the validated system parameters of a
# sample V6 Standard panel at version 6.50.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
out="$root/build/out"
"$out/velcfg" show --type 66 --version 650 --key System
