#!/usr/bin/env bash
# Makes the Debian package from the build folder into a folder of its own, so that the
# package tests find exactly one package there.
set -euo pipefail
build=$1 package_dir=$2 cpack=$3
rm -rf "$package_dir"
"$cpack" --config "$build/CPackConfig.cmake" -B "$package_dir"
