#include "f708/reportes_708.h"

#include "core/instalacion.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "declarations/validacion_ddjj.h"
#include "f708/pago_cuenta.h"
#include "f708/saldos.h"

namespace veluma {

namespace {

ClaveDDJJ claveDeSesion(const Sesion& sesion)
{
    return {sesion.cuit, sesion.periodo, sesion.secuencia, sesion.formulario};
}

// A CUIT inside a quoted selection value: its apostrophes doubled.
QString citado(const QString& texto)
{
    QString doble = texto;
    return QLatin1Char('\'') + doble.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString importeImpreso(double importe)
{
    return formatearNumero(importe > 0 ? importe : 0, QStringLiteral("#,###,###,###,##0.00"));
}

QString versionImpresa()
{
    const Version version = versionDelPrograma();
    return QString::number(version.mayor) + QLatin1Char('.') + FormatoDosDigitos(version.menor) + QLatin1Char('.')
           + FormatoDosDigitos(version.revision);
}

std::vector<std::pair<QString, QString>> datosDelContribuyente(const Sesion& sesion)
{
    return {{QStringLiteral("cuit"), sesion.cuit},
            {QStringLiteral("periodo"), textoPeriodoImpreso(sesion.periodo)},
            {QStringLiteral("secuencia"), textoSecuenciaImpresa(sesion.secuencia)},
            {QStringLiteral("denominacion"), sesion.denominacion}};
}

}  // namespace

QString textoSecuenciaImpresa(int secuencia)
{
    return QString::number(secuencia)
           + (secuencia == 0 ? QStringLiteral(" - Original") : QStringLiteral(" - Rectificativa"));
}

QString textoPeriodoImpreso(int periodo)
{
    const QString texto = QString::number(periodo);
    return texto.right(2) + QLatin1Char('/') + texto.left(4);
}

QString formulaUltimaHoja(int paginas) { return QStringLiteral("ultimahoja=") + QString::number(paginas); }

ConfiguracionReporte reporteForm708(Sesion& sesion, const QString& textoAlicuota)
{
    const double alicuota = alicuotaDelCampo(textoAlicuota);
    const ClaveDDJJ clave = claveDeSesion(sesion);
    cls708PagoCuenta pagos;
    pagos.GetPago(sesion.base, clave);
    const Saldos708 saldos = calcularSaldos708(sesion.base, clave, alicuota);

    ConfiguracionReporte reporte = ConfiguracionReporte::deSesion(sesion, QStringLiteral("Form708.rpt"));
    reporte.LimpiarFormulas();
    reporte.formulaSeleccion = QStringLiteral("{DDJJ.CUIT} = ") + citado(sesion.cuit)
                               + QStringLiteral(" and {DDJJ.PERIODO} = ") + QString::number(sesion.periodo)
                               + QStringLiteral(" and {DDJJ.SECUENCIA} = ") + QString::number(sesion.secuencia)
                               + QStringLiteral(" and {DDJJ.FORMULARIO} = ") + QString::number(sesion.formulario);
    std::vector<std::pair<QString, QString>> valores = datosDelContribuyente(sesion);
    valores.insert(valores.end(),
                   {{QStringLiteral("domicilio"), sesion.domicilioFiscal},
                    {QStringLiteral("NVerif"), numeroVerificacion708(sesion.base, clave, saldos.saldoPendiente)},
                    {QStringLiteral("version"), versionImpresa()},
                    {QStringLiteral("alicuota"), textoAlicuota},
                    {QStringLiteral("impuestodeclarado"), importeImpreso(saldos.impuestoDeclarado)},
                    {QStringLiteral("pagos1"), importeImpreso(pagos.Semana1)},
                    {QStringLiteral("pagos2"), importeImpreso(pagos.Semana2)},
                    {QStringLiteral("pagos3"), importeImpreso(pagos.Semana3)},
                    {QStringLiteral("pagos4"), importeImpreso(pagos.Semana4)},
                    {QStringLiteral("totalpagos"), importeImpreso(saldos.pagosCuenta)},
                    {QStringLiteral("pendiente"), importeImpreso(saldos.saldoPendiente)}});
    reporte.PonerFormulas(valores);
    reporte.Formula(20, QString());
    reporte.titulo = QStringLiteral("Impresión del F.708 - Impuesto a las Entradas de Espectáculos Cinematográficos");
    return reporte;
}

ConfiguracionReporte reporteSalas(const Sesion& sesion)
{
    ConfiguracionReporte reporte = ConfiguracionReporte::deSesion(sesion, QStringLiteral("Salas.rpt"));
    reporte.LimpiarFormulas();
    reporte.PonerFormulas(datosDelContribuyente(sesion));
    reporte.formulaSeleccion = QStringLiteral("{708detalledesalas.CUIT} = ") + citado(sesion.cuit)
                               + QStringLiteral(" AND {708detalledesalas.PERIODO} =") + QString::number(sesion.periodo)
                               + QStringLiteral(" AND {708detalledesalas.SECUENCIA} = ")
                               + QString::number(sesion.secuencia);
    reporte.titulo = QStringLiteral("Impresión Detalle de Salas");
    return reporte;
}

}  // namespace veluma
