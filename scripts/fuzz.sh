#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under ASan and UBSan (in build-fuzz/) and runs each for
# a fixed time: the RTF reader for 30 seconds, the JPEG decoder for 20, the lexicon readers for 15.
# Needs scripts/setup.sh to have installed clang first.
set -euo pipefail
cd "$(dirname "$0")/.."

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVAN_BUILD_FUZZ=ON -DORVAN_BUILD_TESTS=OFF -DORVAN_BUILD_SAMPLE=OFF
cmake --build build-fuzz --target rtf_fuzz jpeg_fuzz lexicon_fuzz

seeds=build-fuzz/rtf-seeds
mkdir -p "$seeds" build-fuzz/lexicon-seeds
if [ -d ../shared/rtf-corpus/pandoc ]; then
    cp ../shared/rtf-corpus/pandoc/*.rtf "$seeds"/
fi
build-fuzz/fuzz/rtf_fuzz -max_total_time=30 -dict=fuzz/rtf.dict "$seeds"
# The JPEG seeds are copied so that the corpus the fuzzer grows stays outside the repository.
mkdir -p build-fuzz/jpeg-seeds
cp fuzz/jpeg-seeds/*.jpg build-fuzz/jpeg-seeds/
build-fuzz/fuzz/jpeg_fuzz -max_total_time=20 -rss_limit_mb=1024 build-fuzz/jpeg-seeds
build-fuzz/fuzz/lexicon_fuzz -max_total_time=15 build-fuzz/lexicon-seeds
