# Sourced by scripts/run and scripts/test: installs the Debian packages that are missing.
tesuli_install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Tesuli needs these Debian packages: ${missing[*]}" >&2
      echo "You are not root and there is no sudo: ask an administrator to run" >&2
      echo "  apt-get install ${missing[*]}" >&2
      exit 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  if ! { "${sudo[@]}" apt-get update -qq &&
         DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
    echo "Could not install ${missing[*]} with apt-get. Install them by hand and run this again." >&2
    exit 1
  fi
}

TESULI_BUILD_PACKAGES=(cmake g++ make pkgconf qt6-base-dev libgl-dev libfontconfig-dev libsqlite3-dev libstb-dev
  libgtest-dev libbenchmark-dev libx11-dev libxdamage-dev libxtst-dev fonts-dejavu-core)

# The browser version: emscripten builds it, Chromium and node (with puppeteer-core from npm) test it.
TESULI_WEB_PACKAGES=(cmake ninja-build emscripten nodejs python3)
TESULI_WEB_TEST_PACKAGES=(chromium)
