#!/usr/bin/env bash
# Installs the build into a staging folder, as a package would, and checks what a desktop
# user gets: the program runs from its installed place and opens the installed sample,
# its help file sits where the program looks for it, and the desktop entry, AppStream
# entry, icons and file type are complete and valid.
#   check_install.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@" >"$stage/out.txt" 2>&1; then echo "ok: $what"; else fail "$what"; cat "$stage/out.txt"; fi
}

DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
    { cat "$stage/install.log"; echo "FAILED: cmake --install"; exit 1; }
usr=$stage/usr
share=$usr/share
app_id=org.tabulo.Tabulo

check "installed tabulo --version" bash -c "'$usr/bin/tabulo' --version | grep -qx 'Tabulo $version'"

for file in \
    bin/tabulo \
    bin/tabulo-designer \
    share/applications/org.tabulo.TabuloDesigner.desktop \
    share/man/man1/tabulo-designer.1.gz \
    share/tabulo/Tabulo.Txt \
    share/tabulo/samples/Contacts.Tbd share/tabulo/samples/Cities.Tbd \
    share/applications/$app_id.desktop \
    share/metainfo/$app_id.metainfo.xml \
    share/mime/packages/$app_id.xml \
    share/man/man1/tabulo.1.gz \
    share/icons/hicolor/scalable/apps/tabulo.svg; do
    [ -s "$usr/$file" ] && echo "ok: $file" || fail "$file is not installed"
done
# The program looks for its help file in its own folder, then in ../share/tabulo.
[ -s "$usr/bin/../share/tabulo/Tabulo.Txt" ] || fail "help file not at ../share/tabulo from bin"

for size in 16 22 24 32 48 64 128 256 512; do
    png=$share/icons/hicolor/${size}x${size}/apps/tabulo.png
    check "icon ${size}x${size}" bash -c "file '$png' | grep -q 'PNG image data, $size x $size'"
done

desktop=$share/applications/$app_id.desktop
check "desktop-file-validate" desktop-file-validate "$desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml"
check "desktop entry starts the installed program on a file" grep -qx 'Exec=tabulo %f' "$desktop"
check "desktop entry names the installed icon" grep -qx 'Icon=tabulo' "$desktop"
check "desktop entry names the database type" grep -qx 'MimeType=application/x-tabulo;' "$desktop"
check "man page reads" bash -c "zcat '$share/man/man1/tabulo.1.gz' | grep -q 'Tabulo $version'"
check "designer's desktop entry validates" desktop-file-validate \
    "$share/applications/org.tabulo.TabuloDesigner.desktop"

# The file type, compiled as the desktop compiles it: ".Tbd" in any case is a database.
check "update-mime-database" update-mime-database "$share/mime"
check "mime glob for .Tbd" grep -qx '50:application/x-tabulo:\*.tbd' "$share/mime/globs2"

# The installed program opens a copy of the installed sample, named with its folder and
# extension as a file manager passes it, and shows its window without a message.
work=$stage/work
mkdir -p "$work"
cp "$share/tabulo/samples/"*.Tbd "$work/"
check "installed tabulo opens the sample" env QT_QPA_PLATFORM=offscreen \
    TABULO_QUIT_AFTER_FIRST_PAINT=1 timeout 60 "$usr/bin/tabulo" "$work/Contacts.Tbd"
check "installed designer opens the sample" env QT_QPA_PLATFORM=offscreen \
    TABULO_QUIT_AFTER_FIRST_PAINT=1 timeout 60 "$usr/bin/tabulo-designer" "$work/Contacts.Tbd"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install checks passed"
