#include "f617/interfaz_617.h"

#include "core/fechas.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/clave_617.h"
#include "f617/liquidacion_617.h"
#include "f617/socios_617.h"
#include "f617/totales_617.h"
#include "generation/campos_registro.h"
#include "generation/codificacion.h"
#include "generation/escritor_registros.h"

#include <algorithm>

namespace veluma {

namespace {

const QString kFinDeLinea = QStringLiteral("\r\n");
// The reasons of missing data, and of a failure inside an operation, have
// always ended with the line feed first.
const QString kFinDeMotivoDeDatos = QStringLiteral("\n\r");

QString cuit11(const QString& cuit)
{
    QVariant valor(cuit);
    return FormatearCuit(valor, 0);
}

QString fecha8(const QDate& fecha) { return FormatearFecha(fecha); }

}  // namespace

cls617Interfaz::cls617Interfaz(Sesion& sesion, const Liquidacion617& liquidacion)
    : sesion_(sesion), liquidacion_(liquidacion)
{
}

bool cls617Interfaz::GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes)
{
    EscritorRegistros salida(sesion_.instalacion, ArchivoTMP);
    const std::vector<OperacionRegistro> operaciones = {
        operacionDe("01", *this, &cls617Interfaz::GenerarRegistro1),
        operacionDe("02", *this, &cls617Interfaz::GenerarRegistro2),
        operacionDe("03", *this, &cls617Interfaz::GenerarRegistro3),
        operacionDe("04", *this, &cls617Interfaz::GenerarRegistro4),
        operacionDe("05", *this, &cls617Interfaz::GenerarRegistro5),
        operacionDe("06", *this, &cls617Interfaz::GenerarRegistro6),
        operacionDe("07", *this, &cls617Interfaz::GenerarRegistro7),
        operacionDe("20", *this, &cls617Interfaz::GenerarRegistro20),
        operacionDe("99", *this, &cls617Interfaz::GenerarRegistro99),
    };
    if (!generarRegistros(salida, operaciones, kFinDeMotivoDeDatos, mensajes))
        return false;
    nombrarSalidas(liquidacion_.numeroVerificacion, QStringLiteral("F0617"), liquidacion_.clave, salida.cantidad());
    return true;
}

bool cls617Interfaz::faltan(EscritorRegistros& salida, const QString& motivo)
{
    salida.anotarMotivo(motivo + kFinDeMotivoDeDatos);
    return false;
}

bool cls617Interfaz::GenerarRegistro1(EscritorRegistros& salida)
{
    // A licence left out of the total would make the verification number and
    // record 99 declare less than the licences written.
    if (!liquidacion_.total.problemas.isEmpty())
        return faltan(salida, liquidacion_.total.problemas.join(kFinDeLinea));
    return salida.agregar(
        cabeceraDeclaracion(liquidacion_.clave, QString::number(servicioDe(liquidacion_.clave)), QStringLiteral("0617"),
                            sesion_.contribuyente.actividad, liquidacion_.numeroVerificacion, liquidacion_.hora),
        105);
}

bool cls617Interfaz::GenerarRegistro2(EscritorRegistros& salida)
{
    const std::vector<Socio617> socios = cls617CompSocietaria::GetAllInterfaz(sesion_.base, liquidacion_.clave);
    if (socios.empty())
        return faltan(salida, QStringLiteral("No tiene ingresado la Composición Societaria."));
    if (const QString problema = cls617CompSocietaria::ValidarTotalPorcentaje(sesion_.base, liquidacion_.clave);
        !problema.isEmpty()) {
        salida.anotarMotivo(problema);
        return false;
    }
    for (const Socio617& socio : socios)
        if (!salida.agregar(QStringLiteral("02") + cuit11(socio.CuitSocio) + texto(socio.NombreApellido, 40)
                                + numerico(socio.Porcentaje, 5, 2),
                            58))
            return false;
    return true;
}

