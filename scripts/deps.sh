# Sourced by run.sh and test.sh: installs the Debian packages the build needs,
# only those that are missing.
GV_PACKAGES="g++ cmake ninja-build libgtest-dev qt6-base-dev qt6-serialport-dev qt6-qpa-plugins libqt6printsupport6 fonts-dejavu-core socat xvfb xauth"
gv_install_deps() {
  local missing=""
  for p in $GV_PACKAGES; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
  done
  if [ -n "$missing" ]; then
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
  fi
}
gv_build() {
  local dir="$1"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
