#!/usr/bin/env bash
# Builds the Debian package orvedit_VERSION_ARCH.deb in the build folder and checks what it holds:
# its control fields (a Maintainer, the library dependencies the programs need, the Qt platform
# plugins) and every file a desktop needs; then Debian's own checker, lintian, must find no error
# and no warning in it.
# Usage: scripts/package.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
scripts/setup.sh --install-only lintian
scripts/setup.sh "$build_dir"
SECONDS=0
rm -f "$build_dir"/orvedit_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
debs=("$build_dir"/orvedit_*.deb)
deb="${debs[0]}"
echo "Package: $deb"
dpkg-deb -f "$deb" Package Version Architecture Maintainer Section Depends

status=0
fail() { echo "package check: $*" >&2; status=1; }
depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-qpa-plugins libqt6widgets6 libqt6printsupport6 libqt6multimedia6 \
              libespeak-ng1 libcups2 libc6; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/orvedit ./usr/bin/orvtool ./usr/lib/orvedit/plugins/liborvplayer.so \
            ./usr/share/applications/orvedit.desktop \
            ./usr/share/mime/packages/orvedit.xml \
            ./usr/share/metainfo/org.orvane.orvedit.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/orvedit.svg \
            ./usr/share/icons/hicolor/16x16/apps/orvedit.png \
            ./usr/share/icons/hicolor/256x256/apps/orvedit.png \
            ./usr/share/man/man1/orvedit.1.gz ./usr/share/man/man1/orvtool.1.gz \
            ./usr/share/orvedit/samples/club-repeater.orv \
            ./usr/share/orvedit/samples/club-repeater.txt \
            ./usr/share/doc/orvedit/copyright ./usr/share/doc/orvedit/changelog.gz; do
    grep -qxF "$file" <<<"$contents" || fail "missing $file"
done
# Informational and pedantic tags are shown too, but only errors and warnings fail.
echo "lintian:"
lintian --allow-root --pedantic -I --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"
echo "Package built and checked in ${SECONDS} s"
exit "$status"