bool cls617Interfaz::GenerarRegistro3(EscritorRegistros& salida)
{
    Statement consulta = prepararDe617(
        sesion_.base,
        QStringLiteral("SELECT l.CodigoLicencia, l.ApellidoNombre, l.Domicilio, l.TipoServicio, l.InicioActividades, "
                       "%2 FROM (SELECT * FROM [617Licencias] WHERE %1) l JOIN [617LicenciasDetalle] d "
                       "ON d.Cuit=l.Cuit AND d.Periodo=l.Periodo AND d.Secuencia=l.Secuencia "
                       "AND d.ImpServicio=l.ImpServicio AND d.CodigoLicencia=l.CodigoLicencia "
                       "ORDER BY l.CodigoLicencia")
            .arg(QStringLiteral("%1"), columnasDeActos(QStringLiteral("d."))),
        liquidacion_.clave);
    licencias_.clear();
    while (consulta.next()) {
        LicenciaConDetalle licencia{consulta.integer(0).value_or(0),      consulta.text(1).value_or(QString()),
                                    consulta.text(2).value_or(QString()), int(consulta.integer(3).value_or(0)),
                                    leerFechaGuardada(consulta.text(4)),  {}};
        licencia.detalle.actos = leerActos(consulta, 5);
        licencias_.push_back(std::move(licencia));
    }
    if (licencias_.empty())
        return faltan(salida, QStringLiteral("No tiene ingresado Detalle de Licencias."));

    for (const LicenciaConDetalle& licencia : licencias_) {
        QString registro = QStringLiteral("03") + numerico(double(licencia.codigo), 8, 0)
                           + texto(licencia.razonSocial, 40) + texto(licencia.domicilio, 40)
                           + numerico(licencia.tipoServicio, 2, 0) + fecha8(licencia.inicio);
        double numeros = 0;  // as written: a negative number is written as zeros
        for (const ActoLicencia& acto : licencia.detalle.actos) {
            const QString numero = numerico(acto.Numero, 10, 0);
            numeros += Val(numero);
            registro += numero + fecha8(acto.Fecha);
        }
        if (numeros == 0) {
            salida.anotarMotivo(QStringLiteral("Falta ingresar el Detalle de la Licencia ") + kFinDeLinea
                                + texto(licencia.razonSocial, 40) + QLatin1Char('.') + kFinDeLinea);
            return false;
        }
        if (!salida.agregar(registro, 190))
            return false;
    }
    return true;
}

bool cls617Interfaz::GenerarRegistro4(EscritorRegistros& salida)
{
    Statement consulta = prepararDe617(sesion_.base,
                                       QStringLiteral("SELECT CodigoLicencia, Concepto, FacturacionBruta "
                                                      "FROM [617LicenciasIngresoConceptos] WHERE %1 "
                                                      "ORDER BY CodigoLicencia, Concepto"),
                                       liquidacion_.clave);
    bool alguno = false;
    while (consulta.next()) {
        alguno = true;
        if (!salida.agregar(QStringLiteral("04") + numerico(consulta.real(0).value_or(0), 8, 0)
                                + numerico(consulta.real(1).value_or(0), 3, 0)
                                + numerico(consulta.real(2).value_or(0), 15, 2),
                            28))
            return false;
    }
    return alguno || faltan(salida, QStringLiteral("No tiene ingresado Conceptos por Licencia."));
}

LicenciaLiquidada cls617Interfaz::liquidada(const LicenciaConDetalle& licencia) const
{
    const std::vector<LicenciaLiquidada>& liquidadas = liquidacion_.total.licencias;
    const auto encontrada = std::find_if(liquidadas.begin(), liquidadas.end(),
                                         [&](const LicenciaLiquidada& l) { return l.codigo == licencia.codigo; });
    if (encontrada != liquidadas.end())
        return *encontrada;

    cls617LicTotalLicencias totales;
    totales.CargarDatos(sesion_.base, liquidacion_.clave, licencia.codigo, licencia.tipoServicio);
    LicenciaLiquidada sinConceptos;
    sinConceptos.codigo = licencia.codigo;
    sinConceptos.razonSocial = licencia.razonSocial;
    sinConceptos.tipoServicio = licencia.tipoServicio;
    sinConceptos.descuentos = totales.DescuentosBonificaciones;
    sinConceptos.alicuota =
        alicuotaVigente(sesion_.base, licencia.tipoServicio, liquidacion_.clave.periodo).value_or(0);
    sinConceptos.exencion = totales.ExencionesOtorgadas;
    sinConceptos.numeroExencion = totales.Numero;
    sinConceptos.articulo = totales.NroArticulo;
    sinConceptos.porcentajeExento = totales.Porcentaje;
    sinConceptos.exento = totales.ImporteExentoIngresar;
    return sinConceptos;
}

