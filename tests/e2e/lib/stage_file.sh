# Stage files for the maker's end-to-end scripts (bash; source it).
# write_stage OUT TITLE AUTHOR CELLS: an all-zero grid but the "col row code" triples of CELLS, then the
# title and author lines (UTF-8 here, code page 932 in the file). Every line ends with CR LF.
write_stage() {
    local out=$1 title=$2 author=$3 cells=$4
    awk -v cells="$cells" 'BEGIN {
        n = split(cells, f, " ")
        for (i = 1; i + 2 <= n; i += 3) v[f[i] * 100 + f[i + 1]] = f[i + 2]
        for (k = 0; k < 10000; k++) printf "%d\r\n", (k in v) ? v[k] : 0
    }' >"$out"
    printf '%s\r\n%s\r\n' "$title" "$author" | iconv -f UTF-8 -t CP932 >>"$out"
}
