#!/usr/bin/env bash
# Fuzzes the GIF decoder natively (not part of CI): bash scripts/fuzz-gif.sh [seconds], default 600 (ten minutes).
FUZZ_SECONDS=${1:-${FUZZ_SECONDS:-600}} exec bash "$(dirname "$0")/fuzz.sh" GifDecoderFuzz
