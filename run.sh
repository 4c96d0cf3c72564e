#!/usr/bin/env bash
# Installs what is missing, builds, creates the database and installs the report files when missing,
# and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja
cmake --build build
[ -e build/MainDB.mdb ] || build/makedb build/MainDB.mdb
# The report files go where the program runs them from, C:\Quorvel (drive C: is the home folder),
# as an installer would put them; files already there are left as they are.
mkdir -p ~/Quorvel
for report in reports/*.rpt; do
  [ -e ~/Quorvel/"$(basename "$report")" ] || cp "$report" ~/Quorvel/
done
exec build/PravelKvo "$@"
