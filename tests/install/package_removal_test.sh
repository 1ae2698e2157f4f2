#!/usr/bin/env bash
# Installs the Debian package with dpkg into an empty scratch root (its own package
# database beside it), runs the program once, removes the package and checks that the root
# is empty again. What dpkg installed must be exactly the package's file list: a file made
# at install or run time would stay behind on removal.
set -euo pipefail
package_dir=$1 inspector=$2
debs=("$package_dir"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "expected one package in $package_dir: ${debs[*]}"; exit 1; }
deb=${debs[0]}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root admin=$work/dpkg
mkdir -p "$root" "$admin"/{info,updates,triggers}
touch "$admin/status"

# dpkg wants root, and ldconfig and start-stop-daemon in PATH; fakeroot serves other users.
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(fakeroot)
scratch_dpkg() {
  PATH=/usr/sbin:/sbin:$PATH "${as_root[@]}" dpkg --admindir="$admin" --instdir="$root" --log=/dev/null "$@" \
    >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; return 1; }
}
files_in_root() { (cd "$root" && find . -mindepth 1 | sed 's|^\./||' | sort); }

# The libraries it depends on are the system's, outside this root.
scratch_dpkg --force-depends --install "$deb"
listed=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||; s|/$||' | grep . | sort)
installed=$(files_in_root)
[[ "$installed" == "$listed" ]] ||
  { echo "installed files differ from the package's list:"; diff <(echo "$listed") <(echo "$installed"); exit 1; }

out=$(cd "$work" && QT_QPA_PLATFORM=offscreen LD_PRELOAD="$inspector" timeout 30 "$root/usr/bin/tarvek-catalog")
grep -qx 'loaded=1' <<<"$out" || { echo "the installed program did not start: $out"; exit 1; }
after_run=$(files_in_root)
[[ "$after_run" == "$installed" ]] ||
  { echo "running the program changed the installed files:"; diff <(echo "$installed") <(echo "$after_run"); exit 1; }

scratch_dpkg --purge tarvek-catalog
left=$(files_in_root)
[[ -z "$left" ]] || { echo "left behind after removal:"; echo "$left"; exit 1; }
echo "$(wc -l <<<"$listed") paths installed as listed in the package, all removed again"
