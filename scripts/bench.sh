#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/), runs them headless and prints
# one table: every figure beside its target (bench/README.md explains both).
#
#   scripts/bench.sh            the full run
#   scripts/bench.sh --quick    a tenth of the passes and fewer runs, to try it out
#
# Exits 0 once it has measured, whether or not the targets are met (benchmarks
# report, they do not fail a build); non-zero only when it could not build or run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

quick=0
case "${1:-}" in
  --quick) quick=1 ;;
  "") ;;
  *) echo "usage: $0 [--quick]" >&2; exit 1 ;;
esac

started=$(date +%s)
./scripts/setup.sh

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVENDREL_BENCHMARKS=ON "${launcher[@]}" \
  >/dev/null
# Only the benchmarks and the programs they time, not the tests.
cmake --build build-bench --target vendrel_bench_all --parallel "$(nproc)"
built=$(date +%s)

bin=$root/build-bench
editor_bench=$bin/bench/editor/vendrel-bench-editor
processes=$bin/bench/processes/vendrel-bench-processes
empty_window=$bin/bench/emptywindow/vendrel-bench-empty-window
editor=$bin/launcher/vendrel
render=$bin/tools/render/vendrel-render

# A throw-away home, as the tests have: settings, history, logs and analytics
# written by the benchmarks never reach the user's, nor the next run's.
sandbox=$(mktemp -d "${TMPDIR:-/tmp}/vendrel-bench.XXXXXX")
programs_log=$sandbox/programs.log
# The timed programs' own messages are kept apart and shown only when a run fails.
trap 'status=$?; if [ $status -ne 0 ] && [ -s "$programs_log" ]; then
        echo "== last messages of the timed programs:" >&2; tail -n 40 "$programs_log" >&2
      fi; rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/home" "$sandbox/config" "$sandbox/data" "$sandbox/cache" "$sandbox/runtime" \
  "$sandbox/work"
chmod 700 "$sandbox/runtime"
export HOME="$sandbox/home"
export XDG_CONFIG_HOME="$sandbox/config"
export XDG_DATA_HOME="$sandbox/data"
export XDG_CACHE_HOME="$sandbox/cache"
export XDG_RUNTIME_DIR="$sandbox/runtime"
export TMPDIR="$sandbox/work"
export MORVANTIC_DATA_ROOT="$bin/data/Morvantic/"
export QT_QPA_PLATFORM=offscreen
unset VENDREL_REPORT_SHOWN

summary=$sandbox/summary.txt
labels=$sandbox/labels
: >"$summary"

runs=7
editor_flags=()
if [ "$quick" = 1 ]; then
  runs=3
  editor_flags=(--vendrel_quick)
fi

echo "== In-process benchmarks (layout, open, save)"
"$editor_bench" --vendrel_summary="$summary" --vendrel_labels="$labels" "${editor_flags[@]}" \
  2>>"$programs_log"

echo "== vendrel-render against rsvg-convert"
label=$labels/ordinary.qypm
"$render" "$label" --svg "$sandbox/ordinary.svg" --png "$sandbox/ordinary.png" --dpi 300 \
  2>>"$programs_log"
# The PNG's width and height, big-endian at bytes 16 to 23.
read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$sandbox/ordinary.png")
width=$(( (w1 << 24) | (w2 << 16) | (w3 << 8) | w4 ))
height=$(( (h1 << 24) | (h2 << 16) | (h3 << 8) | h4 ))
echo "drawing $width x $height pixels"
"$processes" --wall --runs "$runs" --summary "$summary" --log "$programs_log" \
  --run render "$render" "$label" --png "$sandbox/render.png" --dpi 300 --end \
  --run rsvg /usr/bin/rsvg-convert -w "$width" -h "$height" -o "$sandbox/rsvg.png" \
    "$sandbox/ordinary.svg" --end

echo "== vendrel-render --batch: line lists of 100 and 1000 pipe markers to one PDF"
# make_list ROWS FILE: sizes, flows and categories taken in turn, a legend each.
make_list() {
  local sizes=("1 in" "2 in" "3 in" "8 in" "12 in" "50 mm")
  local flows=(right left both none)
  local categories=(flammable water compressed-air toxic-corrosive fire-quenching)
  {
    echo "legend,diameter,arrows,category,quantity"
    for ((i = 0; i < $1; i++)); do
      echo "LINE $i STEAM,${sizes[i % 6]},${flows[i % 4]},${categories[i % 5]},1"
    done
  } >"$2"
}
make_list 100 "$sandbox/list-100.csv"
make_list 1000 "$sandbox/list-1000.csv"
"$processes" --wall --memory --runs 3 --summary "$summary" --log "$programs_log" \
  --run batch-100 "$render" --batch "$sandbox/list-100.csv" --pdf "$sandbox/list-100.pdf" --end \
  --run batch-1000 "$render" --batch "$sandbox/list-1000.csv" --pdf "$sandbox/list-1000.pdf" \
    --end >/dev/null