bool cls617Interfaz::GenerarRegistro5(EscritorRegistros& salida)
{
    if (licencias_.empty())
        return faltan(salida, QStringLiteral("No tiene ingresado Licencias."));
    cifras_.clear();
    for (const LicenciaConDetalle& licencia : licencias_)
        cifras_.push_back(liquidada(licencia));
    for (const LicenciaLiquidada& licencia : cifras_) {
        const TotalesFacturacion& facturacion = licencia.facturacion;
        if (!salida.agregar(QStringLiteral("05") + numerico(double(licencia.codigo), 8, 0)
                                + numerico(facturacion.publicidad, 15, 2) + numerico(facturacion.abonos, 15, 2)
                                + numerico(facturacion.programas, 15, 2) + numerico(facturacion.otros, 15, 2),
                            70))
            return false;
    }
    return true;
}

bool cls617Interfaz::GenerarRegistro6(EscritorRegistros& salida)
{
    if (licencias_.empty())
        return faltan(salida, QStringLiteral("No tiene ingresado el Total por Licencia."));
    for (const LicenciaLiquidada& l : cifras_) {
        if (!salida.agregar(QStringLiteral("06") + numerico(double(l.codigo), 8, 0)
                                + numerico(l.facturacion.bruta, 15, 2) + numerico(l.descuentos, 15, 2)
                                + numerico(l.subtotal, 15, 2) + numerico(l.alicuota, 5, 2) + numerico(l.impuesto, 15, 2)
                                + numerico(l.exencion, 2, 0) + numerico(double(l.numeroExencion), 5, 0)
                                + numerico(double(l.articulo), 3, 0) + numerico(l.porcentajeExento, 5, 2)
                                + numerico(l.exento, 15, 2) + numerico(l.total(), 15, 2),
                            120))
            return false;
    }
    return true;
}

bool cls617Interfaz::GenerarRegistro7(EscritorRegistros& salida)
{
    const std::vector<LicenciaLiquidada>& licencias = liquidacion_.total.licencias;
    if (licencias.empty())
        return faltan(salida, QStringLiteral("No existen licencias con conceptos facturados para presentar."));
    // The exempt amounts by the kind of exemption: by law, by resolution, others.
    double exentos[3] = {0, 0, 0};
    for (const LicenciaLiquidada& licencia : licencias)
        if (licencia.exencion >= 1 && licencia.exencion <= 3)
            exentos[licencia.exencion - 1] += licencia.exento;
    return salida.agregar(QStringLiteral("07") + numerico(liquidacion_.facturacion().bruta, 15, 2)
                              + numerico(liquidacion_.descuentos(), 15, 2) + numerico(liquidacion_.subtotal(), 15, 2)
                              + numerico(liquidacion_.impuesto(), 15, 2) + numerico(exentos[0], 15, 2)
                              + numerico(exentos[1], 15, 2) + numerico(exentos[2], 15, 2)
                              + numerico(liquidacion_.total.TotalAPagar, 15, 2),
                          122);
}

bool cls617Interfaz::GenerarRegistro20(EscritorRegistros& salida)
{
    return salida.agregar(QStringLiteral("20") + sesion_.contribuyente.domicilioSAD, 149);
}

bool cls617Interfaz::GenerarRegistro99(EscritorRegistros& salida)
{
    return salida.agregarUltimo(QStringLiteral("99") + numerico(servicioDe(liquidacion_.clave), 3, 0)
                                    + numerico(liquidacion_.total.TotalAPagar, 15, 2),
                                20);
}

}  // namespace veluma
