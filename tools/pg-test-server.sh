#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests: one per test run, on a free port of 127.0.0.1, its
# data and socket in FOLDER.
#
#   tools/pg-test-server.sh start FOLDER   creates the cluster and a database "archive", starts the
#                                          server and writes its address to FOLDER/url
#   tools/pg-test-server.sh stop FOLDER    stops it and removes FOLDER
#
# Without the PostgreSQL server binaries it writes no url and succeeds: the tests that need the
# server then skip and say why. The server refuses to run as root, so as root (CI) it runs as the
# unprivileged "postgres" user of the distribution's package.
set -euo pipefail

action=${1:?start or stop}
folder=${2:?folder}

bin=""
for candidate in /usr/lib/postgresql/*/bin; do
  [ -x "$candidate/initdb" ] && bin=$candidate
done

as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

case $action in
start)
  rm -rf "$folder"
  mkdir -p "$folder"
  if [ -z "$bin" ]; then
    echo "PostgreSQL server binaries not found (package postgresql)" > "$folder/missing"
    exit 0
  fi
  [ "$(id -u)" -eq 0 ] && chown postgres: "$folder"
  user=$(as_server_user id -un)
  as_server_user "$bin/initdb" -D "$folder/data" -U "$user" --auth=trust --locale=C.UTF-8 -E UTF8 >/dev/null
  # A free port: the kernel picks one for a socket bound to port 0.
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  as_server_user "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 \
    -o "-h 127.0.0.1 -p $port -k $folder -c fsync=off" start >/dev/null
  ready=0
  for _ in $(seq 1 300); do
    if "$bin/pg_isready" -q -h 127.0.0.1 -p "$port"; then
      ready=1
      break
    fi
  done
  [ $ready -eq 1 ] || { echo "the server did not get ready" >&2; cat "$folder/server.log" >&2; exit 1; }
  as_server_user "$bin/createdb" -h 127.0.0.1 -p "$port" -U "$user" archive
  echo "postgresql://$user@127.0.0.1:$port/archive" > "$folder/url"
  ;;
stop)
  if [ -n "$bin" ] && [ -d "$folder/data" ]; then
    as_server_user "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null || true
  fi
  rm -rf "$folder"
  ;;
*)
  echo "usage: $0 start|stop FOLDER" >&2
  exit 64
  ;;
esac
