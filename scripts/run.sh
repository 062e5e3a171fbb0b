#!/usr/bin/env bash
# Builds the program and starts it; its data folder TPDaten is created in the current folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
exec "$root/build/src/shell/turnoplaner" "$@"
