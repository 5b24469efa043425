#!/usr/bin/env bash
# Installs the build into an empty prefix and checks what a desktop needs of it: the
# executable, a valid desktop entry and AppStream metainfo, and icons of every size.
set -euo pipefail
build_dir=$1
id=org.kestrova.fenwake
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/fenwake"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"

grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
grep -qx "Exec=fenwake" "$prefix/share/applications/$id.desktop"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    file "$icon" | grep -q "PNG image data, $size x $size"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/$id.svg"

# The installed program starts (offscreen), and is still running when it is stopped.
config=$(mktemp -d)
status=0
XDG_CONFIG_HOME=$config XDG_STATE_HOME=$config/state QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/fenwake" \
    2>/dev/null || status=$?
rm -rf "$config"
test "$status" -eq 124
echo "install layout, desktop entry, metainfo and icons are valid"
