#!/usr/bin/env bash
# Whole-process and batch figures of luvenor-cli danfe, on invoices made by bench/gerar-notas.py:
#   - one 3-item invoice and one 990-item invoice, each a process of its own (hyperfine);
#   - batches of N/10 and N different 3-item invoices in one process with --outdir: invoices per
#     second of wall and of CPU time, and the peak memory, which must stay flat.
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

  # Wall time, CPU time (user + system: what a loaded machine disturbs least) and peak memory.
  decimo=$((n / 10 > 0 ? n / 10 : 1))
  for k in "$decimo" "$n"; do
    rm -rf "$tmp/out/lote"
    mapfile -t notas < <(find "$tmp/n3" -name '*.xml' | sort | head -n "$k")
    read -r parede usuario sistema kb < <(/usr/bin/time -f '%e %U %S %M' "$c" danfe "${notas[@]}" \
      --outdir "$tmp/out/lote" 2>&1 >/dev/null | tail -1)
    awk -v k="$k" -v e="$parede" -v u="$usuario" -v s="$sistema" -v kb="$kb" 'BEGIN {
      printf "batch of %d: %.2f s wall (%.0f invoices/s), %.2f s CPU (%.0f invoices/s), peak %d KiB\n",
             k, e, k / e, u + s, k / (u + s), kb }'
  done
done
