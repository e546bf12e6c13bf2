#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tesmoran-cli side by side with the Unix tools that do the nearest thing, on
# the same deterministic German prose (10 MiB unless PROSE_MIB says other).
# Prints the time of each side (best of RUNS runs, the two sides alternated),
# their ratio against the goal, and the peak memory of tesmoran-cli as a
# multiple of the input size; then the peak memory of every exercise on
# 20 MiB of the same prose (PEAK_MIB), against the goal of 6 x the input.
# The load average is printed first: the machine may be shared.
#
#   bench/cli_vs_unix.sh [path/to/tesmoran-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli="${1:-build/src/tesmoran-cli}"
mib="${PROSE_MIB:-10}"
runs="${RUNS:-5}"
peak_mib="${PEAK_MIB:-20}"
[ -x "$cli" ] || { echo "tesmoran-cli not found at $cli (build it first)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (Debian package: time)" >&2; exit 1; }
export LC_ALL=C.UTF-8

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prose="$work/prose.txt"
peak_prose="$work/peak-prose.txt"

# German prose of $1 MiB from a fixed word stock and a fixed linear
# congruential generator: the same bytes on every machine.
make_prose() {
awk -v target=$(($1 * 1024 * 1024)) 'BEGIN {
  n = split("der die das und ein eine Hund Katze Maus Vogel läuft springt bellt schläft über unter " \
            "Straße Äpfel Öl Tür grün schön groß klein heute morgen Bäume Häuser fröhlich müde " \
            "Kinder spielen im Garten Wasser trinkt frisst Brot Käse Milch Schule lernen lesen " \
            "schreiben Wörter Sätze Bücher Lehrerin Fußball Mädchen Junge wir ihr sie er es", w, " ")
  seed = 12345; size = 0; line = ""; sentence = 0
  while (size < target) {
    seed = (seed * 1103515245 + 12345) % 2147483648
    word = w[int(seed / 65536) % n + 1]
    if (sentence == 0) word = toupper(substr(word, 1, 1)) substr(word, 2)
    sentence++
    mark = ""
    if (sentence > 4 && (seed % 7) == 0) { mark = ((seed % 3) == 0) ? "!" : "."; sentence = 0 }
    else if ((seed % 11) == 0) mark = ","
    piece = word mark
    if (length(line) + length(piece) + 1 > 72) { print line; size += length(line) + 1; line = piece }
    else line = (line == "") ? piece : line " " piece
  }
}'
}
make_prose "$mib" > "$prose"
make_prose "$peak_mib" > "$peak_prose"
bytes=$(stat -c %s "$prose")
peak_bytes=$(stat -c %s "$peak_prose")

now_ns() { date +%s%N; }
# Seconds of one run of a shell command line on the prose.
run_once() {
  local start end
  start=$(now_ns)
  bash -c "$1" < "$prose" > /dev/null
  end=$(now_ns)
  echo $(( end - start ))
}
# Best of $runs alternated runs of both command lines: "ns_ours ns_theirs".
best_pair() {
  local ours=0 theirs=0 a b i
  for ((i = 0; i < runs; i++)); do
    a=$(run_once "$1"); b=$(run_once "$2")
    if (( ours == 0 || a < ours )); then ours=$a; fi
    if (( theirs == 0 || b < theirs )); then theirs=$b; fi
  done
  echo "$ours $theirs"
}
# Peak resident memory of one run in KiB (on the file $2, else the prose).
peak_kib() { /usr/bin/time -f %M bash -c "exec $1" < "${2:-$prose}" 2>&1 >/dev/null | tail -1; }

printf 'Last / load: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
printf 'Eingabe / input: %s Bytes deutscher Prosa, beste von %s Läufen\n\n' "$bytes" "$runs"
printf '%-52s %9s %9s %7s %6s %11s\n' "tesmoran-cli vs. Unix" "cli ms" "unix ms" "ratio" "goal" "peak/input"
compare() {  # label, our command, their command, goal
  local pair ours theirs peak
  pair=$(best_pair "$2" "$3")
  ours=${pair% *}; theirs=${pair#* }
  peak=$(peak_kib "$2")
  awk -v l="$1" -v o="$ours" -v t="$theirs" -v g="$4" -v p="$peak" -v b="$bytes" 'BEGIN {
    printf "%-52s %9.1f %9.1f %6.2fx %5.1fx %10.2fx\n", l, o / 1e6, t / 1e6, o / t, g, p * 1024 / b }'
}
compare "grossletter vs. tr a-zäöü A-ZÄÖÜ" "'$cli' grossletter" "tr a-zäöü A-ZÄÖÜ" 8
compare "umkehrwort vs. rev" "'$cli' umkehrwort" "rev" 1.5
compare "ersetzen Hund/Kater vs. sed s/Hund/Kater/g" \
  "'$cli' ersetzen --search Hund --replacement Kater" "sed s/Hund/Kater/g" 4

printf '\nPeak memory of every exercise on %s bytes / Spitzenspeicher jeder Übung (x input, goal 6x):\n' \
  "$peak_bytes"
for exercise in grossletter kleinletter rueckwaertstext umkehrtext umkehrwort bandwurmtext lueckentext \
  nur-erstletter purzel-woerter umkehrsatz ohne-erstletter abc-woerter mitsel-woerter luecken-woerter \
  wortrahmen abc-nr-woerter selbstlaute mitlaute rueckwaertssatz "buchstaben --letters e" wortliste \
  "ersetzen --search Hund --replacement Kater"; do
  peak=$(peak_kib "'$cli' $exercise" "$peak_prose")
  awk -v e="$exercise" -v p="$peak" -v b="$peak_bytes" 'BEGIN {
    x = p * 1024 / b; printf "  %-42s %6.2fx%s\n", e, x, (x > 6 ? "  (over 6x)" : "") }'
done
printf 'Last danach / load after: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
