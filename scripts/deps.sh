#!/usr/bin/env bash
# Installs the Debian packages a task needs when any of them is missing.
# Usage: scripts/deps.sh native|windows|fuzz|bench|all
set -euo pipefail

# dpkg-dev brings dpkg-shlibdeps, which gives the Debian package its dependencies.
native=(cmake make ccache g++ gfortran pkg-config dpkg-dev libgtest-dev googletest libbenchmark-dev
        libcairo2-dev libpango1.0-dev zlib1g-dev libx11-dev fonts-dejavu-core fonts-ipafont-gothic xvfb
        doxygen python3 libxml2-utils)
windows=(googletest g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
         gfortran-mingw-w64-x86-64-posix wine wine64)
# clang with libFuzzer and the sanitizer runtimes, for scripts/fuzz.sh.
fuzz=(clang clang-14 libclang-rt-14-dev)
# The peers the benches measure against: PLplot with the device it draws PNGs with, and
# giza (PGPLOT's interface) for the live view on a screen.
bench=(libplplot-dev plplot-driver-cairo giza-dev)

case "${1:-all}" in
  native) wanted=("${native[@]}") ;;
  windows) wanted=("${native[@]}" "${windows[@]}") ;;
  fuzz) wanted=("${native[@]}" "${fuzz[@]}") ;;
  bench) wanted=("${native[@]}" "${bench[@]}") ;;
  all) wanted=("${native[@]}" "${windows[@]}" "${fuzz[@]}") ;;
  *) echo "usage: $0 native|windows|fuzz|bench|all" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages and not root; install them first: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