echo "== Start-up and memory under Xvfb"
# Every program reports the moment its first window is painted (VENDREL_REPORT_SHOWN).
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  env QT_QPA_PLATFORM=xcb VENDREL_REPORT_SHOWN=1 \
  "$processes" --shown --runs "$runs" --summary "$summary" --log "$programs_log" \
    --run editor "$editor" --end \
    --run empty "$empty_window" --end \
    --run empty-nogl /usr/bin/env QT_XCB_GL_INTEGRATION=none "$empty_window" --end
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  env QT_QPA_PLATFORM=xcb VENDREL_REPORT_SHOWN=1 \
  "$processes" --shown --memory --runs 3 --summary "$summary" --log "$programs_log" \
    --run editor-label "$editor" "$label" --end \
    --run empty "$empty_window" --end
finished=$(date +%s)

# ---- The table ---------------------------------------------------------------

declare -A figure
while read -r name counter value; do
  figure["$name $counter"]=$value
done <"$summary"

# value NAME COUNTER: the figure, or "?" when it was not measured
value() { echo "${figure["$1 $2"]:-?}"; }
# fmt VALUE [DIGITS]
fmt() { if [ "$1" = "?" ]; then echo "?"; else LC_ALL=C printf "%.${2:-2}f" "$1"; fi; }
# judge VALUE LIMIT: met when VALUE <= LIMIT
judge() {
  if [ "$1" = "?" ]; then echo "not measured"; return; fi
  LC_ALL=C awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "met" : "MISSED" }'
}
ratio() {
  if [ "$1" = "?" ] || [ "$2" = "?" ]; then echo "?"; return; fi
  LC_ALL=C awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "?" }'
}

format='%-46s %-48s %-15s %s\n'
row() { printf "$format" "$1" "$2" "$3" "$4"; }
line() { printf '%.0s-' {1..124}; echo; }

layout_row() {
  local title=$1 name=$2 limit=$3
  local p50 p99 cpu
  p50=$(value "layout/$name" p50_ms)
  p99=$(value "layout/$name" p99_ms)
  cpu=$(value "layout/$name" cpu_p99_ms)
  row "$title" "p50 $(fmt "$p50") ms, p99 $(fmt "$p99") ms (cpu p99 $(fmt "$cpu"))" \
    "p99 <= $limit ms" "$(judge "$p99" "$limit")"
}

part_row() {
  row "  $1" "$(fmt "$(value "$2" "$3")") ms" "" "(part)"
}

echo
echo "Vendrel benchmarks ($(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)$([ "$quick" = 1 ] && echo ", quick run"))"
line
row "Figure" "Measured (medians)" "Target" "Result"
line
layout_row "Layout after a keystroke, 576 x 72 pt" ordinary 2
layout_row "Layout after a keystroke, 13824 pt long" longest 8
layout_row "Layout after a keystroke, 250-char legend" longlegend 8

open_p50=$(value file/open p50_ms)
row "Open a label file (loadTemplateFromFile)" \
  "p50 $(fmt "$open_p50") ms, p90 $(fmt "$(value file/open p90_ms)") ms (cpu p50 $(fmt "$(value file/open cpu_p50_ms)"))" \
  "p50 <= 5 ms" "$(judge "$open_p50" 5)"
part_row "container header, preview skipped" file/open-parts header_ms
part_row "undo snapshot (record alone)" file/open-parts snapshot_ms
part_row "record read and laid out" file/open-parts record_layout_ms
part_row "history and settings" file/open-parts history_settings_ms
part_row "settings written after the command (apart)" file/open-parts history_flush_ms

nosync=$(value file/save-parts nosync_p50_ms)
row "Save a label file, without the file's sync" \
  "p50 $(fmt "$nosync") ms, p90 $(fmt "$(value file/save-parts nosync_p90_ms)") ms (cpu p50 $(fmt "$(value file/save-parts cpu_p50_ms)"))" \
  "p50 <= 10 ms" "$(judge "$nosync" 10)"
part_row "preview drawn (createIcon 256 x 256)" file/save-parts preview_ms
part_row "preview PNG-encoded" file/save-parts png_ms
part_row "record written" file/save-parts record_ms
part_row "written and renamed (QSaveFile)" file/save-parts write_ms
part_row "history and settings" file/save-parts history_settings_ms
part_row "settings written after the command (apart)" file/save-parts history_flush_ms
part_row "analytics hit" file/save-parts analytics_ms
row "  sync of the file and its folder (apart)" \
  "p50 $(fmt "$(value file/save-parts sync_p50_ms)") ms, p90 $(fmt "$(value file/save-parts sync_p90_ms)") ms" \
  "" "(reported apart)"
