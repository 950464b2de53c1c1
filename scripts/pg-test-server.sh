#!/usr/bin/env bash
# Starts or stops a throwaway PostgreSQL server for the database tests.
#   pg-test-server.sh start DIR   initdb into DIR/data, start on a free port with the socket in
#                                 a temporary folder, write the ODBC connection text to
#                                 DIR/connection.txt
#   pg-test-server.sh stop DIR    stop the server and remove DIR
# Without PostgreSQL binaries, start writes no connection text and the tests skip PostgreSQL.
set -euo pipefail
cmd=${1:?start or stop}
dir=$(realpath -m "${2:?folder}")
bin=${PG_BIN:-}
if [[ -z "$bin" ]]; then
  for d in /usr/lib/postgresql/*/bin; do [[ -x "$d/initdb" ]] && bin=$d; done
fi

as_owner() {
  if [[ $(id -u) -eq 0 ]]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$cmd" in
start)
  rm -rf "$dir"
  mkdir -p "$dir"
  if [[ -z "$bin" ]]; then
    echo "PostgreSQL binaries not found; PostgreSQL cases will skip" >"$dir/absent.txt"
    exit 0
  fi
  # Socket paths are limited to about 100 bytes: keep the socket in a short folder.
  sock=$(mktemp -d /tmp/velpg.XXXXXX)
  echo "$sock" >"$dir/socket.txt"
  if [[ $(id -u) -eq 0 ]]; then chown postgres: "$dir" "$sock"; fi
  as_owner "$bin/initdb" -N -A trust -U postgres -E SQL_ASCII --locale=C -D "$dir/data" >"$dir/initdb.log" 2>&1
  # Only the socket listens; a port number already taken by another server is tried again.
  started=
  for _ in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 40000))
    if as_owner "$bin/pg_ctl" -w -D "$dir/data" -l "$dir/server.log" \
      -o "-p $port -k $sock -c listen_addresses='' -c fsync=off -c full_page_writes=off" \
      start >/dev/null; then
      started=1
      break
    fi
  done
  if [[ -z "$started" ]]; then
    echo "PostgreSQL did not start; see $dir/server.log" >&2
    exit 1
  fi
  echo "Driver={PostgreSQL Unicode};Servername=$sock;Port=$port;Database=postgres;Username=postgres;" >"$dir/connection.txt"
  ;;
stop)
  if [[ -n "$bin" && -f "$dir/data/postmaster.pid" ]]; then
    as_owner "$bin/pg_ctl" -w -D "$dir/data" -m immediate stop >/dev/null || true
  fi
  if [[ -f "$dir/socket.txt" ]]; then rm -rf "$(cat "$dir/socket.txt")"; fi
  rm -rf "$dir"
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
