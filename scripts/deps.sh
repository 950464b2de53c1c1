#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need (as root, on a fresh
# machine); does nothing when they are all present.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
          googletest libgtest-dev libgmock-dev libbenchmark-dev
          libtinyxml2-dev libpugixml-dev libcli11-dev
          unixodbc unixodbc-dev libsqliteodbc odbc-postgresql postgresql
          chromium libpng-dev libmstch-dev libctemplate-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
