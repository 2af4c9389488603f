# Shared part of the golden scripts (bash; source it): compare an output with its committed reference, or
# record it as the new reference when ZORBAN_GOLDEN_RECORD=1 is set.
#   golden_check REFDIR NAME ACTUAL   compares ACTUAL with REFDIR/NAME byte for byte; on a difference prints
#                                     both paths and a diff of text files, and remembers the failure
#   golden_shot REFDIR WIN NAME [MASK]   the pointer away from the window, a moment to settle, then WIN's
#                                     client area shot as $E2E_DIR/NAME and compared (golden_image below)
#   golden_end WHAT                   exits 1 when any check failed, else prints PASS
GOLDEN_FAILED=0

# True when the reference exists; else reports it missing.
golden__have() {
    [ -f "$1" ] && return 0
    echo "FAIL: no reference $1 (record with ZORBAN_GOLDEN_RECORD=1)" >&2
    GOLDEN_FAILED=1
    return 1
}

golden_check() {
    local ref="$1/$2" actual=$3
    if [ "${ZORBAN_GOLDEN_RECORD:-0}" = 1 ]; then
        mkdir -p "$(dirname "$ref")"
        cp "$actual" "$ref"
        echo "recorded $ref"
        return 0
    fi
    golden__have "$ref" || return 0
    if ! cmp -s "$ref" "$actual"; then
        echo "FAIL: $2 differs from its reference" >&2
        echo "  reference: $ref" >&2
        echo "  actual:    $actual" >&2
        if grep -qI . "$ref" 2>/dev/null; then  # text files are code page 932
            diff -u --label "$ref" --label "$actual" <(iconv -f CP932 -t UTF-8 "$ref" 2>/dev/null || cat "$ref") \
                <(iconv -f CP932 -t UTF-8 "$actual" 2>/dev/null || cat "$actual") | head -n 60 >&2 || true
        else
            cmp "$ref" "$actual" >&2 || true
        fi
        GOLDEN_FAILED=1
    fi
}

golden_end() {
    [ "$GOLDEN_FAILED" = 0 ] || { echo "FAIL: $1" >&2; exit 1; }
    echo "PASS: $1"
}

# golden_image REFDIR NAME ACTUAL   compares the picture ACTUAL with REFDIR/NAME in two ways: at most
# GOLDEN_PIXELS (default 40) pixels may differ by more than GOLDEN_FUZZ (default 8 %) of the colour range,
# so anti-aliased text may shift its grey a little but a moved control or a changed caption fails; and at
# most one pixel in 200 may differ by more than 3 %, so a slightly changed colour of anything larger than
# about 36 x 36 pixels fails too. On a failure the difference picture is written beside ACTUAL. Recording
# stores ACTUAL in 256 colours (no dithering), to keep the references small, unless that would move more
# than 200 pixels by more than 3 % (pictures of many colours): those are kept whole. GOLDEN_MASK="X0,Y0 X1,Y1 RRGGBB" first paints that rectangle of ACTUAL in one colour (a text that
# holds the scratch folder's path, a line that scrolls on a real-time timer).
golden_image() {
    local ref="$1/$2" actual=$3 diff="${3%.png}-diff.png" ae broad limit
    if [ -n "${GOLDEN_MASK:-}" ]; then
        local corners=${GOLDEN_MASK% *} colour=${GOLDEN_MASK##* }
        convert "$actual" -fill "#$colour" -stroke none -draw "rectangle $corners" "$actual"
    fi
    if [ "${ZORBAN_GOLDEN_RECORD:-0}" = 1 ]; then
        mkdir -p "$(dirname "$ref")"
        convert "$actual" -dither None -colors 256 -strip -define png:compression-level=9 "PNG8:$ref"
        # A picture of many colours (the toys) is kept whole when 256 of them would move it too far.
        if (($(compare -metric AE -fuzz 3% "$ref" "$actual" null: 2>&1 | cut -d' ' -f1) > 200)); then
            convert "$actual" -strip -define png:compression-level=9 "$ref"
        fi
        echo "recorded $ref"
        return 0
    fi
    golden__have "$ref" || return 0
    if [ "$(identify -format '%wx%h' "$ref")" != "$(identify -format '%wx%h' "$actual")" ]; then
        echo "FAIL: $2 is $(identify -format '%wx%h' "$actual"), its reference $(identify -format '%wx%h' "$ref")" >&2
        echo "  reference: $ref" >&2
        echo "  actual:    $actual" >&2
        GOLDEN_FAILED=1
        return 0
    fi
    ae=$(compare -metric AE -fuzz "${GOLDEN_FUZZ:-8}%" "$ref" "$actual" "$diff" 2>&1 >/dev/null || true)
    ae=${ae%% *}
    broad=$(compare -metric AE -fuzz 3% "$ref" "$actual" null: 2>&1 >/dev/null || true)
    broad=${broad%% *}
    limit=$(($(identify -format '%w * %h' "$ref") / 200))
    if ! [[ $ae =~ ^[0-9]+$ && $broad =~ ^[0-9]+$ ]] || ((ae > ${GOLDEN_PIXELS:-40} || broad > limit)); then
        if [[ $broad =~ ^[0-9]+$ ]] && ((broad > limit)); then
            compare -fuzz 3% "$ref" "$actual" "$diff" 2>/dev/null || true
        fi
        echo "FAIL: $2: $ae pixels differ by more than ${GOLDEN_FUZZ:-8} % (at most ${GOLDEN_PIXELS:-40})," \
            "$broad by more than 3 % (at most $limit)" >&2
        echo "  reference:  $ref" >&2
        echo "  actual:     $actual" >&2
        echo "  difference: $diff" >&2
        GOLDEN_FAILED=1
    else
        rm -f "$diff"
        echo "$2: $ae pixels differ by more than ${GOLDEN_FUZZ:-8} %, $broad by more than 3 %"
    fi
}

golden_shot() {
    local ref=$1 win=$2 name=$3
    xdotool mousemove 0 0
    sleep "${GOLDEN_SETTLE:-1}"
    e2e_window_shot "$win" "$E2E_DIR/$name"
    GOLDEN_MASK=${4:-} golden_image "$ref" "$name" "$E2E_DIR/$name"
}
