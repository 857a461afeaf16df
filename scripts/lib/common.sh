# Shared by the project's scripts: the Debian packages the project needs, installed only when
# missing, and the configure-and-build step.

# shellcheck shell=bash
TESSILAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Everything the project needs to build, run and test, by Debian package name.
TESSILAR_PACKAGES=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libxcb1-dev
  libqrencode-dev libzip-dev zbar-tools
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool imagemagick x11-utils
  clang libclang-rt-14-dev
  g++-aarch64-linux-gnu
  desktop-file-utils appstream dpkg-dev librsvg2-bin procps
  python3 lintian man-db groff-base poppler-utils qpdf
  gettext python3-polib
  emscripten node-acorn nodejs chromium
  at-spi2-core python3-pyatspi dbus-x11
)

tessilar_missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

# Installs the packages that are missing; does nothing (and needs no network) when all are there.
tessilar_install_packages() {
  local missing
  mapfile -t missing < <(tessilar_missing_packages "${TESSILAR_PACKAGES[@]}" "$@")
  ((${#missing[@]} == 0)) && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "run as root or install sudo" >&2; return 1; }
    sudo=(sudo)
  fi
  # A fresh machine has empty package lists: refresh them once before installing.
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures the given build folder (quick once it is configured); extra arguments go to the
# configure step.
tessilar_configure() {
  local dir=$1
  shift
  cmake -S "$TESSILAR_ROOT" -B "$dir" "$@" >/dev/null
}

# Configures and builds the given build folder; extra arguments go to the configure step, those
# after a `--` to `cmake --build`.
tessilar_build() {
  local dir=$1
  shift
  local configure=() build=()
  while (($#)); do
    if [[ $1 == -- ]]; then
      shift
      build=("$@")
      break
    fi
    configure+=("$1")
    shift
  done
  tessilar_configure "$dir" "${configure[@]}"
  cmake --build "$dir" -j2 "${build[@]}"
}

# The development build in build/, one configuration for scripts/run.sh and scripts/test.sh;
# extra arguments go to the configure step.
tessilar_configure_dev_build() {
  tessilar_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}
