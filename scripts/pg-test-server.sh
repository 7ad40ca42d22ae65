#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests, on a free port in a temporary folder.
#   pg-test-server.sh start STATE   starts one and writes STATE/uri ("postgresql://quillet@127.0.0.1:PORT/")
#   pg-test-server.sh stop STATE    stops it and removes its folder
# Run as root, the server runs as the postgres user (initdb refuses root). Where no server can
# start, start says why and still exits 0, so the tests that need one skip; with
# QUILLET_REQUIRE_TEST_SERVER set (as ./test.sh does) it exits 1 instead, failing the run.
set -u
action=${1:?start or stop}
state=$(realpath -m "${2:?state folder}")
# The server's programs look up their working folder, which the postgres user may not be allowed
# to enter (a checkout under /root).
cd /
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
as_server=()
if [[ $(id -u) -eq 0 ]]; then
    as_server=(runuser -u postgres --)
fi

start() {
    rm -rf "$state"
    mkdir -p "$state"
    if [[ -z $bin || ! -x $bin/initdb ]]; then
        echo "no PostgreSQL server is installed; the server tests skip"
        return 1
    fi
    local data
    data=$(mktemp -d /tmp/quillet-pg.XXXXXX)
    echo "$data" >"$state/dir"
    [[ $(id -u) -eq 0 ]] && chown postgres "$data"
    if ! "${as_server[@]}" "$bin/initdb" -D "$data/data" -A trust -U quillet --locale=C -E UTF8 >"$data/initdb.log" 2>&1; then
        echo "initdb failed; the server tests skip"
        cat "$data/initdb.log"
        return 1
    fi
    # Throwaway data: no need to survive a power cut, so no waiting for the disk.
    local options="-c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off"
    for _ in 1 2 3 4 5 6 7 8; do
        local port=$((20000 + RANDOM % 40000))
        if "${as_server[@]}" "$bin/pg_ctl" -D "$data/data" -o "-p $port -k $data $options" -l "$data/log" -w -t 30 \
            start >/dev/null 2>&1; then
            echo "postgresql://quillet@127.0.0.1:$port/" >"$state/uri"
            echo "PostgreSQL test server on port $port"
            return
        fi
    done
    echo "the PostgreSQL test server did not start; the server tests skip"
    tail -n 5 "$data/log" 2>/dev/null
    return 1
}

stop() {
    local data
    data=$(cat "$state/dir" 2>/dev/null) || return 0
    if [[ -f $data/data/postmaster.pid ]]; then
        "${as_server[@]}" "$bin/pg_ctl" -D "$data/data" -m fast -w stop >/dev/null 2>&1
    fi
    rm -rf "$data" "$state"
}

case $action in
start) start || [[ -z ${QUILLET_REQUIRE_TEST_SERVER:-} ]] || exit 1 ;;
stop) stop ;;
*) echo "usage: $0 start|stop STATE" >&2; exit 2 ;;
esac
exit 0
