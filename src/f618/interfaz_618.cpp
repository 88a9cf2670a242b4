#include "f618/interfaz_618.h"

#include "core/sesion.h"
#include "f618/liquidacion_618.h"
#include "generation/campos_registro.h"
#include "generation/escritor_registros.h"

namespace veluma {

namespace {

const QString kFinDeMotivo = QStringLiteral("\r\n");
// The reasons of missing data, and of a failure inside an operation, have
// always ended with the line feed first.
const QString kFinDeMotivoDeDatos = QStringLiteral("\n\r");

// One record 03: written for a kind with videograms; refused for a kind with
// incomes and none; skipped otherwise.
// `faltante` and `nombre` are how the two messages have always called the kind.
bool escribirPercepcion(EscritorRegistros& salida, const QString& tipo, const QString& faltante, const QString& nombre,
                        double videogramas, double neto, double tasa, double percepcion)
{
    if (videogramas == 0 && neto > 0) {
        salida.anotarMotivo(QStringLiteral("Falta ingresar la cantidad de Videogramas ") + faltante + QLatin1Char('.')
                            + kFinDeMotivo);
        return false;
    }
    if (videogramas == 0)
        return true;
    return salida.agregar(QStringLiteral("03") + tipo + numerico(videogramas, 15, 0) + numerico(neto, 15, 2)
                              + numerico(tasa, 5, 2) + numerico(percepcion, 15, 2),
                          54, nombre);
}

}  // namespace

cls618Interfaz::cls618Interfaz(Sesion& sesion, const Liquidacion618& liquidacion)
    : sesion_(sesion), liquidacion_(liquidacion)
{
}

bool cls618Interfaz::GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes)
{
    EscritorRegistros salida(sesion_.instalacion, ArchivoTMP);
    const std::vector<OperacionRegistro> operaciones = {
        operacionDe("01", *this, &cls618Interfaz::GenerarRegistro1),
        operacionDe("02", *this, &cls618Interfaz::GenerarRegistro2),
        operacionDe("03", *this, &cls618Interfaz::GenerarRegistro3),
        operacionDe("04", *this, &cls618Interfaz::GenerarRegistro4),
        operacionDe("20", *this, &cls618Interfaz::GenerarRegistro20),
        operacionDe("99", *this, &cls618Interfaz::GenerarRegistro99),
    };
    if (!generarRegistros(salida, operaciones, kFinDeMotivoDeDatos, mensajes))
        return false;
    nombrarSalidas(liquidacion_.numeroVerificacion, QStringLiteral("F0618"), liquidacion_.clave, salida.cantidad());
    return true;
}

bool cls618Interfaz::GenerarRegistro1(EscritorRegistros& salida)
{
    return salida.agregar(
        cabeceraDeclaracion(liquidacion_.clave, QStringLiteral("305"), QStringLiteral("0618"),
                            sesion_.contribuyente.actividad, liquidacion_.numeroVerificacion, liquidacion_.hora),
        105);
}

bool cls618Interfaz::GenerarRegistro2(EscritorRegistros& salida)
{
    if (liquidacion_.ingresos.empty()) {
        salida.anotarMotivo(liquidacion_.motivoSinPresentacion() + kFinDeMotivoDeDatos);
        return false;
    }
    for (const IngresoDia& ingreso : liquidacion_.ingresos) {
        if (!salida.agregar(QStringLiteral("02") + numerico(ingreso.tipoIngreso, 2, 0) + numerico(ingreso.dia, 2, 0)
                                + numerico(ingreso.netoCobrado, 15, 2) + numerico(ingreso.totalCobrado, 15, 2),
                            36))
            return false;
    }
    return true;
}

bool cls618Interfaz::GenerarRegistro3(EscritorRegistros& salida)
{
    const cls618TotalPercepciones& p = liquidacion_.percepciones;
    return escribirPercepcion(salida, QStringLiteral("00"), QStringLiteral("Ventas"), QStringLiteral("Venta"),
                              p.VideogramasV, p.NetoV, p.TasaV, p.PercepcionV)
           && escribirPercepcion(salida, QStringLiteral("01"), QStringLiteral("Alquiler"), QStringLiteral("Alquiler"),
                                 p.VideogramasA, p.NetoA, p.TasaA, p.PercepcionA);
}

bool cls618Interfaz::GenerarRegistro4(EscritorRegistros& salida)
{
    return salida.agregar(QStringLiteral("04") + numerico(liquidacion_.percepciones.TotalADepositar, 15, 2)
                              + texto(liquidacion_.clave.campo1, 10),
                          27);
}

bool cls618Interfaz::GenerarRegistro20(EscritorRegistros& salida)
{
    return salida.agregar(QStringLiteral("20") + sesion_.contribuyente.domicilioSAD, 149);
}

bool cls618Interfaz::GenerarRegistro99(EscritorRegistros& salida)
{
    return salida.agregarUltimo(
        QStringLiteral("99") + QStringLiteral("305") + numerico(liquidacion_.percepciones.TotalADepositar, 15, 2), 20);
}

}  // namespace veluma
