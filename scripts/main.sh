#!/usr/bin/env bash
# The main job: installs what is missing, builds, and shows a shipped validation file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
out="$root/build/out"
"$out/vmdtool" unpack "$out/examples/Example.vmd"
"$out/vmdtool" get "$out/examples/Example" Zone.Type MaxNumber
