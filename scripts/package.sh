#!/usr/bin/env bash
# Builds the Debian package of the analyser, corvane-log-analyzer_<version>_amd64.deb,
# in build-package/ (the preset "package": no tests, warnings as errors) and prints
# the package's path as its last line.  Run as root on Debian 12: it installs what it
# needs through scripts/install-deps.sh.  tests/package/check_package.sh checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >&2
# Debian's compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
cmake --preset package -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build --preset package >&2
rm -f build-package/corvane-log-analyzer_*.deb
(cd build-package && cpack -G DEB >&2)
deb=$(ls build-package/corvane-log-analyzer_*_amd64.deb)
realpath "$deb"
