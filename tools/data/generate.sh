#!/bin/sh
# Regenerates data/erde2.txt, data/mort.txt, data/mort1.txt and data/zones.txt: installs the
# pinned npm packages into node_modules (git-ignored), then runs the generator.
set -e
cd "$(dirname "$0")"
npm ci --no-audit --no-fund
node generate.mjs
