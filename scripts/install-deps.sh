#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the program need.
# Safe to run again. Needs root (or sudo) on Debian 12.
set -euo pipefail

packages=(
  # toolchain
  build-essential g++ cmake ninja-build pkg-config git ccache
  # JUCE and the system libraries Debian's JUCE links against
  juce-modules-source
  libasound2-dev libjack-jackd2-dev libfreetype-dev libfontconfig1-dev
  libx11-dev libxcomposite-dev libxcursor-dev libxext-dev libxinerama-dev
  libxrandr-dev libxrender-dev libgl-dev libglu1-mesa-dev
  libpng-dev libjpeg-dev libflac-dev libvorbis-dev libogg-dev zlib1g-dev
  # libraries of the program
  libspdlog-dev libfmt-dev libboost-dev libconcurrentqueue-dev liblz4-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libzita-resampler-dev      # the resampler benchmark's comparison only; the program never links it
  python3-scipy              # tools/interpolation_kernel (by hand, never at build time)
  # a display for GUI tests, fonts embedded at build time
  xvfb xauth fonts-inter fonts-font-awesome
  clang libclang-rt-14-dev   # libFuzzer for the optional fuzz targets (FH_BUILD_FUZZERS)
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
