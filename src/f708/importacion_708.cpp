#include "f708/importacion_708.h"

#include "core/numeros.h"
#include "f708/impuesto_determinado.h"

namespace veluma {

namespace {

enum Campo { kINCAA, kSemana, kPrecio, kEntradas };

QString sinCerosALaIzquierda(const QString& codigo)
{
    qsizetype i = 0;
    while (i + 1 < codigo.size() && codigo[i] == QLatin1Char('0'))
        ++i;
    return codigo.mid(i);
}

QString claveDeLinea(qint32 sala, int semana, double precio)
{
    return QStringLiteral("%1|%2|%3").arg(sala).arg(semana).arg(qRound64(precio * 100));
}

}  // namespace

ImportadorEntradas708::ImportadorEntradas708(Database& base, const ClaveDDJJ& clave, std::optional<SalaYSemana> destino)
    : clave_(clave), destino_(destino)
{
    for (const Sala& sala :
         cls708Salas::GetAll(base, clave, QStringLiteral("DENOMINACION_SALA"), QStringLiteral("ASC"))) {
        salasPorINCAA_[sinCerosALaIzquierda(sala.codigoINCAA.trimmed())].push_back(sala);
        nombres_.insert(sala.codigo, QStringLiteral("%1 (%2)").arg(sala.denominacion, sala.codigoINCAA));
    }
    Statement consulta =
        base.prepare(QStringLiteral("SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA "
                                    "FROM [708ImpuestoDeterminado] "
                                    "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?"));
    ligarClave(consulta, clave);
    while (consulta.next())
        cargadas_.insert(claveDeLinea(qint32(consulta.integer(0).value_or(0)), int(consulta.integer(1).value_or(0)),
                                      consulta.real(2).value_or(0)));
}

QString ImportadorEntradas708::titulo() const { return QStringLiteral("Entradas vendidas"); }

std::vector<CampoImportacion> ImportadorEntradas708::campos() const
{
    const bool conDestino = destino_.has_value();
    return {
        {QStringLiteral("incaa"),
         QStringLiteral("Código INCAA"),
         {QStringLiteral("INCAA"), QStringLiteral("Cod INCAA")},
         !conDestino},
        {QStringLiteral("semana"),
         QStringLiteral("Semana"),
         {QStringLiteral("Nro Semana"), QStringLiteral("Periodo")},
         !conDestino},
        {QStringLiteral("precio"), QStringLiteral("Precio de venta"), {QStringLiteral("Precio")}, true, true},
        {QStringLiteral("entradas"),
         QStringLiteral("Entradas vendidas"),
         {QStringLiteral("Entradas"), QStringLiteral("Cantidad de entradas"), QStringLiteral("Cantidad")},
         true,
         true},
    };
}

LineaLeida ImportadorEntradas708::leer(const QStringList& valores) const
{
    LineaLeida linea;
    const QString incaa = valores[kINCAA];
    const QString semanaEscrita = valores[kSemana];
    linea.mostrada = valores;

    qint32 sala = 0;
    if (incaa.isEmpty() && destino_) {
        sala = destino_->sala;
    } else if (incaa.isEmpty()) {
        linea.problema = QStringLiteral("Falta el Código INCAA de la sala.");
        return linea;
    } else {
        const auto salas = salasPorINCAA_.constFind(sinCerosALaIzquierda(incaa));
        if (salas == salasPorINCAA_.cend()) {
            linea.problema = QStringLiteral("La declaración no tiene una sala con el Código INCAA %1.").arg(incaa);
            return linea;
        }
        if (salas->size() > 1) {
            linea.problema = QStringLiteral("La declaración tiene más de una sala con el Código INCAA %1.").arg(incaa);
            return linea;
        }
        sala = salas->front().codigo;
    }
    linea.mostrada[kINCAA] = nombres_.value(sala);

    int semana = 0;
    if (semanaEscrita.isEmpty() && destino_) {
        semana = destino_->semana;
    } else {
        bool esNumero = false;
        semana = semanaEscrita.toInt(&esNumero);
        if (!esNumero || semana < 1 || semana > 4) {
            linea.problema = semanaEscrita.isEmpty() ? QStringLiteral("Falta la semana.")
                                                     : QStringLiteral("La semana debe ser un número del 1 al 4.");
            return linea;
        }
    }
    linea.mostrada[kSemana] = QString::number(semana);

    const LecturaLineaImpuesto lectura = leerLineaImpuesto(valores[kPrecio], valores[kEntradas]);
    if (!lectura.problema.isEmpty()) {
        linea.problema = lectura.problema;
        return linea;
    }
    linea.mostrada[kPrecio] = formatearNumero(lectura.precioVenta, QStringLiteral("#,###,##0.00"));
    linea.mostrada[kEntradas] = formatearNumero(lectura.entradas, QStringLiteral("###,###"));
    linea.clave = claveDeLinea(sala, semana, lectura.precioVenta);
    linea.datos = {sala, semana, lectura.precioVenta, qint64(lectura.entradas)};
    return linea;
}

QString ImportadorEntradas708::textoRepetida() const { return textoLineaExistente(); }

QString ImportadorEntradas708::destinoDeFila() const
{
    return QStringLiteral(
        "INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, COD_SALA, "
        "NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, ?, ?, ?, ?, ?, ?)");
}

std::vector<QVariant> ImportadorEntradas708::valoresDeLaDeclaracion() const
{
    return {clave_.cuit, clave_.periodo, clave_.secuencia};
}

}  // namespace veluma
