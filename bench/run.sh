#!/usr/bin/env bash
# Runs every benchmark of the project.
set -euo pipefail
cd "$(dirname "$0")"

./engines.sh
./window.sh
