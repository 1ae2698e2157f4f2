#!/usr/bin/env bash
# Installs into a temporary prefix and starts the installed program the way the desktop
# does: from the desktop entry's Path= with its Exec=. Checks the start picture and the gas
# list loaded, the documents found beside the program, and that the icon and metainfo are in
# place.
set -euo pipefail
build=$1 inspector=$2
source "$(dirname "$0")/started_program_checks.sh"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/com.tarvek.Catalog.desktop
path=$(sed -n 's/^Path=//p' "$desktop")
exec=$(sed -n 's/^Exec=//p' "$desktop")
[[ -d "$path" && -x "$exec" ]] || { echo "desktop entry points nowhere: Path=$path Exec=$exec"; exit 1; }
[[ -f "$prefix/share/metainfo/com.tarvek.Catalog.metainfo.xml" ]] || { echo "no metainfo"; exit 1; }
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/com.tarvek.Catalog.png
  [[ -s "$icon" ]] || { echo "missing icon $icon"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi

cd "$path"
out=$(QT_QPA_PLATFORM=offscreen LD_PRELOAD="$inspector" timeout 30 "$exec")
echo "$out"
grep -qx 'picture=MX2 Valves.jpg' <<<"$out" || { echo "start picture not requested"; exit 1; }
grep -qx 'loaded=1' <<<"$out" || { echo "start picture not loaded from $path"; exit 1; }
gases=$(sed -n 's/^gases=//p' <<<"$out")
[[ "${gases:-0}" -gt 0 ]] || { echo "gas list empty"; exit 1; }
check_documents_beside_program "$out" "$prefix/lib/tarvek-catalog"
echo "installed program started from $path: start picture, $gases gases and the documents loaded"
