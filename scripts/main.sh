#!/usr/bin/env bash
# The main job: installs what is missing, builds the library, the sample host and the tools
# (no tests, benchmarks or fuzzers) into build-main/, then takes one site through its workflow
# with velcfg site on the embedded SQLite database. With --postgres the same tour runs on a
# local PostgreSQL server that this script starts and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
postgres=0
case "${1:-}" in
--postgres) postgres=1 ;;
"") ;;
*) echo "usage: $0 [--postgres]" >&2; exit 2 ;;
esac

bash "$root/scripts/deps.sh"
# An unoptimised build without debug information: the tour is short, the build is most of the job.
build="$root/build-main"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DVEL_WERROR=ON \
  -DVEL_BUILD_TESTS=OFF -DVEL_BUILD_BENCHMARKS=OFF -DVEL_BUILD_FUZZERS=OFF >/dev/null
cmake --build "$build" -j2 --target velcfg vmdtool vel_validation_data vel_lang_data vel_report_data

velcfg="$build/out/velcfg"
tour="$build/tour"
rm -rf "$tour"
mkdir -p "$tour"
cd "$tour"
where="$tour/vel-sites.db (SQLite, the default: vel-sites.db in the working folder)"
if ((postgres)); then
  bash "$root/scripts/pg-test-server.sh" start "$tour/pg"
  trap 'bash "$root/scripts/pg-test-server.sh" stop "$tour/pg"' EXIT
  if [[ ! -f "$tour/pg/connection.txt" ]]; then
    echo "no PostgreSQL server binaries found" >&2
    exit 2
  fi
  export VEL_DB
  VEL_DB=$(cat "$tour/pg/connection.txt")
  where="$VEL_DB (PostgreSQL, from VEL_DB; the server stops when the tour ends)"
fi

step() { printf '\n== %s\n$ velcfg %s\n' "$1" "${*:2}"; }

step "Create a site of panel type 69 at version 6.10" site create --type 69 --version 610 --name "'Main Street depot'"
site=$("$velcfg" site create --type 69 --version 610 --name "Main Street depot")
echo "site $site"

step "Set values" site set "$site" System.BellTime=25 Zones.1.Function=5
"$velcfg" site set "$site" System.BellTime=25 Zones.1.Function=5

step "A refused value: nothing of this command is stored" site set "$site" System.ExitTime=30 System.BellTime=99
status=0
"$velcfg" site set "$site" System.ExitTime=30 System.BellTime=99 || status=$?
echo "(exit status $status)"

step "Take a snapshot" site snapshot create "$site"
snapshot=$("$velcfg" site snapshot create "$site")
echo "snapshot $snapshot"

step "Change the panel version to 6.50 (bell time now at most 20)" site change-panel "$site" --type 69 --version 650
"$velcfg" site change-panel "$site" --type 69 --version 650
"$velcfg" site list

step "Compare the site with the snapshot" site diff "$site" --snapshot "$snapshot" --only changed
"$velcfg" site diff "$site" --snapshot "$snapshot" --only changed || true

step "The audit trail" site audit "$site"
"$velcfg" site audit "$site"

step "Export XML and write an HTML report" site export "$site" --out site.xml
"$velcfg" site export "$site" --out "$tour/site.xml"
"$velcfg" site report "$site" --out "$tour/site.html"

printf '\ndatabase: %s\nXML:      %s\nreport:   %s\n' "$where" "$tour/site.xml" "$tour/site.html"
