#!/usr/bin/env bash
# Installs what is missing on a Debian machine, builds, then starts the
# program ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

packages=(cmake ninja-build g++ pkgconf python3
  qtbase5-dev libqt5sql5-sqlite libqt5serialport5-dev libqt5svg5-dev
  qttools5-dev qttools5-dev-tools libqwt-qt5-dev
  fonts-dejavu-core xvfb xauth socat poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=${BUILD_DIR:-build}
# Both modes configure one build folder alike (the program's own code has no
# warnings, so they are errors in both), so one after the other builds nothing
# twice. "run" builds the program and the simulated analyzer the README offers
# for trying it; "test" builds everything.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVANA_WERROR=ON >/dev/null
targets=()
[ "$mode" = run ] && targets=(--target sorvana analyzer-sim)
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"

if [ "$mode" = test ]; then
  cd "$build"
  exec env QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
fi

# Without a display Qt would abort in its platform plugin; say what to do.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<EOF
There is no display to show the program's window on (DISPLAY is not set).
Start it on a virtual display instead:
  Xvfb :99 -screen 0 1280x800x24 -nolisten tcp &
  DISPLAY=:99 bash $0 run
or in one step:  xvfb-run -a -s "-screen 0 1280x800x24" bash $0 run
EOF
  exit 1
fi
exec "$build/app/sorvana"
