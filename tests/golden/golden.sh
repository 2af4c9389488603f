# Shared part of the golden scripts (bash; source it): compare an output with its committed reference, or
# record it as the new reference when ZORBAN_GOLDEN_RECORD=1 is set.
#   golden_check REFDIR NAME ACTUAL   compares ACTUAL with REFDIR/NAME byte for byte; on a difference prints
#                                     both paths and a diff of text files, and remembers the failure
#   golden_end WHAT                   exits 1 when any check failed, else prints PASS
GOLDEN_FAILED=0

golden_check() {
    local ref="$1/$2" actual=$3
    if [ "${ZORBAN_GOLDEN_RECORD:-0}" = 1 ]; then
        mkdir -p "$(dirname "$ref")"
        cp "$actual" "$ref"
        echo "recorded $ref"
        return 0
    fi
    if [ ! -f "$ref" ]; then
        echo "FAIL: no reference $ref (record with ZORBAN_GOLDEN_RECORD=1)" >&2
        GOLDEN_FAILED=1
        return 0
    fi
    if ! cmp -s "$ref" "$actual"; then
        echo "FAIL: $2 differs from its reference" >&2
        echo "  reference: $ref" >&2
        echo "  actual:    $actual" >&2
        if grep -qI . "$ref" 2>/dev/null; then
            diff -u "$ref" "$actual" | head -n 60 >&2 || true
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
