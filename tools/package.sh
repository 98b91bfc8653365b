#!/usr/bin/env bash
# Builds a release of both programs and writes the Debian package with CPack.
#   tools/package.sh [OUTDIR]   writes OUTDIR/vemora-viewer_<version>_amd64.deb (default OUTDIR: build/)
# The release is built in build-release/ with Debian's hardening flags; install the package with
#   apt-get install ./vemora-viewer_<version>_amd64.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
builddir="$root/build-release"

"$root/tools/install-deps.sh"

# The flags Debian builds its own packages with, every hardening feature on (fortified functions,
# stack protector, read-only relocations bound at start); their optimisation level (-O2) stands,
# as in Debian's packages: the release type only adds NDEBUG.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags="$(dpkg-buildflags --get CPPFLAGS)"
cflags="$(dpkg-buildflags --get CFLAGS) $cppflags"
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $cppflags"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S "$root" -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_FLAGS_RELEASE=-DNDEBUG -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DVEMORA_BUILD_TESTS=OFF -DVEMORA_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS="$cflags" -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build "$builddir" -j"$(nproc)"
cpack --config "$builddir/CPackConfig.cmake" -B "$out"
rm -rf "$out/_CPack_Packages"
