#!/bin/sh
# The tick cadence while every tick plays a sound that is no file at all:
# path.wav a link to /dev/urandom, in a private Xvfb, without a sound card.
# Usage: bench/sound_cadence.sh BUILD_DIR [SECONDS]
set -u
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_begin sound_cadence "${1:?usage: bench/sound_cadence.sh BUILD_DIR [SECONDS]}/bench/tick_cadence" $((${2:-20} + 60))
ln -s /dev/urandom "$e2e_work/path.wav"
start_xvfb
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$e2e_game" "${2:-20}" "$e2e_work" || fail "tick_cadence failed"
