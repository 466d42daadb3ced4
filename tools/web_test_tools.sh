#!/usr/bin/env bash
# Installs the web tests' Node modules (puppeteer-core, as tests/web/package-lock.json pins it;
# it drives Debian's Chromium and downloads no browser) into the cache, once per lock file and
# Node version, and prints their node_modules folder on its last line. A web build whose tools
# are in the cache needs no network.
set -euo pipefail
shopt -s inherit_errexit
repo=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=cache.sh
source "$repo/tools/cache.sh"
manifest=$repo/tests/web/package.json
lock=$repo/tests/web/package-lock.json

# cache_build runs this script again to install: a failed install stops it there.
if [ "${1:-}" = --build ]; then
    cp "$manifest" "$lock" "$2/"
    cd "$2"
    npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >&2
    exit 0
fi
key_text=$(cat "$manifest" "$lock"; node --version)
folder=$(cache_build web-test-tools "$key_text" "$repo/tools/web_test_tools.sh" --build)
echo "$folder/node_modules"
