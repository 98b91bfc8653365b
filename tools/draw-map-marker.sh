#!/usr/bin/env bash
# Draws the map page's position marker, res/gmap_ufo.png: a small flying saucer, 32 x 32 pixels,
# transparent around it. Run again only to change the picture; the PNG is kept in the repository.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/res/gmap_ufo.png"
convert -size 32x32 xc:none \
  -fill 'rgba(120,200,255,0.85)' -stroke '#1c3f66' -strokewidth 1 -draw 'ellipse 16,14 7,7 180,360' \
  -fill '#c8ccd4' -stroke '#2a2d33' -strokewidth 1.2 -draw 'ellipse 16,17 14,5 0,360' \
  -fill '#8a909a' -stroke none -draw 'ellipse 16,19 11,2 0,180' \
  -fill '#ffd23c' -draw 'circle 8,17 9.4,17' -draw 'circle 16,18.5 17.4,18.5' -draw 'circle 24,17 25.4,17' \
  -fill 'rgba(255,255,255,0.7)' -draw 'ellipse 13,11 2,1.5 0,360' \
  -strip "PNG32:$out"
