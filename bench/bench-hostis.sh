#!/usr/bin/env bash
# Time and peak memory of every hostile case the tests make (tests/hostis/gerar_casos_hostis), at
# the sizes that once hung or exhausted memory: invoices through `read` and `danfe`, page files
# through `render` to PDF and PNG. One line per run: exit code, wall seconds, peak MiB, and the
# first line the command wrote to stderr (the refusal message, when there is one).
#
#   bench/bench-hostis.sh [BUILD]      BUILD defaults to build
# Each run is capped at 60 s and 4 GiB, so a regression shows as a timeout, not a stuck machine.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(realpath "${1:-build}")
cli=$build/cli/luvenor-cli
gerador=$build/tests/gerar_casos_hostis
[[ -x $cli && -x $gerador ]] || { echo "build $build first (scripts/build)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$gerador" "$tmp/casos"
mkdir -p "$tmp/saida"

medir() {
  local caso=$1 comando=$2
  shift 2
  rm -rf "$tmp/saida"/*
  local codigo=0
  (ulimit -v $((4 * 1024 * 1024)); exec /usr/bin/time -f 'medida %e %M' -o "$tmp/medida" \
    timeout 60 "$cli" "$@" >/dev/null 2>"$tmp/erro") || codigo=$?
  local segundos kib
  read -r _ segundos kib < <(grep '^medida' "$tmp/medida" || echo "medida ? 0")
  local mensagem
  mensagem=$(grep -v '^Command' "$tmp/erro" | head -1 | sed "s|$tmp/casos/||g" | cut -c1-90 || true)
  printf '%-34s %-10s %4s %7s s %7.1f MiB  %s\n' "$caso" "$comando" "$codigo" "$segundos" \
    "$(awk -v k="$kib" 'BEGIN { print k / 1024 }')" "$mensagem"
}

printf '%-34s %-10s %4s %9s %11s  %s\n' case command exit time peak message
for f in "$tmp/casos"/*.xml; do
  caso=$(basename "$f")
  medir "$caso" read read "$f"
  medir "$caso" danfe danfe "$f" -o "$tmp/saida/d.pdf"
done
for f in "$tmp/casos"/*.rpf; do
  caso=$(basename "$f")
  medir "$caso" "render pdf" render "$f" -o "$tmp/saida/r.pdf"
  medir "$caso" "render png" render "$f" -o "$tmp/saida/r.png"
done
