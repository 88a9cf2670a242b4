#include "declarations/contribuyente.h"

#include "core/clave.h"
#include "core/error.h"
#include "core/numeros.h"
#include "core/sesion.h"

#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

// The number Access gives when there is no row to read.
constexpr int kSinRegistro = 3021;

// `nombre` tells the user which of the host's files it is: "de contribuyentes".
Database abrirBaseAnfitrion(const QString& ruta, const QString& clave, const QString& nombre)
{
    if (!QFileInfo(ruta).isFile()) {
        throw Error(SQLITE_CANTOPEN, QStringLiteral("No se encuentra la base de datos ") + nombre + QLatin1Char(' ')
                                         + ruta + QLatin1Char('.'));
    }
    try {
        return Database::open(ruta, contrasenaDeConexion(clave));
    } catch (const DbError& error) {
        throw Error(error.numero(), QStringLiteral("No se puede abrir la base de datos ") + nombre + QLatin1Char(' ')
                                        + ruta + QStringLiteral(": ") + error.descripcion());
    }
}

// The host's address columns, as the host typed them.
struct DomicilioHost {
    QVariant calle, nro, sector, torre, piso, dtoofloc, manzana, barrio, tipobarrio, localidad, partido, codprov,
        codpostal;
};

std::optional<DomicilioHost> buscarDomicilioFiscal(Database& base, qint32 ncontrib)
{
    Statement consulta = base.prepare(
        QStringLiteral("SELECT calle, nro, sector, torre, piso, dtoofloc, manzana, barrio, tipobarrio, localidad, "
                       "partido, codprov, codpostal FROM domicilio WHERE ncontrib = ? AND domfiscal <> ?"));
    // The host's engine writes true as -1: any value but 0 marks the fiscal address.
    if (!consulta.bindAll(ncontrib, 0).next())
        return std::nullopt;
    DomicilioHost d;
    int columna = 0;
    for (QVariant* campo : {&d.calle, &d.nro, &d.sector, &d.torre, &d.piso, &d.dtoofloc, &d.manzana, &d.barrio,
                            &d.tipobarrio, &d.localidad, &d.partido, &d.codprov, &d.codpostal})
        *campo = consulta.value(columna++);
    return d;
}

// `etiqueta` + the description of the code in a table of sistema.mdb; empty
// when the code is null or not in the table.
QString descripcionDeCodigo(Database& sistema, const QString& tabla, const QVariant& codigo, const QString& etiqueta)
{
    if (codigo.isNull())
        return QString();
    Statement consulta = sistema.prepare(QStringLiteral("SELECT descrip FROM \"%1\" WHERE codigo = ?").arg(tabla));
    if (!consulta.bindAll(Val(codigo.toString())).next())
        return QString();
    return etiqueta + consulta.value(0).toString();
}

// Upper case, padded with blanks to the width; a longer value is kept whole.
QString columnaFija(const QVariant& valor, int ancho)
{
    return valor.toString().toUpper().leftJustified(ancho, QLatin1Char(' '));
}

}  // namespace

clsContribuyente::clsContribuyente(const Instalacion& instalacion, const QString& clave)
    : instalacion_(instalacion),
      clave_(clave),
      base_(abrirBaseAnfitrion(instalacion.rutaKelt(), clave, QStringLiteral("de contribuyentes")))
{
}

void clsContribuyente::Inicializar(const QString& cuit)
{
    Statement contrib = base_.prepare(QStringLiteral(
        "SELECT ncontrib, descrip, mesCierreEjCom, formajuridica, tipopersona FROM contribs WHERE cuit = ?"));
    if (!contrib.bindAll(cuit).next()) {
        throw Error(kSinRegistro, QStringLiteral("El contribuyente con C.U.I.T. ") + cuit
                                      + QStringLiteral(" no está registrado en la base de contribuyentes."));
    }
    const qint32 ncontrib = contrib.value(0).toInt();
    const std::optional<QString> actividad = ObtenerActividadPrincipal(ncontrib);
    if (!actividad) {
        throw Error(kSinRegistro,
                    QStringLiteral("El contribuyente con C.U.I.T. ") + cuit
                        + QStringLiteral(" no tiene una actividad principal en la base de contribuyentes."));
    }
    // Only a complete taxpayer replaces the one loaded before.
    ncontrib_ = ncontrib;
    descripcion_ = contrib.value(1).toString();
    mescierre_ = qint16(contrib.value(2).toInt());
    formajuridica_ = qint16(contrib.value(3).toInt());
    tipopersona_ = qint16(contrib.value(4).toInt());
    codactiv_ = *actividad;
}

