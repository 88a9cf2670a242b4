#include "core/consultas.h"

#include "core/database.h"
#include "core/esquema.h"

#include <optional>

namespace veluma {

namespace {

// Billing of a licence grouped by concept range: 100-108 publicity,
// 109-115 subscriptions, 116-117 programmes, 118 and above the rest.
const char* const kConsAgrupIngresos =
    "SELECT Sum(IIf([Concepto]>=100 And [Concepto]<=108,[FacturacionBruta],0)) AS Publicidad, "
    "Sum(IIf(Concepto>=109 And Concepto<=115,FacturacionBruta,0)) AS Abonos, "
    "Sum(IIf(Concepto>=116 And Concepto<=117,FacturacionBruta,0)) AS Programas, "
    "Sum(IIf(Concepto>=118,FacturacionBruta,0)) AS OtrosConceptos, "
    "Sum([617LicenciasIngresoConceptos].FacturacionBruta) AS FacBruta, "
    "[617LicenciasIngresoConceptos].CUIT, [617LicenciasIngresoConceptos].Periodo, "
    "[617LicenciasIngresoConceptos].Secuencia, [617LicenciasIngresoConceptos].ImpServicio, "
    "[617LicenciasIngresoConceptos].CodigoLicencia "
    "FROM [617LicenciasIngresoConceptos] "
    "GROUP BY [617LicenciasIngresoConceptos].CUIT, [617LicenciasIngresoConceptos].Periodo, "
    "[617LicenciasIngresoConceptos].Secuencia, [617LicenciasIngresoConceptos].ImpServicio, "
    "[617LicenciasIngresoConceptos].CodigoLicencia";

// Every licence beside every detail row, as readers of the licences expect it.
const char* const kConsultaLicencias =
    "SELECT [617Licencias].CUIT AS Expr1, [617Licencias].Periodo AS Expr2, [617Licencias].Secuencia AS Expr3, "
    "[617Licencias].CodigoLicencia AS Expr5, [617Licencias].ApellidoNombre AS Expr6, "
    "[617Licencias].Domicilio AS Expr7, [617Licencias].TipoServicio AS Expr8, "
    "[617Licencias].InicioActividades AS Expr9, [617LicenciasDetalle].NroResolucionLicencia AS Expr10, "
    "[617LicenciasDetalle].FechaNroResolucionLicencia AS Expr11, "
    "[617LicenciasDetalle].NroResolucionPrecaria AS Expr12, "
    "[617LicenciasDetalle].FechaNroResolucionPrecaria AS Expr13, [617LicenciasDetalle].NroDecreto AS Expr14, "
    "[617LicenciasDetalle].FechaNroDecreto AS Expr15, [617LicenciasDetalle].NroInscripcion AS Expr16, "
    "[617LicenciasDetalle].FechaNroInscripcion AS Expr17, [617LicenciasDetalle].NroReInscripcion AS Expr18, "
    "[617LicenciasDetalle].FechaNroReInscripcion AS Expr19 "
    "FROM [617Licencias], [617LicenciasDetalle]";

const char* const kImpresionDDJJ =
    "SELECT [617ConsAgrupIngresos].Publicidad, [617ConsAgrupIngresos].Abonos, [617ConsAgrupIngresos].Programas, "
    "[617ConsAgrupIngresos].OtrosConceptos, [617ConsAgrupIngresos].FacBruta, "
    "[617LicenciasTotalLicencias].DescuentosBonificaciones, "
    "([617ConsAgrupIngresos].FacBruta-[617LicenciasTotalLicencias].DescuentosBonificaciones)"
    "*[617TablaDenom].Porcentaje/100 AS ImpIngresar, "
    "[617LicenciasTotalLicencias].ImporteExentoIngresar, "
    "([617ConsAgrupIngresos].FacBruta-[617LicenciasTotalLicencias].DescuentosBonificaciones)"
    "*[617TablaDenom].Porcentaje/100-[617LicenciasTotalLicencias].ImporteExentoIngresar AS TotalAPagar, "
    "[617ConsAgrupIngresos].CUIT, [617ConsAgrupIngresos].Periodo, [617ConsAgrupIngresos].Secuencia, "
    "[617ConsAgrupIngresos].ImpServicio, [617TablaDenom].VigenciaDesde, [617TablaDenom].VigenciaHasta "
    "FROM [617Licencias], [617ConsAgrupIngresos], [617LicenciasTotalLicencias], [617TablaDenom] "
    "WHERE ((([617ConsAgrupIngresos].CodigoLicencia)=[617Licencias].[CodigoLicencia]) "
    "AND (([617ConsAgrupIngresos].CUIT)=[617Licencias].[Cuit]) "
    "AND (([617ConsAgrupIngresos].Periodo)=[617Licencias].[Periodo]) "
    "AND (([617ConsAgrupIngresos].Secuencia)=[617Licencias].[Secuencia]) "
    "AND (([617ConsAgrupIngresos].ImpServicio)=[617Licencias].[ImpServicio]) "
    "AND (([617LicenciasTotalLicencias].CodigoLicencia)=[617Licencias].[CodigoLicencia]) "
    "AND (([617LicenciasTotalLicencias].CUIT)=[617Licencias].[Cuit]) "
    "AND (([617LicenciasTotalLicencias].Periodo)=[617Licencias].[Periodo]) "
    "AND (([617LicenciasTotalLicencias].Secuencia)=[617Licencias].[Secuencia]) "
    "AND (([617LicenciasTotalLicencias].ImpServicio)=[617Licencias].[ImpServicio]) "
    "AND (([617TablaDenom].Codigo)=[617Licencias].[TipoServicio]))";

// The engine cannot name a column alias inside the same select list, so the
// sub-totals are written out where they are reused.
const char* const kRegistro7 =
    "SELECT [617Licencias].CUIT, [617Licencias].Periodo, [617Licencias].Secuencia, [617Licencias].ImpServicio, "
    "[617ConsAgrupIngresos].FacBruta, [617LicenciasTotalLicencias].DescuentosBonificaciones, "
    "[617ConsAgrupIngresos].FacBruta-[617LicenciasTotalLicencias].DescuentosBonificaciones AS SubTotal, "
    "([617ConsAgrupIngresos].FacBruta-[617LicenciasTotalLicencias].DescuentosBonificaciones)"
    " * [617TablaDenom].Porcentaje / 100 AS Impuesto, "
    "IIf([617LicenciasTotalLicencias].ExencionesOtorgadas=1,[617LicenciasTotalLicencias].ImporteExentoIngresar,0) AS LEY, "
    "IIf([617LicenciasTotalLicencias].ExencionesOtorgadas=2,[617LicenciasTotalLicencias].ImporteExentoIngresar,0) AS RESO, "
    "IIf([617LicenciasTotalLicencias].ExencionesOtorgadas=3,[617LicenciasTotalLicencias].ImporteExentoIngresar,0) AS OTROS, "
    "([617ConsAgrupIngresos].FacBruta-[617LicenciasTotalLicencias].DescuentosBonificaciones)"
    " * [617TablaDenom].Porcentaje / 100"
    "-IIf([617LicenciasTotalLicencias].ExencionesOtorgadas=1,[617LicenciasTotalLicencias].ImporteExentoIngresar,0)"
    "-IIf([617LicenciasTotalLicencias].ExencionesOtorgadas=2,[617LicenciasTotalLicencias].ImporteExentoIngresar,0)"
    "-IIf([617LicenciasTotalLicencias].ExencionesOtorgadas=3,[617LicenciasTotalLicencias].ImporteExentoIngresar,0)"
    " AS Total "
    "FROM ([617LicenciasTotalLicencias] INNER JOIN ([617TablaDenom] INNER JOIN [617Licencias] "
    "ON [617TablaDenom].Codigo = [617Licencias].TipoServicio) "
    "ON ([617LicenciasTotalLicencias].CUIT = [617Licencias].CUIT) "
    "AND ([617LicenciasTotalLicencias].Periodo = [617Licencias].Periodo) "
    "AND ([617LicenciasTotalLicencias].Secuencia = [617Licencias].Secuencia) "
    "AND ([617LicenciasTotalLicencias].ImpServicio = [617Licencias].ImpServicio) "
    "AND ([617LicenciasTotalLicencias].CodigoLicencia = [617Licencias].CodigoLicencia)) "
    "INNER JOIN [617ConsAgrupIngresos] ON ([617Licencias].CUIT = [617ConsAgrupIngresos].CUIT) "
    "AND ([617Licencias].Periodo = [617ConsAgrupIngresos].Periodo) "
    "AND ([617Licencias].Secuencia = [617ConsAgrupIngresos].Secuencia) "
    "AND ([617Licencias].ImpServicio = [617ConsAgrupIngresos].ImpServicio) "
    "AND ([617Licencias].CodigoLicencia = [617ConsAgrupIngresos].CodigoLicencia) "
    "GROUP BY [617Licencias].CUIT, [617Licencias].Periodo, [617Licencias].Secuencia, [617Licencias].ImpServicio, "
    "[617ConsAgrupIngresos].FacBruta, [617LicenciasTotalLicencias].DescuentosBonificaciones, "
    "[617LicenciasTotalLicencias].ExencionesOtorgadas, [617LicenciasTotalLicencias].ImporteExentoIngresar, "
    "[617TablaDenom].Porcentaje";

// The net price is shown with four decimals and the tax is computed from
// that shown price, read back as a number, as the printed list has always done.
const char* const kDetalleDeSalas =
    "SELECT [708SALAS].DENOMINACION_SALA, [708SALAS].COD_INCAA, "
    "[708IMPUESTODETERMINADO].PRECIO_VENTA AS PV, "
    "[708IMPUESTODETERMINADO].CANT_ENTRADAS_POR_PRECIO_VENTA AS CANT, "
    "Format([708IMPUESTODETERMINADO].PRECIO_VENTA*100/(Val(DDJJ.[CAMPO1])+100),'0.0000') AS PB, "
    "[708IMPUESTODETERMINADO].CANT_ENTRADAS_POR_PRECIO_VENTA"
    "*CDbl(Format([708IMPUESTODETERMINADO].PRECIO_VENTA*100/(Val(DDJJ.[CAMPO1])+100),'0.0000'))"
    "*Val(DDJJ.[CAMPO1])/100 AS IMPDETER, "
    "[708SALAS].CUIT, [708SALAS].PERIODO, [708SALAS].SECUENCIA "
    "FROM DDJJ INNER JOIN ([708SALAS] INNER JOIN [708IMPUESTODETERMINADO] "
    "ON ([708SALAS].COD_SALA = [708IMPUESTODETERMINADO].COD_SALA) "
    "AND ([708SALAS].CUIT = [708IMPUESTODETERMINADO].CUIT) "
    "AND ([708SALAS].PERIODO = [708IMPUESTODETERMINADO].PERIODO) "
    "AND ([708SALAS].SECUENCIA = [708IMPUESTODETERMINADO].SECUENCIA)) "
    "ON (DDJJ.CUIT = [708SALAS].CUIT) AND (DDJJ.PERIODO = [708SALAS].PERIODO) "
    "AND (DDJJ.SECUENCIA = [708SALAS].SECUENCIA) "
    "WHERE (((DDJJ.FORMULARIO)=708))";

}  // namespace

const std::vector<ConsultaGuardada>& consultasGuardadas()
{
    static const std::vector<ConsultaGuardada> consultas = {
        {QStringLiteral("617ConsAgrupIngresos"), QString::fromUtf8(kConsAgrupIngresos)},
        {QStringLiteral("617ConsultaLicencias"), QString::fromUtf8(kConsultaLicencias)},
        {kConsultaImpresionDDJJ, QString::fromUtf8(kImpresionDDJJ)},
        {QStringLiteral("617Registro7"), QString::fromUtf8(kRegistro7)},
        {QStringLiteral("708DetalledeSalas"), QString::fromUtf8(kDetalleDeSalas)},
    };
    return consultas;
}

QString sqlImpresionDDJJ() { return QString::fromUtf8(kImpresionDDJJ); }

void crearTablaConsultas(Database& base)
{
    base.execute(QStringLiteral("CREATE TABLE %1 (Nombre TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, SQL TEXT NOT NULL)")
                     .arg(kTablaConsultas));
    for (const ConsultaGuardada& consulta : consultasGuardadas())
        guardarConsulta(base, consulta.nombre, consulta.sql);
}

void guardarConsulta(Database& base, const QString& nombre, const QString& sql)
{
    std::optional<QString> guardada;
    {
        Statement actual = base.prepare(QStringLiteral("SELECT SQL FROM %1 WHERE Nombre = ?").arg(kTablaConsultas));
        if (actual.bindAll(nombre).next())
            guardada = actual.text(0);
    }
    if (guardada == sql)
        return;
    // An update keeps the query's place in the creation order.
    const QString cambio = guardada ? QStringLiteral("UPDATE %1 SET SQL = ?1 WHERE Nombre = ?2")
                                    : QStringLiteral("INSERT INTO %1 (SQL, Nombre) VALUES (?1, ?2)");
    base.prepare(cambio.arg(kTablaConsultas)).bindAll(sql, nombre).run();
}

void InstanciarConsultas(Database& base)
{
    Statement lista = base.prepare(QStringLiteral("SELECT Nombre, SQL FROM %1 ORDER BY rowid").arg(kTablaConsultas));
    while (lista.next()) {
        QString nombre = *lista.text(0);
        nombre.replace(QLatin1Char('"'), QLatin1String("\"\""));
        base.execute(QStringLiteral("DROP VIEW IF EXISTS temp.\"%1\"").arg(nombre));
        base.execute(QStringLiteral("CREATE TEMP VIEW \"%1\" AS %2").arg(nombre, *lista.text(1)));
    }
}

}  // namespace veluma
