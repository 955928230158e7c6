#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks that its dependencies come
# from the libraries the program links (dpkg-shlibdeps), that it carries the installed
# files under /usr with its licence terms and changelog, and, when lintian is installed,
# that lintian finds no error and no warning in it.
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
    ./usr/share/man/man1/tabulo.1.gz ./usr/share/man/man1/tabulo-cli.1.gz \
    ./usr/share/doc/tabulo/copyright ./usr/share/doc/tabulo/changelog.gz; do
    grep -q " $file\$" <<<"$contents" || { echo "FAILED: $file not in the package"; failures=$((failures + 1)); }
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "FAILED: version"; failures=$((failures + 1)); }
dpkg-deb -x "$deb" "$out/root"
changelog_version=$(zcat "$out/root/usr/share/doc/tabulo/changelog.gz" | dpkg-parsechangelog -l- -SVersion)
[ "$changelog_version" = "$version" ] ||
    { echo "FAILED: the changelog's last entry is $changelog_version"; failures=$((failures + 1)); }
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1 ||
        { echo "FAILED: lintian"; failures=$((failures + 1)); }
    cat "$out/lintian.log"
else
    echo "lintian is not installed: the package's policy checks are skipped"
fi
[ "$failures" -eq 0 ] && echo "package $(basename "$deb") is complete"
exit "$failures"
