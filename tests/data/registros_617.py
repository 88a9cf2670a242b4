#!/usr/bin/env python3
# Writes F0617_esperado.dat, the expected records of one fixed Form 617 declaration (the one the tests build with
# declaracionDeReferencia617). Worked out from the record layouts alone, independently of the program; the helpers
# are the Form 618 script's. Standard library only; prints nothing on success.
from decimal import Decimal, ROUND_HALF_UP
from pathlib import Path

from registros_618 import CUIT, con_largo, nverif, numero, registros_708, texto

SALIDA = Path(__file__).resolve().parent / "F0617_esperado.dat"

PERIODO = "200505"
SECUENCIA = 0
SERVICIO = "306"
HORA = "091500"
DOMICILIO = "Av. de Mayo 1370"

# By name, accents aside.
SOCIOS = [("27234567891", "Ávalos, María", "40"), ("20123456786", "O'Brien, Juan", "60")]

# Code, razón social, service type, start, rate; the five acts (number, YYYYMMDD) or None without detail;
# concepts; discounts, exemption kind, number, article, exempt amount, or None without a totals row.
LICENCIAS = [
    (1, "Canal del Sur S.A.", 1, "20010501", "8",
     [("1234", "19990315"), None, ("567", "20000701"), None, None],
     [(100, "10000.50"), (109, "2500.25"), (116, "1000"), (118, "300"), (120, "50")],
     ("500", 1, 12, 3, "100")),
    (2, "Cable Ñandú", 2, "20020110", "5", [None, None, None, ("89", "20020202"), None],
     [(101, "7777.77"), (110, "1234.56")], ("0", 0, 0, 0, "0")),
    (3, "Sin Detalle SRL", 5, "20010501", "3.5", None, [(102, "100")], ("0", 0, 0, 0, "0")),
    (4, "Antena Norte", 4, "20010501", "4", [None, ("42", "20030820"), None, None, None], [], None),
]


def grupos(conceptos):
    suma = lambda desde, hasta: sum((Decimal(i) for c, i in conceptos if desde <= c <= hasta), Decimal(0))
    return suma(100, 108), suma(109, 115), suma(116, 117), suma(118, 118), suma(100, 120)


def impuesto(licencia):
    _, _, _, _, tasa, _, conceptos, totales = licencia
    descuentos, exencion, nro, articulo, exento = totales or ("0", 0, 0, 0, "0")
    bruta = grupos(conceptos)[4]
    subtotal = max(Decimal(0), bruta - Decimal(descuentos))
    tax = subtotal * Decimal(tasa) / 100
    return bruta, Decimal(descuentos), subtotal, tax, exencion, nro, articulo, Decimal(exento)


def main():
    uno_708, veinte_708 = registros_708()
    actividad, version = uno_708[37:43], uno_708[98:105]

    conceptos = [lic for lic in LICENCIAS if lic[6]]
    cifras = [impuesto(lic) for lic in conceptos]
    total = sum((tax - exento for _, _, _, tax, _, _, _, exento in cifras), Decimal(0))
    verificador = nverif(CUIT, PERIODO, SECUENCIA, total, HORA)

    r = [con_largo("01" + CUIT + "00" + SERVICIO + "019" + PERIODO + "00" + str(SECUENCIA) + "0000000" + actividad
                   + verificador + "0000" + "00100" + "0617" + HORA + texto("DJ SIN PLAN", 25) + "00000" + version,
                   105)]
    r += [con_largo("02" + cuit + texto(nombre, 40) + numero(pct, 5, 2), 58) for cuit, nombre, pct in SOCIOS]
    con_detalle = [lic for lic in LICENCIAS if lic[5] is not None]
    for codigo, nombre, tipo, inicio, _, actos, _, _ in con_detalle:
        registro = "03" + numero(codigo, 8) + texto(nombre, 40) + texto(DOMICILIO, 40) + numero(tipo, 2) + inicio
        for acto in actos:
            registro += numero(acto[0], 10) + acto[1] if acto else "0" * 18
        r.append(con_largo(registro, 190))
    for codigo, _, _, _, _, _, filas, _ in LICENCIAS:
        r += [con_largo("04" + numero(codigo, 8) + numero(c, 3) + numero(i, 15, 2), 28) for c, i in filas]
    for codigo, _, _, _, _, _, filas, _ in con_detalle:
        r.append(con_largo("05" + numero(codigo, 8) + "".join(numero(g, 15, 2) for g in grupos(filas)[:4]), 70))
    for licencia in con_detalle:
        bruta, descuentos, subtotal, tax, exencion, nro, articulo, exento = impuesto(licencia)
        r.append(con_largo("06" + numero(licencia[0], 8) + numero(bruta, 15, 2) + numero(descuentos, 15, 2)
                           + numero(subtotal, 15, 2) + numero(licencia[4], 5, 2) + numero(tax, 15, 2)
                           + numero(exencion, 2) + numero(nro, 5) + numero(articulo, 3) + numero(0, 5, 2)
                           + numero(exento, 15, 2) + numero(max(Decimal(0), tax - exento), 15, 2), 120))
    exentos = [sum((c[7] for c in cifras if c[4] == kind), Decimal(0)) for kind in (1, 2, 3)]
    r.append(con_largo("07" + "".join(numero(sum((c[i] for c in cifras), Decimal(0)), 15, 2) for i in range(4))
                       + "".join(numero(e, 15, 2) for e in exentos) + numero(total, 15, 2), 122))

    salida = b"".join(registro.encode("cp1252") + b"\n" for registro in r)
    salida += veinte_708 + b"\n"
    salida += con_largo("99" + SERVICIO + numero(total, 15, 2), 20).encode("cp1252") + b"\r\n"
    SALIDA.write_bytes(salida)


if __name__ == "__main__":
    main()
