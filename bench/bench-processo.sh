#!/usr/bin/env bash
# Whole-process and batch figures of luvenor-cli danfe, on invoices made by bench/gerar-notas.py:
#   - one 3-item invoice and one 990-item invoice, each a process of its own (hyperfine);
#   - a batch of N different 3-item invoices in one process with --outdir: invoices per second;
#   - the batch's peak memory at N/10 and at N invoices, which must stay flat.
#
#   bench/bench-processo.sh [CLI] [N]      CLI defaults to build/cli/luvenor-cli, N to 1000
# Other helpers on a shared machine disturb wall times: compare two builds in the same run
# (CLI_ANTES=path/to/older/luvenor-cli bench/bench-processo.sh) rather than across runs.
set -euo pipefail
cd "$(dirname "$0")/.."

cli=$(realpath "${1:-build/cli/luvenor-cli}")
n=${2:-1000}
command -v hyperfine >/dev/null || { echo "hyperfine is needed (scripts/install-deps)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bench/gerar-notas.py "$tmp/n3" "$n"
bench/gerar-notas.py "$tmp/n990" 1 --itens 990
mkdir -p "$tmp/out"

clis=("$cli")
[[ -n "${CLI_ANTES:-}" ]] && clis=("$(realpath "$CLI_ANTES")" "$cli")

for c in "${clis[@]}"; do
  echo "== $c"
  hyperfine -N -w 3 -r 20 --style basic \
    -n "3 itens" "$c danfe $tmp/n3/nota-00001.xml -o $tmp/out/a.pdf" \
    -n "990 itens" "$c danfe $tmp/n990/nota-00001.xml -o $tmp/out/b.pdf" 2>&1 | grep -E "^Benchmark|Time|Range"
  echo "PDF bytes: 3 itens $(stat -c %s "$tmp/out/a.pdf"), 990 itens $(stat -c %s "$tmp/out/b.pdf")"

  inicio=$(date +%s%N)
  "$c" danfe "$tmp"/n3/*.xml --outdir "$tmp/out/lote" >/dev/null
  fim=$(date +%s%N)
  awk -v n="$n" -v ns=$((fim - inicio)) \
    'BEGIN { printf "batch of %d: %.2f s, %.0f invoices/s\n", n, ns / 1e9, n / (ns / 1e9) }'

  decimo=$((n / 10 > 0 ? n / 10 : 1))
  for k in "$decimo" "$n"; do
    rm -rf "$tmp/out/mem"
    kb=$(/usr/bin/time -f %M "$c" danfe $(ls "$tmp"/n3/*.xml | head -n "$k") --outdir "$tmp/out/mem" 2>&1 >/dev/null |
      tail -1)
    echo "peak memory, batch of $k: $kb KiB"
  done
done
