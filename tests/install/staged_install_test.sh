#!/usr/bin/env bash
# A staged install (DESTDIR) writes every file under the stage and nothing into the prefix
# itself, while what it installs names the prefix the files will finally live in.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null

[[ ! -e "$prefix" ]] || { echo "the staged install wrote into the prefix:"; find "$prefix"; exit 1; }
outside=$(find "$work" -mindepth 1 -not -type d -not -path "$stage$prefix/*")
[[ -z "$outside" ]] || { echo "written outside $stage$prefix:"; echo "$outside"; exit 1; }
desktop=$stage$prefix/share/applications/com.tarvek.Catalog.desktop
grep -qx "Exec=$prefix/bin/tarvek-catalog %f" "$desktop" ||
  { echo "the desktop entry does not name the final prefix:"; cat "$desktop"; exit 1; }
echo "staged install: $(find "$stage" -type f | wc -l) files, all under $stage$prefix"
