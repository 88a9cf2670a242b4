#include "declarations/validacion_ddjj.h"

#include "core/numeros.h"
#include "declarations/formulario.h"

namespace veluma {

namespace {

constexpr QChar kSalto = u'\r';

bool enBlanco(const QString& texto) { return texto.trimmed().isEmpty(); }

// Adds a line, breaking from what is already there.
void agregarLinea(QString& mensaje, const QString& linea)
{
    if (!mensaje.isEmpty())
        mensaje += kSalto;
    mensaje += linea;
}

void validarMes(const DatosDDJJ& datos, ResultadoValidacion& resultado)
{
    // An impossible month would be stored as an impossible period.
    if (enBlanco(datos.mes))
        return;
    const double mes = Val(datos.mes.trimmed());
    if (mes < 1 || mes > 12 || !leerNumero(datos.mes.trimmed())) {
        agregarLinea(resultado.mensaje, QStringLiteral("El Mes del Período Fiscal debe estar entre 01 y 12"));
        resultado.foco = CampoDDJJ::Mes;
    }
}

// "12/1994" of 199412.
QString mesYAnio(int periodo)
{
    const QString texto = QString::number(periodo);
    return texto.right(2) + QLatin1Char('/') + texto.left(4);
}

}  // namespace

QString textoPeriodoMinimo(const Formulario& formulario)
{
    return QStringLiteral("El Periodo Fiscal no puede ser inferior al ") + mesYAnio(formulario.periodoMinimo());
}

int periodoDeTexto(const QString& anio, const QString& mes)
{
    QString mesConDosCifras = mes;
    if (const auto numero = leerNumero(mes.trimmed()); numero && *numero >= 0 && *numero < 100)
        mesConDosCifras = formatearNumero(*numero, QStringLiteral("00"));
    const double periodo = Val(anio + mesConDosCifras);
    return periodo > 0 && periodo < 1e9 ? int(periodo) : 0;
}

ResultadoValidacion ValidarDatos(const Formulario& formulario, const DatosDDJJ& datos)
{
    ResultadoValidacion resultado;
    if (enBlanco(datos.mes)) {
        resultado.mensaje = QStringLiteral("Debe especificar el Mes del Período Fiscal");
        resultado.foco = CampoDDJJ::Mes;
    }
    if (enBlanco(datos.anio)) {
        // Replaces the month line: the year is the worse omission.
        resultado.mensaje = QStringLiteral("Debe especificar el Año del Período Fiscal");
        resultado.foco = CampoDDJJ::Anio;
    }
    if (!resultado.mensaje.isEmpty())
        resultado.mensaje += kSalto;
    if (datos.secuencia < 0) {
        resultado.mensaje += QStringLiteral("Debe especificar la Secuencia");
        resultado.foco = CampoDDJJ::Secuencia;
    }

    if (periodoDeTexto(datos.anio, datos.mes) < formulario.periodoMinimo())
        agregarLinea(resultado.mensaje, textoPeriodoMinimo(formulario));
    validarMes(datos, resultado);
    for (const ObservacionValor& observacion : formulario.validarValor(datos.campo1)) {
        agregarLinea(resultado.mensaje, observacion.texto);
        if (observacion.enfocar)
            resultado.foco = CampoDDJJ::Campo1;
    }
    return resultado;
}

}  // namespace veluma
