#!/usr/bin/env bash
# Runs every benchmark of the project; each compares Tallyfox with a peer in the same run.
set -euo pipefail
cd "$(dirname "$0")"

./engines.sh
./verify.sh
./create.sh
./verify_sha.sh
./blake3.sh
./digests.sh
./openahead.sh
./window.sh
./folders.sh
./tree.sh
