#!/usr/bin/env bash
# After the other install tests: the uninstall script, given the list the install left in the
# staging folder, leaves no file behind. Usage: uninstall_test.sh STAGING_FOLDER UNINSTALL_SCRIPT
set -euo pipefail
root=$1
bash "$2" "$root/installed-files.txt"
left=$(find "$root" -type f)
[ -z "$left" ] || { echo "FAIL: the uninstall left $left" >&2; exit 1; }
echo "the uninstall removed every installed file"
