#!/usr/bin/env bash
# The distribution's own checks on the Debian package: lintian (no errors or warnings), the
# libraries it depends on, and the desktop entry and AppStream metainfo validators.
set -euo pipefail
package_dir=$1
debs=("$package_dir"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "expected one package in $package_dir: ${debs[*]}"; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "${debs[0]}" "$root"

lintian --fail-on error,warning "${debs[0]}"
# After apt install the document buttons open their documents: a PDF viewer comes with the package.
recommends=$(dpkg-deb -f "${debs[0]}" Recommends)
[[ ", $recommends," == *", pdf-viewer,"* ]] || { echo "the package does not recommend pdf-viewer: $recommends"; exit 1; }
# The quote's workbooks are written by libxlsxwriter and read through minizip: both come with
# the package (dpkg-shlibdeps finds them in what the program links).
depends=$(dpkg-deb -f "${debs[0]}" Depends)
for library in libxlsxwriter libminizip1; do
  [[ "$depends" == *"$library"* ]] || { echo "the package does not depend on $library: $depends"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/com.tarvek.Catalog.desktop"
appstreamcli validate --no-net --strict "$root/usr/share/metainfo/com.tarvek.Catalog.metainfo.xml"
