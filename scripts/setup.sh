# Sourced by play.sh and test.sh: installs what is missing, then configures and builds.
# Usage: setup_and_build BUILD_DIR [extra cmake arguments...]

QUELMOR_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libsdl2-mixer-dev fluidsynth timgm6mb-soundfont libfontconfig-dev
  libgif-dev libpng-dev googletest libgtest-dev nlohmann-json3-dev
  fonts-liberation strace
  xvfb xauth xdotool openbox x11-utils
)

install_missing_packages() {
  local missing=()
  for p in "${QUELMOR_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "These Debian packages are missing and I am not root: ${missing[*]}" >&2
      return 1
    fi
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

setup_and_build() {
  local dir="$1"; shift
  install_missing_packages
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j"$(nproc)"
}
