#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks that its dependencies come
# from the libraries the program links (dpkg-shlibdeps) and that it carries the installed
# files under /usr.
#   check_deb.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "FAILED: cpack -G DEB"
    exit 1
fi
deb=$(ls "$out"/tabulo_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAILED: no tabulo_${version}_*.deb"; ls "$out"; exit 1; }

failures=0
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -q "\b$package\b" <<<"$depends" || { echo "FAILED: no dependency on $package"; failures=$((failures + 1)); }
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/tabulo ./usr/share/applications/org.tabulo.Tabulo.desktop \
    ./usr/share/mime/packages/org.tabulo.Tabulo.xml ./usr/share/metainfo/org.tabulo.Tabulo.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/tabulo.svg ./usr/share/tabulo/samples/Contacts.Tbd \
    ./usr/share/man/man1/tabulo.1.gz; do
    grep -q " $file\$" <<<"$contents" || { echo "FAILED: $file not in the package"; failures=$((failures + 1)); }
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "FAILED: version"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "package $(basename "$deb") is complete"
exit "$failures"
