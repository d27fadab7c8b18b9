#!/usr/bin/env bash
# Draws Gridora's application icon: a three-by-three board of white cells
# with one-pixel black lines, on a blue ground, in flat 16-colour style.
#
#   resources/icon.png                              32 x 32, embedded in the app
#   resources/icons/hicolor/NxN/apps/gridora.png    N = 16 32 48 64 128 256
#   resources/gridora.ico                           16, 32, 48 and 256, for Windows
#
# The 32 px drawing is the master design (pixel (0,0) is top left):
#   black columns 2, 11, 20, 29 and black rows 4, 12, 20, 29;
#   white cells 8 px wide and 7, 7, 8 px high (top to bottom);
#   everything outside the frame is blue.
# Other sizes draw lines round(N/32) px thick (at least 1), each centred as
# near as whole pixels allow on the scaled centre of its 32 px line, so every
# size is drawn crisp rather than resampled and the cells stay balanced.  The 32 px icon in hicolor is icon.png itself.
#
# PNGs are written without time stamps or other varying chunks, so a rerun
# gives the same bytes.  The script checks the 32 px layout pixel by pixel.
#
# Usage: resources/make-icon.sh   (from anywhere)

set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

command -v convert >/dev/null || {
    echo "make-icon.sh: ImageMagick's convert is missing (apt-get install imagemagick)" >&2
    exit 1
}

ground='#0000C0'
cell='#FFFFFF'
line='#000000'

# Master design, in 32 px units: the column of each vertical line and the
# row of each horizontal line, outer frame included.
line_x=(2 11 20 29)
line_y=(4 12 20 29)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# line_start POS SIZE WIDTH -> first pixel of a WIDTH px line whose centre
# is the scaled centre of the 32 px line at POS (rounded half up).
line_start() {
    local pos=$1 n=$2 w=$3
    echo $((((2 * pos + 1) * n - 32 * w + 32) / 64))
}

# draw SIZE OUT
draw() {
    local n=$1 out=$2
    local w=$(((n + 16) / 32))
    ((w >= 1)) || w=1

    # First pixel of each of the four lines on each axis.
    local xs=() ys=() v
    for v in "${line_x[@]}"; do xs+=("$(line_start "$v" "$n" "$w")"); done
    for v in "${line_y[@]}"; do ys+=("$(line_start "$v" "$n" "$w")"); done

    # Black block over the whole frame, then the nine white cells into it.
    local cmds=(-fill "$line"
        -draw "rectangle ${xs[0]},${ys[0]} $((xs[3] + w - 1)),$((ys[3] + w - 1))"
        -fill "$cell")
    local i j
    for ((j = 0; j < 3; j++)); do
        for ((i = 0; i < 3; i++)); do
            cmds+=(-draw "rectangle $((xs[i] + w)),$((ys[j] + w)) $((xs[i + 1] - 1)),$((ys[j + 1] - 1))")
        done
    done

    convert -size "${n}x${n}" "xc:$ground" +antialias "${cmds[@]}" \
        -alpha off -depth 8 \
        +set date:create +set date:modify -strip \
        -define png:exclude-chunks=date,time \
        "PNG24:$out"
}

# check_master FILE: the 32 px picture must match the design exactly.
check_master() {
    local file=$1
    convert "$file" -alpha off -depth 8 txt:- | awk -v ground="$ground" '
        function want(x, y) {
            if (x < 2 || x > 29 || y < 4 || y > 29) return "ground"
            if (x == 2 || x == 11 || x == 20 || x == 29) return "line"
            if (y == 4 || y == 12 || y == 20 || y == 29) return "line"
            return "cell"
        }
        BEGIN { colour["ground"] = toupper(ground); colour["line"] = "#000000"; colour["cell"] = "#FFFFFF" }
        /^#/ { next }
        {
            split($1, p, /[,:]/)
            got = toupper($3)
            wanted = colour[want(p[1] + 0, p[2] + 0)]
            seen++
            if (got != wanted) { bad++; if (bad <= 5) printf "  pixel %d,%d is %s, want %s\n", p[1], p[2], got, wanted }
        }
        END { if (seen != 1024 || bad) { printf "  %d pixels read, %d wrong\n", seen, bad; exit 1 } }
    ' || {
        echo "make-icon.sh: $file does not match the 32 px design" >&2
        exit 1
    }
}

draw 32 "$work/icon.png"
check_master "$work/icon.png"

for n in 16 32 48 64 128 256; do
    mkdir -p "$work/$n"
    if ((n == 32)); then
        cp "$work/icon.png" "$work/$n/gridora.png"
    else
        draw "$n" "$work/$n/gridora.png"
    fi
done

mv -f "$work/icon.png" "$here/icon.png"
for n in 16 32 48 64 128 256; do
    dir="$here/icons/hicolor/${n}x${n}/apps"
    mkdir -p "$dir"
    mv -f "$work/$n/gridora.png" "$dir/gridora.png"
done
# The Windows icon, for Explorer and the taskbar: the same drawings in one .ico.
convert -define png:exclude-chunks=date,time \
    "$here"/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/gridora.png "$here/gridora.ico"
echo "make-icon.sh: wrote $here/icon.png, icons/hicolor/*/apps/gridora.png and gridora.ico"
