#!/usr/bin/env bash
# Runs scenario folders in the browser through Debian's nginx, set up as the shipped
# example (packaging/web/nginx.conf) sets it up, in front of two korvalde-web on loopback.
#
#   through-nginx.sh KORVALDE-SCENARIO KORVALDE-WEB NGINX-EXAMPLE FOLDER...
#
# The scenario tool starts the korvalde-web beside it and drives the page at the address
# that program prints. Here that program is a stand-in that prints the proxy's address, so
# every page comes through nginx. Exit status 77 (skipped) while the tool has no --browser.
set -euo pipefail
tool=$1 web=$2 example=$3
shift 3

if ! "$tool" --help 2>&1 | grep -q -- '--browser'; then
    echo "korvalde-scenario has no --browser yet: skipped."
    exit 77
fi
nginx=$(command -v nginx || echo /usr/sbin/nginx)

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Two instances, each on a port of its own.
instances=()
for name in a b; do
    "$web" --listen 127.0.0.1:0 >"$work/$name.out" 2>"$work/$name.log" &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/$name.out" ] && break; sleep 0.1; done
    address=$(head -n 1 "$work/$name.out")
    [ -n "$address" ] || { echo "korvalde-web $name printed no address" >&2; exit 1; }
    address=${address#http://}
    instances+=("${address%/}")
done

# The example with this machine's addresses: the two instances, a free port, logs and
# temporary files in the work folder.
port=$(free_port)
mkdir -p "$work/temp"
sed -e "s|server 127.0.0.1:8081;|server ${instances[0]};|" \
    -e "s|server 127.0.0.1:8082;|server ${instances[1]};|" \
    -e "s|listen 80;|listen 127.0.0.1:$port;|" \
    -e "s|/var/log/nginx/korvalde.log|$work/access.log|" \
    "$example" >"$work/korvalde.conf"
grep -q "server ${instances[1]};" "$work/korvalde.conf" || { echo "the example names no second instance" >&2; exit 1; }
user=""
[ "$(id -u)" -eq 0 ] && user="user root;"
cat >"$work/nginx.conf" <<CONF
$user
daemon off;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 256; }
http {
    client_body_temp_path $work/temp/body;
    proxy_temp_path $work/temp/proxy;
    fastcgi_temp_path $work/temp/fastcgi;
    uwsgi_temp_path $work/temp/uwsgi;
    scgi_temp_path $work/temp/scgi;
    include $work/korvalde.conf;
}
CONF
"$nginx" -t -q -c "$work/nginx.conf" -p "$work"
"$nginx" -c "$work/nginx.conf" -p "$work" &
pids+=($!)
for _ in $(seq 100); do curl -fs "http://127.0.0.1:$port/" >/dev/null && break; sleep 0.1; done

# The page and its headers come through the proxy.
headers=$(curl -fsS -D - -o /dev/null "http://127.0.0.1:$port/")
grep -qi "^content-security-policy: default-src 'self'" <<<"$headers" || { echo "no policy through the proxy" >&2; exit 1; }

# The stand-in korvalde-web beside a copy of the tool.
mkdir -p "$work/tool"
cp "$tool" "$work/tool/korvalde-scenario"
printf '#!/bin/sh\necho "http://127.0.0.1:%s/"\nexec sleep 3600\n' "$port" >"$work/tool/korvalde-web"
chmod +x "$work/tool/korvalde-web"
status=0
"$work/tool/korvalde-scenario" --browser "$@" || status=$?

# Every session went through nginx to an instance, and the log keeps no token.
sessions=$(cat "$work/a.log" "$work/b.log" | grep -c "begonnen" || true)
if [ "$status" -eq 0 ] && [ "$sessions" -eq 0 ]; then
    echo "no session reached an instance" >&2
    status=1
fi
if grep -q "resume=" "$work/access.log"; then
    echo "the proxy's log keeps session tokens" >&2
    status=1
fi
echo "$sessions sessions through nginx (instance a: $(grep -c begonnen "$work/a.log" || true), b: $(grep -c begonnen "$work/b.log" || true))"
exit "$status"
