#!/usr/bin/env bash
# Fuzzes the GIF decoder natively (not part of CI): bash scripts/fuzz-gif.sh [seconds], default 300.
FUZZ_SECONDS=${1:-${FUZZ_SECONDS:-300}} exec bash "$(dirname "$0")/fuzz.sh" GifDecoderFuzz
