#!/usr/bin/env bash
# Installs what is missing, builds both programs, lays out the working folder run/ (Orvane,
# Orvane-Calc and the attenuation table side by side) and starts Orvane there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_GUI=ON
cmake --build build -j"$(nproc)" --target Orvane Orvane-Calc
mkdir -p run
cp build/frontend/app/Orvane build/engine/Orvane-Calc data/MUs-OV.dat run/
echo "Working folder: $(pwd)/run (exchange files B_SPCTL.dat, B2F.dat, Beam_Axis.dat, Result.dat)"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop found (DISPLAY is not set). Start it under a virtual one with: (cd run && xvfb-run -a ./Orvane)"
  exit 1
fi
cd run
exec ./Orvane
