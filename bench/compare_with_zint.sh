#!/usr/bin/env bash
# Times the headless program beside zint on this machine, in one run, and
# prints how many times longer ours takes (below 1: ours is quicker), in wall
# time and in processor time (user and system), the latter telling more on a
# busy machine:
#   - one Code 128 PNG at 300 dpi, 10 mils, one program start each;
#   - the same symbol as one SVG;
#   - a batch of Code 128 PNGs from a message file at the same pixel size:
#     ours stepping through the file with [next] in one process, zint with
#     --batch.
# hyperfine is used when it is installed (wall medians, processor means),
# else a loop timed with date (medians of both). Nothing else should run on
# the machine meanwhile: the figures of a loaded machine say little.
set -euo pipefail

usage() {
    cat <<'EOF'
usage: bench/compare_with_zint.sh [--vornik PATH] [--runs N] [--batch-runs N] [--records N]
                                  [--with-batch] [--loop]
  --vornik PATH   the headless program (default: build/vornik beside this folder)
  --runs N        timed runs of each single-symbol command (default 30)
  --batch-runs N  timed runs of each batch (default 3)
  --records N     symbols in the batch (default 10000)
  --with-batch    time `vornik batch --jobs 2` beside the others
  --loop          time with a loop of date +%s%N even when hyperfine is installed
EOF
}

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
vornik="$here/../build/vornik"
runs=30
batch_runs=3
records=10000
with_batch=0
use_hyperfine=0
command -v hyperfine >/dev/null 2>&1 && use_hyperfine=1
while (($# > 0)); do
    case "$1" in
    --vornik) vornik=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --batch-runs) batch_runs=$2; shift 2 ;;
    --records) records=$2; shift 2 ;;
    --with-batch) with_batch=1; shift ;;
    --loop) use_hyperfine=0; shift ;;
    -h | --help) usage; exit 0 ;;
    *) echo "compare_with_zint: unknown option $1" >&2; usage >&2; exit 2 ;;
    esac
done

fail() {
    echo "compare_with_zint: $*" >&2
    exit 1
}

command -v zint >/dev/null 2>&1 ||
    fail "zint is not installed; it is in the Debian package zint (apt-get install zint)."
command -v awk >/dev/null 2>&1 || fail "awk is needed; it is in the Debian package mawk."
[[ -x "$vornik" ]] || fail "there is no program $vornik; build the target vornik first."
vornik=$(cd "$(dirname "$vornik")" && pwd)/$(basename "$vornik")

work=$(mktemp -d "${TMPDIR:-/tmp}/vornik-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Our settings file and the font choices raster text keeps between runs go to
# folders of the run's own, not the user's; the untimed first run of each
# command fills the latter, as any earlier run on the machine would have.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
cd "$work"

readonly message='VORNIK-2026-ABCDEFGH'
# 10 mils at 300 dpi is 2.95 pixels a module; zint's scale 1.5 gives 3, and
# a height of 106 modules matches our picture's, text included.
readonly job='[code128][barwidth=10][rasterimageresolution=300]'
readonly zint_size=(-b 20 --scale=1.5 --height=106)

# The median of the numbers on standard input.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2];
                                         else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Processor seconds (user and system) this shell's finished children had
# used when `times` wrote FILE. `times` itself must run in this shell: a
# subshell's children are not this shell's.
children_cpu() {
    awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/);
                   printf "%.6f\n", u[1] * 60 + u[2] + s[1] * 60 + s[2] }' "$1"
}

# Median wall seconds and processor seconds a run of COMMAND (a line of
# words, run without a shell) takes, PREPARE (the same) run before each.
# Prints the two numbers. hyperfine gives the mean processor time.
time_command() {
    local count=$1 prepare=$2 command=$3
    if ((use_hyperfine)); then
        hyperfine -N --style none --warmup 1 --runs "$count" --prepare "$prepare" \
            --export-csv "$work/timing.csv" -- "$command" >/dev/null 2>"$work/hyperfine.log" ||
            fail "hyperfine could not time $command: $(cat "$work/hyperfine.log")"
        awk -F, 'NR == 2 { print $4, $5 + $6 }' "$work/timing.csv"
        return
    fi
    local i start end cpu
    : >"$work/runs"
    eval "$prepare"
    eval "$command" >/dev/null # the untimed first run
    for ((i = 0; i < count; ++i)); do
        eval "$prepare"
        times >"$work/before"
        start=$(date +%s%N)
        eval "$command" >/dev/null
        end=$(date +%s%N)
        times >"$work/after"
        cpu=$(awk -v a="$(children_cpu "$work/after")" -v b="$(children_cpu "$work/before")" \
            'BEGIN { print a - b }')
        echo "$(((end - start) / 1000))e-6 $cpu" >>"$work/runs"
    done
    echo "$(cut -d' ' -f1 "$work/runs" | median) $(cut -d' ' -f2 "$work/runs" | median)"
}

# Width x height of a PNG file, from its header.
png_size() {
    od -An -tu4 --endian=big -j16 -N8 "$1" | awk '{ print $1 " x " $2 }'
}

