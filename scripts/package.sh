#!/usr/bin/env bash
# Builds the Debian package build-pkg/trelvo_<version>_<arch>.deb from this checkout and checks it
# with lintian. The package gets a build folder of its own (Release, installed under /usr), so the
# development build and its question bank are never touched.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/setup.sh"
cd "$here/.."
build=build-pkg

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTRELVO_PACKAGE=ON -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j2
rm -f "$build"/trelvo_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/trelvo_*.deb)

# CPack gives any package with a shared object under /usr/lib a postinst and postrm that run
# ldconfig; the video module lies in the private program folder, which ldconfig never reads, so
# the package is rebuilt without those scripts (the postrm would also keep the package listed in
# state "rc" after `apt remove`).
case "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)" in
*./postinst* | *./postrm*)
  tree="$build/deb-tree"
  rm -rf "$tree"
  dpkg-deb -R "$deb" "$tree"
  rm -f "$tree/DEBIAN/postinst" "$tree/DEBIAN/postrm"
  dpkg-deb --root-owner-group -Zgzip -b "$tree" "$deb" >/dev/null
  rm -rf "$tree"
  ;;
esac

desktop-file-validate packaging/*.desktop
appstreamcli validate --no-net packaging/*.metainfo.xml >/dev/null
lintian --fail-on error --info "$deb"
echo "软件包：$deb（$(du -h "$deb" | cut -f1)）"
