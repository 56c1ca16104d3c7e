#!/usr/bin/env bash
# Installs the build into a staging folder and checks that every file is in its standard place
# and that the desktop entry and the AppStream metainfo validate.
#   check-install.sh BUILD_DIR STAGING_DIR
set -euo pipefail
build=$1 staging=$2
id=example.nv.ITCalculator
rm -rf "$staging"
cmake --install "$build" --prefix "$staging" >/dev/null

expected=(
  bin/nvcalc
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
for file in "${expected[@]}"; do
  [ -f "$staging/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -x "$staging/bin/nvcalc" ] || { echo "bin/nvcalc is not executable"; exit 1; }

desktop-file-validate "$staging/share/applications/$id.desktop"
appstreamcli validate --no-net "$staging/share/metainfo/$id.metainfo.xml"
echo "installed and valid: ${#expected[@]} files"
