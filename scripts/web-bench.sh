#!/usr/bin/env bash
# The bench in a browser: builds the page (dist/web/zor_bench.html, one
# file, also opened by double-click from file://), serves dist/web on this
# machine and prints the address to open. Ctrl-C ends the server.
#   scripts/web-bench.sh [PORT]      (default 8018)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
port=${1:-8018}

bash scripts/setup.sh
source scripts/build-trees.sh
build_web_page

echo
echo "page:  $root/dist/web/zor_bench.html ($(stat -c %s dist/web/zor_bench.html) bytes)"
echo "open:  http://127.0.0.1:$port/zor_bench.html"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root/dist/web"
