#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root and starts it as a user does from a
# terminal or the menu: through its /usr/bin/tarvek-catalog, from a folder of the user's.
# Checks the start picture, the gas list and the documents beside the program, the files the
# user names found in that folder, and that the desktop entry, icons, metainfo, MIME type and
# package documents are where the system looks for them.
set -euo pipefail
package_dir=$1 inspector=$2 gases_csv=$3
source "$(dirname "$0")/started_program_checks.sh"
debs=("$package_dir"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "expected one package in $package_dir: ${debs[*]}"; exit 1; }
root=$(mktemp -d) work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
dpkg-deb -x "${debs[0]}" "$root"

desktop=$root/usr/share/applications/com.tarvek.Catalog.desktop
[[ -f "$desktop" ]] || { echo "no desktop entry"; exit 1; }
exec=$(sed -n 's/^Exec=//p' "$desktop")
[[ "$exec" == "/usr/bin/tarvek-catalog %f" ]] && ! grep -q '^Path=' "$desktop" ||
  { echo "desktop entry names Exec=$exec $(grep '^Path=' "$desktop")"; exit 1; }
exec=${exec% %f}
for file in usr/share/metainfo/com.tarvek.Catalog.metainfo.xml usr/share/man/man1/tarvek-catalog.1.gz \
            usr/share/mime/packages/com.tarvek.Catalog.xml \
            usr/share/doc/tarvek-catalog/copyright usr/share/doc/tarvek-catalog/changelog.gz \
            usr/share/tarvek-catalog/Gases.mdb; do
  [[ -s "$root/$file" ]] || { echo "missing /$file"; exit 1; }
done
for size in 16 32 48 64 128 256; do
  [[ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/com.tarvek.Catalog.png" ]] ||
    { echo "missing ${size}x${size} icon"; exit 1; }
done

cd "$work"
out=$(QT_QPA_PLATFORM=offscreen LD_PRELOAD="$inspector" timeout 30 "$root$exec")
echo "$out"
check_picture_and_gases "$out" $(($(grep -c . "$gases_csv") - 1))
check_documents_beside_program "$out" "$root/usr/lib/tarvek-catalog"
check_files_named_by_the_user "$root$exec" "$inspector"
echo "packaged program started through $exec from $work: start picture, gases, documents and the user's files found"
