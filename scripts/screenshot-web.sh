#!/usr/bin/env bash
# Renders docs/window-web.png (a desktop) and docs/window-phone.png (a 360 x 640 phone) from
# the page, built with scripts/build-web, in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-web
scripts/install-packages chromium fonts-ipafont-gothic
npm ci --prefix window/web/tests --no-audit --no-fund --silent
TARVIK_SITE="$PWD/build-web/site" node window/web/tests/screenshot.mjs docs
