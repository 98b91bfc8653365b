#!/usr/bin/env bash
# The Debian package made from this build by the package.build test: the files it installs, its
# dependencies and version, and its software-centre entry.
set -euo pipefail
viewer="$1"
build="$(cd "$(dirname "$viewer")" && pwd)"
fail=0
say() { echo "FAIL: $*"; fail=1; }

shopt -s nullglob
debs=("$build"/deb-test/vemora-viewer_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one package in $build/deb-test, found ${#debs[@]}"; exit 1; }
deb="${debs[0]}"
contents="$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')"

id="org.vemora.viewer"
for entry in ./usr/bin/vemora-viewer ./usr/bin/vemora \
    ./usr/share/vemora-viewer/res/gmap.html ./usr/share/vemora-viewer/res/BMap.html \
    "./usr/share/vemora-viewer/res/leaflet -> ../../javascript/leaflet" \
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
    ./usr/share/icons/hicolor/scalable/apps/vemora-viewer.svg \
    ./usr/share/man/man1/vemora.1.gz ./usr/share/man/man1/vemora-viewer.1.gz \
    ./usr/share/doc/vemora-viewer/copyright ./usr/share/doc/vemora-viewer/changelog.gz; do
  grep -qxF -- "$entry" <<<"$contents" || say "not in the package: $entry"
done
# The pages' Leaflet link ends in Debian's copy once the package's dependencies are installed.
dpkg -L libjs-leaflet | grep -qx /usr/share/javascript/leaflet/leaflet.js ||
  say "libjs-leaflet has no /usr/share/javascript/leaflet/leaflet.js"

depends="$(dpkg-deb -f "$deb" Depends)"
for package in libvlc5 libvlc-bin vlc-plugin-base libqt6webenginewidgets6 libqt6webenginecore6-bin libjs-leaflet libva2; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || say "Depends does not name $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$("$build/vemora" --version | cut -d' ' -f2)" ] ||
  say "package version $(dpkg-deb -f "$deb" Version) is not the programs' version"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
metainfo="$(cat "$work/usr/share/metainfo/$id.metainfo.xml")"
grep -qF "<id>$id</id>" <<<"$metainfo" || say "metainfo id is not $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" <<<"$metainfo" ||
  say "metainfo does not launch $id.desktop"
report="$(appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml" 2>&1)" || say "appstreamcli validate: $report"

[ "$fail" -eq 0 ] && echo "PASS"
exit "$fail"
