# Stage files for the end-to-end scripts (bash; source it; e2e.sh does).
# write_stage OUT TITLE AUTHOR CELLS: an all-zero grid but the "col row code" triples of CELLS, then the
# title and author lines (UTF-8 here, code page 932 in the file). Every line ends with CR LF. A column or
# row may be a range A-B: the code then fills every cell of the rectangle.
write_stage() {
    local out=$1 title=$2 author=$3 cells=$4
    awk -v cells="$cells" 'BEGIN {
        n = split(cells, f, " ")
        for (i = 1; i + 2 <= n; i += 3) {
            c1 = c2 = f[i]; r1 = r2 = f[i + 1]
            if (split(f[i], c, "-") == 2) { c1 = c[1]; c2 = c[2] }
            if (split(f[i + 1], r, "-") == 2) { r1 = r[1]; r2 = r[2] }
            for (col = c1 + 0; col <= c2 + 0; col++)
                for (row = r1 + 0; row <= r2 + 0; row++) v[col * 100 + row] = f[i + 2]
        }
        for (k = 0; k < 10000; k++) printf "%d\r\n", (k in v) ? v[k] : 0
    }' >"$out"
    printf '%s\r\n%s\r\n' "$title" "$author" | iconv -f UTF-8 -t CP932 >>"$out"
}