milliseconds() {
    awk -v s="$1" 'BEGIN { printf "%.1f ms", s * 1000 }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# A line of the table from two "wall processor" pairs.
report() {
    local name=$1 ours_wall=${2% *} ours_cpu=${2#* } theirs_wall=${3% *} theirs_cpu=${3#* }
    printf '%-34s %11s %11s %6s %11s %11s %6s\n' "$name" \
        "$(milliseconds "$ours_wall")" "$(milliseconds "$theirs_wall")" \
        "$(ratio "$ours_wall" "$theirs_wall")" "$(milliseconds "$ours_cpu")" \
        "$(milliseconds "$theirs_cpu")" "$(ratio "$ours_cpu" "$theirs_cpu")"
}

# Each run writes over the file the run before it wrote, as a script calling
# the program once per label does.
single() {
    local extension=$1
    "$vornik" --exec "$job[message='$message'][build/copy][savebarcode($work/vornik.$extension)]" ||
        fail "the headless program did not write vornik.$extension."
    zint "${zint_size[@]}" "--data=$message" -o "$work/zint.$extension" ||
        fail "zint did not write zint.$extension."
    time_vornik=$(time_command "$runs" "true" \
        "$vornik --exec \"$job[message='$message'][build/copy][savebarcode($work/vornik.$extension)]\"")
    time_zint=$(time_command "$runs" "true" \
        "zint ${zint_size[*]} --data=$message -o $work/zint.$extension")
}

# The message file and the command strings that step through it, a thousand
# labels a string (one argument may not exceed 128 KB).
write_batch_scripts() {
    local n
    for ((n = 1; n <= records; ++n)); do
        printf 'VORNIK-2026-%08d\n' "$n"
    done >messages.txt
    {
        echo "cd $work/stepped || exit 1"
        printf 'exec %q' "$vornik"
        local commands="$job[openmsgfile($work/messages.txt)]"
        for ((n = 1; n <= records; ++n)); do
            ((n > 1)) && commands+="[next]"
            commands+=$(printf '[savebarcode(%05d.png)]' "$n")
            if ((n % 1000 == 0 || n == records)); then
                printf ' --exec %q' "$commands"
                commands=""
            fi
        done
        echo
    } >stepped.sh
    cat >fresh.sh <<EOF
rm -rf $work/stepped $work/zinted $work/batch
mkdir -p $work/stepped $work/zinted $work/batch
EOF
}

count_pngs() {
    find "$1" -name '*.png' | wc -l
}

batch() {
    write_batch_scripts
    bash fresh.sh
    bash stepped.sh || fail "the message file batch failed."
    zint "${zint_size[@]}" --batch -i messages.txt -o "$work/zinted/~~~~~.png" ||
        fail "zint --batch failed."
    (($(count_pngs stepped) == records)) || fail "the message file batch left $(count_pngs stepped) of $records files."
    (($(count_pngs zinted) == records)) || fail "zint --batch left $(count_pngs zinted) of $records files."
    echo "Batch PNG sizes: ours $(png_size stepped/00001.png), zint's $(png_size zinted/00001.png)"
    time_stepped=$(time_command "$batch_runs" "bash $work/fresh.sh" "bash $work/stepped.sh")
    time_zint_batch=$(time_command "$batch_runs" "bash $work/fresh.sh" \
        "zint ${zint_size[*]} --batch -i $work/messages.txt -o $work/zinted/~~~~~.png")
}

# ---------------------------------------------------------------------------
# `vornik batch`: being built on its own branch. Once the program has it, run
# this script with --with-batch; the command below is the one the batch
# command is specified with (two workers, the same job and message file).
# ---------------------------------------------------------------------------
vornik_batch() {
    local command="$vornik batch --exec '$job' --messages $work/messages.txt"
    command+=" --output $work/batch/{n:05}.png --jobs 2"
    bash fresh.sh
    eval "$command" || fail "vornik batch failed."
    (($(count_pngs batch) == records)) || fail "vornik batch left $(count_pngs batch) of $records files."
    time_vornik_batch=$(time_command "$batch_runs" "bash $work/fresh.sh" "$command")
}

echo "Machine: $(nproc) processors, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
echo "Load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
if ((use_hyperfine)); then
    echo "Timed with $(hyperfine --version): wall medians, processor means."
else
    echo "Timed with a loop of date +%s%N: medians."
fi
single png
png_vornik=$time_vornik png_zint=$time_zint
echo "Single PNG sizes: ours $(png_size vornik.png), zint's $(png_size zint.png)"
single svg
svg_vornik=$time_vornik svg_zint=$time_zint
batch
((with_batch)) && vornik_batch

echo
printf '%-34s %11s %11s %6s %11s %11s %6s\n' "" "vornik" "zint" "ratio" "vornik CPU" "zint CPU" \
    "ratio"
report "one PNG (program start included)" "$png_vornik" "$png_zint"
report "one SVG (program start included)" "$svg_vornik" "$svg_zint"
report "$records PNGs, message file stepping" "$time_stepped" "$time_zint_batch"
if ((with_batch)); then
    report "$records PNGs, vornik batch --jobs 2" "$time_vornik_batch" "$time_zint_batch"
fi
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
