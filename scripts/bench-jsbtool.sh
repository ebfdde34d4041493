#!/usr/bin/env bash
# jsbtool dump and check beside a core read of the same file, whole processes:
# each run starts a fresh process; the three alternate (read, dump, check, then
# the reverse order), and the medians of user+sys and wall-clock time are
# compared with the read's.
#   scripts/bench-jsbtool.sh BUILD_DIR FILE [RUNS]
set -euo pipefail
build=$1 file=$2 runs=${3:-6}
bench="$build/bench/jsbbench" tool="$build/app/jsbtool/jsbtool"
times=$(mktemp)
trap 'rm -f "$times"' EXIT
declare -A cpu wall
measure() {  # name command...: one run, appended to the name's lists
  local name=$1 u s e
  shift
  /usr/bin/time -o "$times" -f "%U %S %e" "$@" >/dev/null 2>&1 || true
  read -r u s e <"$times"
  cpu[$name]+="$(echo "$u + $s" | bc) " wall[$name]+="$e "
}
order=(read dump check)
for ((i = 0; i < runs; i++)); do
  list=("${order[@]}")
  ((i % 2)) && list=(check dump read)
  for name in "${list[@]}"; do
    case $name in
      read) measure read "$bench" --measure-read "$file" ;;
      dump) measure dump "$tool" dump "$file" ;;
      check) measure check "$tool" check "$file" ;;
    esac
  done
done
median() { tr ' ' '\n' | grep . | sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
rc=$(median <<<"${cpu[read]}") rw=$(median <<<"${wall[read]}")
printf '%-6s %8s %8s %10s %10s\n' "" "cpu s" "wall s" "cpu x read" "wall x read"
for name in read dump check; do
  c=$(median <<<"${cpu[$name]}") w=$(median <<<"${wall[$name]}")
  printf '%-6s %8.3f %8.3f %10.2f %10.2f\n' "$name" "$c" "$w" "$(echo "$c / $rc" | bc -l)" \
    "$(echo "$w / $rw" | bc -l)"
done