std::optional<QString> clsContribuyente::ObtenerActividadPrincipal(qint32 ncontrib)
{
    Statement consulta =
        base_.prepare(QStringLiteral("SELECT codact FROM actcontrib WHERE ncontrib = ? AND TipoAct = ? COLLATE NOCASE"));
    if (!consulta.bindAll(ncontrib, QStringLiteral("Principal")).next())
        return std::nullopt;
    return consulta.value(0).toString();
}

Instantanea clsContribuyente::ObtenerCBU()
{
    Statement consulta = base_.prepare(QStringLiteral("SELECT * FROM cbu WHERE ncontrib = ? ORDER BY CODIGO"));
    consulta.bindAll(ncontrib_);
    Instantanea copia;
    for (int i = 0; i < consulta.columnCount(); ++i)
        copia.columnas += consulta.columnName(i);
    while (consulta.next()) {
        QVariantList fila;
        for (int i = 0; i < consulta.columnCount(); ++i)
            fila += consulta.value(i);
        copia.filas += fila;
    }
    return copia;
}

QString clsContribuyente::AgregarEtiqueta(const QString& etiqueta, const QVariant& valor)
{
    if (valor.isNull() || valor.toString().trimmed().isEmpty())
        return QString();
    return etiqueta + valor.toString();
}

QString clsContribuyente::DomicilioFiscal()
{
    Database sistema = abrirBaseAnfitrion(instalacion_.rutaSistema(), clave_, QStringLiteral("del sistema"));
    const std::optional<DomicilioHost> d = buscarDomicilioFiscal(base_, ncontrib_);
    if (!d)
        return QString();
    return AgregarEtiqueta(QStringLiteral("Calle: "), d->calle) + AgregarEtiqueta(QStringLiteral(" Nro: "), d->nro)
        + AgregarEtiqueta(QStringLiteral(" Torre: "), d->torre) + AgregarEtiqueta(QStringLiteral(" Piso: "), d->piso)
        + AgregarEtiqueta(QStringLiteral(" Dto/of/loc: "), d->dtoofloc)
        + AgregarEtiqueta(QStringLiteral(" Manzana: "), d->manzana)
        + descripcionDeCodigo(sistema, QStringLiteral("tipobarrio"), d->tipobarrio, QStringLiteral(" Barrio: "))
        + AgregarEtiqueta(QStringLiteral(" Localidad: "), d->localidad)
        + descripcionDeCodigo(sistema, QStringLiteral("provincias"), d->codprov, QStringLiteral(" Provincia: "))
        + AgregarEtiqueta(QStringLiteral(" C.P.: "), d->codpostal);
}

QString clsContribuyente::DomicilioSAD()
{
    const std::optional<DomicilioHost> d = buscarDomicilioFiscal(base_, ncontrib_);
    if (!d)
        return QString();
    return columnaFija(d->calle, 20) + columnaFija(d->nro, 6) + columnaFija(d->sector, 5) + columnaFija(d->torre, 5)
        + columnaFija(d->piso, 5) + columnaFija(d->dtoofloc, 5) + columnaFija(d->manzana, 5)
        + columnaFija(d->barrio, 20) + columnaFija(d->tipobarrio, 1) + columnaFija(d->localidad, 15)
        + columnaFija(d->partido, 50) + formatearNumero(Val(d->codprov.toString()), QStringLiteral("00"))
        + columnaFija(d->codpostal, 8);
}

void cargarContribuyente(Sesion& sesion)
{
    clsContribuyente contribuyente(sesion.instalacion, sesion.clave);
    contribuyente.Inicializar(sesion.cuit);
    sesion.contribuyente = {contribuyente.descripcion(), contribuyente.codactiv(), contribuyente.DomicilioFiscal(),
                            contribuyente.DomicilioSAD()};
}

}  // namespace veluma
