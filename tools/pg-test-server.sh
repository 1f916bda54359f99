#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests: one per test run, on a free port of 127.0.0.1.
#
#   tools/pg-test-server.sh start FOLDER   creates the cluster and a database "archive", starts the
#                                          server and writes its address to FOLDER/url
#   tools/pg-test-server.sh stop FOLDER    stops it, removes its files and FOLDER
#
# The server's data, socket and log live in a folder of their own under /tmp, made for this run and
# owned by the server's user (FOLDER/server names it): FOLDER sits in the checkout, which may be in a
# folder only its owner can enter (a clone in a `mktemp -d` folder or in /root), and the server user
# must reach its files. Every run has its own folder and port, so several test runs on one machine
# never meet.
#
# Without the PostgreSQL server binaries it writes no url and succeeds: the tests that need the
# server then skip and say why. The server refuses to run as root, so as root (CI) it runs as the
# unprivileged "postgres" user of the distribution's package.
set -euo pipefail

action=${1:?start or stop}
folder=$(realpath -m "${2:?folder}")

bin=""
for candidate in /usr/lib/postgresql/*/bin; do
  [ -x "$candidate/initdb" ] && bin=$candidate
done

# From / : the server user may not be able to enter the folder the tests run in.
as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then
    (cd / && runuser -u postgres -- "$@")
  else
    "$@"
  fi
}

# Stops the server of FOLDER's run, if one runs, and removes its files and FOLDER.
stop_server() {
  local server=""
  [ -f "$folder/server" ] && server=$(cat "$folder/server")
  if [ -n "$server" ] && [ -d "$server" ]; then
    if [ -n "$bin" ] && [ -f "$server/data/postmaster.pid" ]; then
      as_server_user "$bin/pg_ctl" -D "$server/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$server"
  fi
  rm -rf "$folder"
}

case $action in
start)
  # What an earlier run left behind (a run that was killed before its stop).
  stop_server
  mkdir -p "$folder"
  if [ -z "$bin" ]; then
    echo "PostgreSQL server binaries not found (package postgresql)" > "$folder/missing"
    exit 0
  fi
  server=$(mktemp -d /tmp/scale-pg-test.XXXXXX)
  echo "$server" > "$folder/server"
  # A start that fails on the way leaves nothing running and nothing behind.
  trap 'status=$?; [ $status -eq 0 ] || { [ -f "$server/server.log" ] && cat "$server/server.log" >&2; stop_server; }; exit $status' EXIT
  [ "$(id -u)" -eq 0 ] && chown postgres: "$server"
  user=$(as_server_user id -un)
  as_server_user "$bin/initdb" -D "$server/data" -U "$user" --auth=trust --locale=C.UTF-8 -E UTF8 >/dev/null
  # A free port: the kernel picks one for a socket bound to port 0. Another run may take it before
  # the server binds it, so a start that fails is tried again on another port.
  started=0
  for _ in 1 2 3 4 5; do
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    if as_server_user "$bin/pg_ctl" -D "$server/data" -l "$server/server.log" -w -t 30 \
      -o "-h 127.0.0.1 -p $port -k $server -c fsync=off" start >/dev/null; then
      started=1
      break
    fi
  done
  [ $started -eq 1 ] || { echo "the server did not start" >&2; exit 1; }
  ready=0
  for _ in $(seq 1 300); do
    if "$bin/pg_isready" -q -h 127.0.0.1 -p "$port"; then
      ready=1
      break
    fi
  done
  [ $ready -eq 1 ] || { echo "the server did not get ready" >&2; exit 1; }
  as_server_user "$bin/createdb" -h 127.0.0.1 -p "$port" -U "$user" archive
  echo "postgresql://$user@127.0.0.1:$port/archive" > "$folder/url"
  ;;
stop)
  stop_server
  ;;
*)
  echo "usage: $0 start|stop FOLDER" >&2
  exit 64
  ;;
esac
