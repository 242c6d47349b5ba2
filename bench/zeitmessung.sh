# Timing helpers of the benchmark scripts, sourced by them.
#   messen NAME LAEUFE BEFEHL...   mean wall time in ms (hyperfine when installed)
#   einmal NAME BEFEHL...          wall time in ms of one run, without a warm-up (a first run)
#   speicher NAME BEFEHL...        peak resident memory in MB of one run

# Mean wall time in ms of a command (output discarded, exit status ignored).
messen() {
    local name=$1 laeufe=$2
    shift 2
    if command -v hyperfine >/dev/null; then
        local csv
        csv=$(mktemp)
        hyperfine -N -i --warmup 2 --runs "$laeufe" --style none --export-csv "$csv" \
            "$(printf '%q ' "$@")" >/dev/null 2>&1
        awk -F, -v name="$name" 'NR == 2 {
            printf "%-44s %9.1f ms  ± %6.1f  (min %.1f, max %.1f)\n",
                   name, $2 * 1000, $3 * 1000, $7 * 1000, $8 * 1000 }' "$csv"
        rm -f "$csv"
    else
        local summe=0 anfang ende
        "$@" >/dev/null 2>&1 || true
        for ((i = 0; i < laeufe; i++)); do
            anfang=$(date +%s%N)
            "$@" >/dev/null 2>&1 || true
            ende=$(date +%s%N)
            summe=$((summe + ende - anfang))
        done
        awk -v name="$name" -v ns="$summe" -v n="$laeufe" \
            'BEGIN { printf "%-44s %9.1f ms\n", name, ns / n / 1e6 }'
    fi
}

# Wall time in ms of a single run, for what only a first run shows.
einmal() {
    local name=$1 anfang ende
    shift
    anfang=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    ende=$(date +%s%N)
    awk -v name="$name" -v ns="$((ende - anfang))" 'BEGIN { printf "%-44s %9.1f ms\n", name, ns / 1e6 }'
}

# Peak resident memory in MB of one run.
speicher() {
    local name=$1
    shift
    { /usr/bin/time -v "$@" 2>&1 >/dev/null || true; } |
        awk -v name="$name" '/Maximum resident set size/ {
            printf "%-44s %9.1f MB\n", name, $NF / 1024 }'
}
