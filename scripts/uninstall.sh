#!/usr/bin/env bash
# Removes what an install put in place: each file in the list the install left (one path a line,
# the last one without its newline), then the game's own data folders that this leaves empty.
# Shared folders (bin/, the icon theme's, applications/) stay, even empty: other programs and the
# system own them too. The list goes last.
set -euo pipefail
list=$1

while IFS= read -r file || [ -n "$file" ]; do
  rm -f -- "$file"
done <"$list"
while IFS= read -r file || [ -n "$file" ]; do
  folder=$(dirname -- "$file")
  while [[ $folder == */glintbreaker || $folder == */glintbreaker/* ]] &&
    rmdir -- "$folder" 2>/dev/null; do
    folder=$(dirname -- "$folder")
  done
done <"$list"
rm -f -- "$list"
