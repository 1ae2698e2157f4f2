#!/usr/bin/env bash
# Installs into a temporary prefix and starts the installed program the way the desktop
# does, with the desktop entry's Exec=, from a folder of the user's. Checks the start picture
# and the gas list loaded, the documents found beside the program, the icon, metainfo and the
# quote document's MIME type in place, and that the files a user names on the command line
# (a quote's lines and output, a quote to open) are found where the command was started.
set -euo pipefail
build=$1 inspector=$2
source "$(dirname "$0")/started_program_checks.sh"
prefix=$(mktemp -d) work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/com.tarvek.Catalog.desktop
exec=$(sed -n 's/^Exec=//p' "$desktop")
[[ "$exec" == *" %f" && -x "${exec% %f}" ]] || { echo "desktop entry points nowhere: Exec=$exec"; exit 1; }
exec=${exec% %f}
! grep -q '^Path=' "$desktop" || { echo "the desktop entry changes the working directory"; exit 1; }
grep -qx 'MimeType=application/x-tarvek-quote;' "$desktop" || { echo "no quote MIME type in the desktop entry"; exit 1; }
mime=$prefix/share/mime/packages/com.tarvek.Catalog.xml
grep -q 'type="application/x-tarvek-quote"' "$mime" && grep -q 'pattern="\*.tquote"' "$mime" ||
  { echo "no MIME type for the quote document in $mime"; exit 1; }
[[ -f "$prefix/share/metainfo/com.tarvek.Catalog.metainfo.xml" ]] || { echo "no metainfo"; exit 1; }
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/com.tarvek.Catalog.png
  [[ -s "$icon" ]] || { echo "missing icon $icon"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi

cd "$work"
out=$(QT_QPA_PLATFORM=offscreen LD_PRELOAD="$inspector" timeout 30 "$exec")
echo "$out"
grep -qx 'picture=MX2 Valves.jpg' <<<"$out" || { echo "start picture not requested"; exit 1; }
grep -qx 'loaded=1' <<<"$out" || { echo "start picture not loaded from $prefix/share/tarvek-catalog"; exit 1; }
gases=$(sed -n 's/^gases=//p' <<<"$out")
[[ "${gases:-0}" -gt 0 ]] || { echo "gas list empty"; exit 1; }
check_documents_beside_program "$out" "$prefix/lib/tarvek-catalog"
check_files_named_by_the_user "$prefix/bin/tarvek-catalog" "$inspector"
echo "installed program started from $work: start picture, $gases gases and the documents loaded;" \
  "the user's files found there"