row "Save, whole (saveTemplateToFile, syncs too)" \
  "p50 $(fmt "$(value file/save p50_ms)") ms (cpu p50 $(fmt "$(value file/save cpu_p50_ms)"))" \
  "" "(for reference)"

# file_rows NAME KEY: the open and save rows of another kind's label file. The
# whole save waits for the disk's syncs; its own work is its processor time.
file_rows() {
  local open save_cpu
  open=$(value "file/$2-open" p50_ms)
  row "Open $1 file" \
    "p50 $(fmt "$open") ms, p90 $(fmt "$(value "file/$2-open" p90_ms)") ms (cpu p50 $(fmt "$(value "file/$2-open" cpu_p50_ms)"))" \
    "p50 <= 5 ms" "$(judge "$open" 5)"
  save_cpu=$(value "file/$2-save" cpu_p50_ms)
  row "Save $1 file (syncs too)" \
    "p50 $(fmt "$(value "file/$2-save" p50_ms)") ms (cpu p50 $(fmt "$save_cpu"))" \
    "cpu p50 <= 10 ms" "$(judge "$save_cpu" 10)"
}

layout_row "Ammonia layout after a keystroke, pipe marker" ammonia-pipe 2
layout_row "Ammonia layout after a keystroke, component" ammonia-component 2
file_rows "an ammonia label" ammonia

layout_row "Arrow wrap layout after a keystroke, 12 arrows" arrowwrap-12 2
layout_row "Arrow wrap layout after a keystroke, 99 arrows" arrowwrap-99 2
layout_row "Arrow wrap count 99 -> 1 -> 99" arrowwrap-count 4
file_rows "an arrow wrap" arrowwrap

print_p50=$(value print/longest p50_ms)
print_peak=$(value print/longest peak_added_mb)
row "Print the 13824-pt label at 300 dpi (PDF page)" \
  "p50 $(fmt "$print_p50") ms (cpu p50 $(fmt "$(value print/longest cpu_p50_ms)"))" \
  "p50 <= 250 ms" "$(judge "$print_p50" 250)"
row "  peak memory added while printing it" "$(fmt "$print_peak") MB" "<= 16 MB" \
  "$(judge "$print_peak" 16)"

render_ms=$(value render wall_ms)
rsvg_ms=$(value rsvg wall_ms)
render_ratio=$(ratio "$render_ms" "$rsvg_ms")
row "vendrel-render --png 300 dpi / rsvg-convert" \
  "$(fmt "$render_ms" 1) / $(fmt "$rsvg_ms" 1) ms = $render_ratio" "ratio <= 1" \
  "$(judge "$render_ratio" 1)"

batch_ms=$(value batch-1000 wall_ms)
batch_s=$(if [ "$batch_ms" = "?" ]; then echo "?"; else LC_ALL=C awk -v v="$batch_ms" 'BEGIN { printf "%.2f", v / 1000 }'; fi)
row "Line list to PDF, 1000 rows (--batch)" "$batch_s s, peak RSS $(fmt "$(value batch-1000 maxrss_mb)" 1) MB" \
  "<= 10 s" "$(judge "$batch_s" 10)"
growth=$(if [ "$(value batch-1000 maxrss_mb)" = "?" ] || [ "$(value batch-100 maxrss_mb)" = "?" ]; then echo "?";
  else LC_ALL=C awk -v a="$(value batch-1000 maxrss_mb)" -v b="$(value batch-100 maxrss_mb)" 'BEGIN { printf "%.1f", a - b }'; fi)
row "  peak RSS, 1000 rows against 100 rows" \
  "+$growth MB (100 rows: $(fmt "$(value batch-100 wall_ms)" 0) ms, $(fmt "$(value batch-100 maxrss_mb)" 1) MB)" \
  "<= +10 MB" "$(judge "$growth" 10)"

editor_ms=$(value editor shown_ms)
empty_ms=$(value empty shown_ms)
startup_ratio=$(ratio "$editor_ms" "$empty_ms")
row "Start-up to the window shown / empty window" \
  "$(fmt "$editor_ms" 1) / $(fmt "$empty_ms" 1) ms = $startup_ratio" "ratio <= 1.5" \
  "$(judge "$startup_ratio" 1.5)"
row "  empty window with OpenGL left out" "$(fmt "$(value empty-nogl shown_ms)" 1) ms" "" \
  "(for reference)"

hwm=$(value editor-label vmhwm_mb)
row "Resident memory, a label open (RSS, peak)" \
  "VmRSS $(fmt "$(value editor-label vmrss_mb)" 1) MB, VmHWM $(fmt "$hwm" 1) MB" \
  "peak <= 80 MB" "$(judge "$hwm" 80)"
row "  empty window" "VmRSS $(fmt "$(value empty vmrss_mb)" 1) MB" "" "(for reference)"
line
echo "Build $((built - started)) s, measuring $((finished - built)) s. Causes of misses: bench/README.md."
