#!/usr/bin/env python3
"""Writes N different NF-e files made from our fictitious 3-item invoice, for timing batches.

    bench/gerar-notas.py DIR N [--itens K]

Each file gets its own number, access key (with a valid check digit), issuer and product names
and quantities, so no two DANFEs are the same page. --itens K repeats the item list up to K items
(the 990-item whole-process case).
"""
import argparse
import os
import re
import sys

BASE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "fixtures", "nfe", "base-v400.xml")


def digito_chave(chave43: str) -> str:
    soma = 0
    peso = 2
    for c in reversed(chave43):
        soma += int(c) * peso
        peso = 2 if peso == 9 else peso + 1
    resto = soma % 11
    return "0" if resto < 2 else str(11 - resto)


def itens_repetidos(xml: str, total: int) -> str:
    dets = re.findall(r"<det nItem=\"\d+\">.*?</det>\n", xml, flags=re.S)
    novos = []
    for i in range(total):
        det = dets[i % len(dets)]
        det = re.sub(r'nItem="\d+"', f'nItem="{i + 1}"', det, count=1)
        det = re.sub(r"<cProd>[^<]*</cProd>", f"<cProd>P{i + 1:05d}</cProd>", det, count=1)
        novos.append(det)
    inicio = xml.index(dets[0])
    fim = xml.index(dets[-1]) + len(dets[-1])
    return xml[:inicio] + "".join(novos) + xml[fim:]


def nota(base: str, n: int) -> str:
    numero = 100000 + n
    cnf = f"{(n * 7919) % 100000000:08d}"
    chave43 = f"3519051234567800019555001{numero:09d}1{cnf}"
    chave = chave43 + digito_chave(chave43)
    xml = re.sub(r'Id="NFe\d{44}"', f'Id="NFe{chave}"', base, count=1)
    xml = xml.replace("<nNF>1234</nNF>", f"<nNF>{numero}</nNF>")
    xml = xml.replace("<cNF>00001234</cNF>", f"<cNF>{cnf}</cNF>")
    xml = xml.replace("<cDV>2</cDV>", f"<cDV>{chave[-1]}</cDV>")
    xml = xml.replace("EMPRESA EMITENTE FICTÍCIA LTDA", f"EMPRESA EMITENTE FICTÍCIA {n} LTDA")
    xml = xml.replace("<xProd>PARAFUSO</xProd>", f"<xProd>PARAFUSO SEXTAVADO M{6 + n % 20}</xProd>")
    xml = xml.replace("<qCom>4</qCom>", f"<qCom>{4 + n % 50}</qCom>")
    return xml


def main() -> int:
    args = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    args.add_argument("pasta")
    args.add_argument("quantas", type=int)
    args.add_argument("--itens", type=int, default=0)
    o = args.parse_args()
    with open(BASE, encoding="utf-8") as f:
        base = f.read()
    if o.itens > 0:
        base = itens_repetidos(base, o.itens)
    os.makedirs(o.pasta, exist_ok=True)
    for n in range(1, o.quantas + 1):
        with open(os.path.join(o.pasta, f"nota-{n:05d}.xml"), "w", encoding="utf-8") as f:
            f.write(nota(base, n))
    return 0


if __name__ == "__main__":
    sys.exit(main())
