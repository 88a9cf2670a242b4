#!/usr/bin/env python3
# Writes F0618_esperado.dat, the expected records of one fixed Form 618 declaration. The figures and records are
# worked out here from the record layouts alone, independently of the program, so the golden test checks the
# program against a second, separate computation. Standard library only; prints nothing on success.
from decimal import Decimal, ROUND_HALF_UP
from pathlib import Path

CARPETA = Path(__file__).resolve().parent
SALIDA = CARPETA / "F0618_esperado.dat"
GOLDEN_708 = CARPETA / "F0708_esperado.dat"

CUIT = "30704518265"
PERIODO = "200402"
SECUENCIA = 0
HORA = "102030"
CODIGO_INSTITUTO = "D'\u00c1vila 7"

# (TipoIngreso, Dia, NetoCobrado, TotalCobrado); 0 = sales, 1 = rentals.
INGRESOS = [
    (0, 1, "1000.00", "1210.00"),
    (0, 15, "250.50", "303.11"),
    (0, 29, "99.99", "120.99"),
    (1, 2, "300.00", "363.00"),
    (1, 28, "45.25", "54.75"),
]
VIDEOGRAMAS = {0: 12, 1: 7}
TASAS = {0: Decimal("10"), 1: Decimal("12.5")}


def numero(valor, ancho, decimales=0):
    # Scaled, rounded half away from zero, zero-padded, no sign and no point.
    entero = (Decimal(valor) * (Decimal(10) ** decimales)).quantize(Decimal(1), rounding=ROUND_HALF_UP)
    texto = str(int(entero))
    if entero < 0 or len(texto) > ancho:
        raise ValueError(f"{valor} does not fit in {ancho} digits")
    return texto.zfill(ancho)


def texto(valor, ancho):
    if len(valor) > ancho:
        raise ValueError(f"{valor!r} is longer than {ancho}")
    return valor.ljust(ancho)


def crc16_ccitt_false(datos):
    crc = 0xFFFF
    for byte in datos:
        crc ^= byte << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else (crc << 1)
            crc &= 0xFFFF
    return crc


def nverif(cuit, periodo, secuencia, importe, hora):
    importe_texto = str(Decimal(importe).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP))
    datos = numero(cuit, 15) + numero(f"{periodo}{secuencia}", 15) + numero(importe_texto, 15, 2) + numero(hora, 15)
    s = str(crc16_ccitt_false(datos.encode("ascii"))).zfill(6)
    # A 16-bit value has at most five digits, so the leading zero is always there to replace with the fourth
    # character of the time.
    assert s[0] == "0"
    return hora[3] + s[1:]


def registros_708():
    lineas = GOLDEN_708.read_bytes().split(b"\n")
    uno = next(linea for linea in lineas if linea.startswith(b"01")).decode("ascii")
    veinte = next(linea for linea in lineas if linea.startswith(b"20"))
    if len(uno) != 105 or len(veinte) != 149:
        raise ValueError("unexpected record 01 or 20 in the Form 708 golden file")
    return uno, veinte


def con_largo(registro, largo):
    if len(registro) != largo:
        raise ValueError(f"record {registro[:2]} is {len(registro)} long, expected {largo}")
    return registro


def registro_01(actividad, nverif_618, version):
    return con_largo("01" + CUIT + "00" + "305" + "019" + PERIODO + "00" + str(SECUENCIA) + "0000000" + actividad
                     + nverif_618 + "0000" + "00100" + "0618" + HORA + texto("DJ SIN PLAN", 25) + "00000"
                     + version, 105)


def registro_02(tipo, dia, neto, total):
    return con_largo("02" + numero(tipo, 2) + numero(dia, 2) + numero(neto, 15, 2) + numero(total, 15, 2), 36)


def registro_03(tipo, cantidad, neto, tasa, percepcion):
    return con_largo("03" + numero(tipo, 2) + numero(cantidad, 15) + numero(neto, 15, 2) + numero(tasa, 5, 2)
                     + numero(percepcion, 15, 2), 54)


def registro_04(total):
    return con_largo("04" + numero(total, 15, 2) + texto(CODIGO_INSTITUTO, 10), 27)


def registro_99(total):
    return con_largo("99" + "305" + numero(total, 15, 2), 20)


def main():
    uno_708, veinte_708 = registros_708()
    actividad, nverif_708, version = uno_708[37:43], uno_708[43:49], uno_708[98:105]
    # Check the verification number against the Form 708 golden before trusting it here.
    calculado = nverif(CUIT, "200403", 0, "272.68", "094715")
    if calculado != "715773" or nverif_708 != "715773":
        raise SystemExit(f"verification number check failed: computed {calculado}, golden {nverif_708}")

    netos = {tipo: sum((Decimal(n) for t, _, n, _ in INGRESOS if t == tipo), Decimal(0)) for tipo in (0, 1)}
    percepciones = {tipo: TASAS[tipo] / 100 * netos[tipo] if VIDEOGRAMAS[tipo] and netos[tipo] else Decimal(0)
                    for tipo in (0, 1)}
    total = percepciones[0] + percepciones[1]

    texto_registros = [registro_01(actividad, nverif(CUIT, PERIODO, SECUENCIA, total, HORA), version)]
    texto_registros += [registro_02(*fila) for fila in sorted(INGRESOS, key=lambda fila: (fila[0], fila[1]))]
    texto_registros += [registro_03(tipo, VIDEOGRAMAS[tipo], netos[tipo], TASAS[tipo], percepciones[tipo])
                        for tipo in (0, 1) if VIDEOGRAMAS[tipo]]
    texto_registros.append(registro_04(total))

    salida = b"".join(registro.encode("cp1252") + b"\n" for registro in texto_registros)
    salida += veinte_708 + b"\n"
    salida += registro_99(total).encode("cp1252") + b"\r\n"
    SALIDA.write_bytes(salida)


if __name__ == "__main__":
    main()
