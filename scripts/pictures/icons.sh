#!/usr/bin/env bash
# Makes the program's icons (hicolor sizes) from the built-in skin's background.
set -euo pipefail
cd "$(dirname "$0")/../../src/resources"
mkdir -p icons
for s in 16 32 48 64 128 256; do
  convert defskin0.bmp -transparent '#FF00FF' -background none -gravity center -extent 100x100 \
    -filter point -resize "${s}x${s}" "icons/orbo-$s.png"
done
# Windows: one .ico holding the sizes Explorer asks for.
convert icons/orbo-16.png icons/orbo-32.png icons/orbo-48.png icons/orbo-256.png icons/orbo.ico
