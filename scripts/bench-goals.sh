# Saying whether a benchmark met its goal. Source this file, then
#   goal "start-up <= 1.10 x the same controls" 1.04 1.10
# prints the figure and "met" or "NOT met" (the figure against the limit).
goal() {
  local verdict="NOT met"
  awk -v figure="$2" -v limit="$3" 'BEGIN {exit !(figure <= limit)}' && verdict=met
  echo "goal $1: $2, $verdict"
}

# The start-up and memory ratios to program NAME in startup_timer's report
# on standard input, as "START MEMORY".
startup_ratios() { sed -n "s/^ratio to $1 .*: start-up \([0-9.]*\), memory \([0-9.]*\)\$/\1 \2/p"; }

# The machine, as the figures are reported with it.
machine() {
  echo "$(lscpu | sed -n 's/^Model name: *//p') at $(awk '/^cpu MHz/ {printf "%.0f", $4; exit}' /proc/cpuinfo) MHz, $(nproc) cores"
}
