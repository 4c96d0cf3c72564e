#!/usr/bin/env bash
# Installs what is missing, builds, creates the database when missing and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja
cmake --build build
[ -e build/MainDB.mdb ] || build/makedb build/MainDB.mdb
exec build/PravelKvo "$@"
