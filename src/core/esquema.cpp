#include "core/esquema.h"

#include "core/clave.h"
#include "core/consultas.h"
#include "core/database.h"
#include "core/transaction.h"

#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

// Every text column defaults to the empty text.
Campo texto(const QString& nombre, int tamano, bool vacioPermitido, bool requerido = false)
{
    return {nombre, TipoCampo::Texto, tamano, vacioPermitido, requerido, QStringLiteral("''")};
}

Campo numero(const QString& nombre, TipoCampo tipo, bool requerido = false, const QString& defecto = QStringLiteral("0"))
{
    return {nombre, tipo, 0, true, requerido, defecto};
}

Campo sinDefecto(const QString& nombre, TipoCampo tipo) { return numero(nombre, tipo, true, QString()); }

Campo fecha(const QString& nombre) { return {nombre, TipoCampo::FechaHora, 0, true, false, QString()}; }

Indice primaria(const QString& nombre, const QStringList& campos) { return {nombre, campos, true}; }

Indice secundaria(const QString& nombre, const QStringList& campos) { return {nombre, campos, false}; }

// The key every Form 617 table starts with.
std::vector<Campo> clave617()
{
    return {texto(QStringLiteral("CUIT"), 50, true), numero(QStringLiteral("Periodo"), TipoCampo::Entero32),
            numero(QStringLiteral("Secuencia"), TipoCampo::Entero32),
            numero(QStringLiteral("ImpServicio"), TipoCampo::Entero16)};
}

std::vector<Campo> clave617Con(std::initializer_list<Campo> resto)
{
    std::vector<Campo> campos = clave617();
    campos.insert(campos.end(), resto);
    return campos;
}

std::vector<Campo> clave618Con(std::initializer_list<Campo> resto)
{
    std::vector<Campo> campos = {texto(QStringLiteral("CUIT"), 50, true),
                                 numero(QStringLiteral("Periodo"), TipoCampo::Entero32),
                                 numero(QStringLiteral("Secuencia"), TipoCampo::Entero32),
                                 texto(QStringLiteral("CodInstituto"), 20, false)};
    campos.insert(campos.end(), resto);
    return campos;
}

const QStringList kClaveLicencia = {QStringLiteral("CUIT"), QStringLiteral("Periodo"), QStringLiteral("Secuencia"),
                                    QStringLiteral("ImpServicio"), QStringLiteral("CodigoLicencia")};

std::vector<Tabla> construirTablas()
{
    using T = TipoCampo;
    const auto s = [](const char* t) { return QString::fromUtf8(t); };
    std::vector<Tabla> tablas;

    tablas.push_back({s("617CompSocietaria"),
                      clave617Con({numero(s("CodigoSocio"), T::Entero32), texto(s("NombreApellido"), 50, true),
                                   texto(s("CuitSocio"), 50, true), numero(s("Porcentaje"), T::Doble)}),
                      {primaria(s("PrimaryKey"), {s("CUIT"), s("Periodo"), s("Secuencia"), s("ImpServicio"),
                                                  s("CodigoSocio")})}});

    tablas.push_back({s("617Licencias"),
                      clave617Con({numero(s("CodigoLicencia"), T::Entero32), texto(s("ApellidoNombre"), 40, true),
                                   texto(s("Domicilio"), 40, true), numero(s("TipoServicio"), T::Entero32),
                                   fecha(s("InicioActividades"))}),
                      {secundaria(s("614LicenciasCodigoLicencia"), {s("CodigoLicencia")}),
                       secundaria(s("614LicenciasCUIT"), {s("CUIT")}), primaria(s("PrimaryKey"), kClaveLicencia)}});

    tablas.push_back({s("617LicenciasDetalle"),
                      clave617Con({numero(s("CodigoLicencia"), T::Entero32),
                                   numero(s("NroResolucionLicencia"), T::Doble), fecha(s("FechaNroResolucionLicencia")),
                                   numero(s("NroResolucionPrecaria"), T::Doble), fecha(s("FechaNroResolucionPrecaria")),
                                   numero(s("NroDecreto"), T::Doble), fecha(s("FechaNroDecreto")),
                                   numero(s("NroInscripcion"), T::Doble), fecha(s("FechaNroInscripcion")),
                                   numero(s("NroReInscripcion"), T::Doble), fecha(s("FechaNroReInscripcion"))}),
                      {secundaria(s("614LicenciasDetalleCodigoLicencia"), {s("CodigoLicencia")}),
                       primaria(s("PrimaryKey"), kClaveLicencia)}});

    tablas.push_back({s("617LicenciasIngresoConceptos"),
                      clave617Con({numero(s("CodigoLicencia"), T::Entero32), numero(s("Concepto"), T::Entero32),
                                   numero(s("FacturacionBruta"), T::Doble)}),
                      {primaria(s("PrimaryKey"), kClaveLicencia + QStringList{s("Concepto")})}});

    tablas.push_back({s("617LicenciasTotalLicencias"),
                      clave617Con({numero(s("CodigoLicencia"), T::Entero32),
                                   numero(s("DescuentosBonificaciones"), T::Doble),
                                   numero(s("ExencionesOtorgadas"), T::Entero32), numero(s("Numero"), T::Entero32),
                                   numero(s("NroArticulo"), T::Entero32), numero(s("Porcentaje"), T::Doble),
                                   numero(s("ImporteExentoIngresar"), T::Doble)}),
                      {primaria(s("PrimaryKey"), kClaveLicencia)}});

    tablas.push_back({s("618Ingresos"),
                      clave618Con({numero(s("TipoIngreso"), T::Byte), numero(s("Dia"), T::Byte),
                                   numero(s("NetoCobrado"), T::Doble), numero(s("TotalCobrado"), T::Doble)}),
                      {primaria(s("PrimaryKey"), {s("CUIT"), s("Periodo"), s("Secuencia"), s("CodInstituto"),
                                                  s("TipoIngreso"), s("Dia")})}});

    tablas.push_back({s("618TotalPercepcionesEfectuadas"),
                      clave618Con({numero(s("VideogramasV"), T::Doble), numero(s("VideogramasA"), T::Doble),
                                   numero(s("TasaV"), T::Doble), numero(s("TasaA"), T::Doble)}),
                      {primaria(s("PrimaryKey"), {s("CUIT"), s("Periodo"), s("Secuencia"), s("CodInstituto")})}});

    tablas.push_back({s("708ImpuestoDeterminado"),
                      {texto(s("CUIT"), 13, false, true), sinDefecto(s("PERIODO"), T::Entero32),
                       sinDefecto(s("SECUENCIA"), T::Entero16), numero(s("NRO_SEMANA"), T::Entero16, true),
                       numero(s("PRECIO_VENTA"), T::Doble, true), sinDefecto(s("COD_SALA"), T::Entero32),
                       numero(s("CANT_ENTRADAS_POR_PRECIO_VENTA"), T::Entero32, true)},
                      {primaria(s("iPrincipal"), {s("CUIT"), s("PERIODO"), s("SECUENCIA"), s("COD_SALA"),
                                                  s("NRO_SEMANA"), s("PRECIO_VENTA")})}});

    tablas.push_back({s("708PagoCuenta"),
                      {texto(s("CUIT"), 13, false, true), sinDefecto(s("PERIODO"), T::Entero32),
                       sinDefecto(s("SECUENCIA"), T::Entero16), numero(s("SEMANA1"), T::Doble, true),
                       sinDefecto(s("SEMANA2"), T::Doble), sinDefecto(s("SEMANA3"), T::Doble),
                       sinDefecto(s("SEMANA4"), T::Doble)},
                      {primaria(s("PrimaryKey"), {s("CUIT"), s("PERIODO"), s("SECUENCIA")})}});

    tablas.push_back({s("708Salas"),
                      {texto(s("CUIT"), 13, false, true), numero(s("PERIODO"), T::Entero32),
                       numero(s("SECUENCIA"), T::Entero16), sinDefecto(s("COD_SALA"), T::Entero32),
                       texto(s("DENOMINACION_SALA"), 40, true, true), texto(s("DOMICILIO_SALA"), 40, true, true),
                       texto(s("COD_INCAA"), 6, true, true)},
                      {primaria(s("PrimaryKey"), {s("CUIT"), s("PERIODO"), s("SECUENCIA"), s("COD_SALA")}),
                       secundaria(s("Secundario1"), {s("COD_INCAA")})}});

    tablas.push_back({s("DDJJ"),
                      {texto(s("CUIT"), 13, false, true), sinDefecto(s("PERIODO"), T::Entero32),
                       sinDefecto(s("SECUENCIA"), T::Entero16), sinDefecto(s("FORMULARIO"), T::Entero16),
                       texto(s("CAMPO1"), 20, false, true), fecha(s("HORA"))},
                      {primaria(s("PrimaryKey"), {s("CUIT"), s("PERIODO"), s("SECUENCIA"), s("FORMULARIO"),
                                                  s("CAMPO1")})}});
    return tablas;
}

QString entreComillas(const QString& nombre)
{
    QString escapado = nombre;
    escapado.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escapado + QLatin1Char('"');
}

QString tipoSql(const Campo& campo)
{
    switch (campo.tipo) {
    case TipoCampo::Texto: return QStringLiteral("VARCHAR(%1)").arg(campo.tamano);
    case TipoCampo::Byte: return QStringLiteral("TINYINT");
    case TipoCampo::Entero16: return QStringLiteral("SMALLINT");
    case TipoCampo::Entero32: return QStringLiteral("INTEGER");
    case TipoCampo::Doble: return QStringLiteral("DOUBLE");
    case TipoCampo::FechaHora: return QStringLiteral("DATETIME");
    }
    return QString();
}

// Named rules, so that a refused value says which column and which rule.
QString regla(const QString& campo, const char* nombre, const QString& condicion)
{
    return QStringLiteral(" CONSTRAINT %1 CHECK (%2)")
        .arg(entreComillas(campo + QLatin1Char(':') + QString::fromUtf8(nombre)), condicion);
}

QString rango(const QString& c, qint64 minimo, qint64 maximo)
{
    return regla(c, "tipo", QStringLiteral("typeof(%1) IN ('integer','null')").arg(entreComillas(c)))
        + regla(c, "rango", QStringLiteral("%1 BETWEEN %2 AND %3").arg(entreComillas(c)).arg(minimo).arg(maximo));
}

QString definicionCampo(const Campo& campo, bool enClavePrimaria)
{
    const QString c = entreComillas(campo.nombre);
    QString sql = c + QLatin1Char(' ') + tipoSql(campo);
    if (campo.requerido || enClavePrimaria)
        sql += QStringLiteral(" NOT NULL");
    if (!campo.valorPorDefecto.isEmpty())
        sql += QStringLiteral(" DEFAULT ") + campo.valorPorDefecto;
    switch (campo.tipo) {
    case TipoCampo::Texto:
        sql += regla(campo.nombre, "tipo", QStringLiteral("typeof(%1) IN ('text','null')").arg(c));
        sql += regla(campo.nombre, "longitud", QStringLiteral("length(%1) <= %2").arg(c).arg(campo.tamano));
        if (!campo.vacioPermitido)
            sql += regla(campo.nombre, "vacío", QStringLiteral("%1 <> ''").arg(c));
        break;
    case TipoCampo::Byte: sql += rango(campo.nombre, 0, 255); break;
    case TipoCampo::Entero16: sql += rango(campo.nombre, -32768, 32767); break;
    case TipoCampo::Entero32: sql += rango(campo.nombre, -2147483648LL, 2147483647LL); break;
    case TipoCampo::Doble:
        sql += regla(campo.nombre, "tipo", QStringLiteral("typeof(%1) IN ('real','integer','null')").arg(c));
        break;
    case TipoCampo::FechaHora:
        // Through the day number 30/02 becomes 01/03 and what is no date at all
        // becomes NULL: only a text that survives the round trip is a real date.
        sql += regla(campo.nombre, "fecha",
                     QStringLiteral("%1 IS NULL OR (typeof(%1) = 'text' AND (%1 IS date(julianday(%1)) "
                                       "OR %1 IS datetime(julianday(%1))))")
                         .arg(c));
        break;
    }
    return sql;
}

void crearTabla(Database& base, const Tabla& tabla)
{
    QStringList clave;
    for (const Indice& indice : tabla.indices) {
        if (indice.primario)
            clave += indice.campos;
    }
    QStringList definiciones;
    for (const Campo& campo : tabla.campos)
        definiciones += definicionCampo(campo, clave.contains(campo.nombre, Qt::CaseInsensitive));
    base.execute(QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(entreComillas(tabla.nombre), definiciones.join(QStringLiteral(",\n  "))));
    for (const Indice& indice : tabla.indices)
        crearIndice(base, tabla.nombre, indice);
}

}  // namespace

const std::vector<Tabla>& tablasDeTrabajo()
{
    static const std::vector<Tabla> tablas = construirTablas();
    return tablas;
}

QString nombreIndiceEnBase(const QString& tabla, const QString& indice) { return tabla + QLatin1Char('.') + indice; }

QStringList indicesDeTabla(Database& base, const QString& tabla)
{
    Statement lista = base.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? "
                                                  "COLLATE NOCASE AND name LIKE ? ESCAPE '\\' ORDER BY name COLLATE NOCASE"));
    QString patron = tabla + QLatin1Char('.');
    patron.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('%'), QLatin1String("\\%")).replace(QLatin1Char('_'), QLatin1String("\\_"));
    lista.bindAll(tabla, patron + QLatin1Char('%'));
    QStringList nombres;
    while (lista.next())
        nombres += lista.text(0)->mid(tabla.size() + 1);
    return nombres;
}

void crearIndice(Database& base, const QString& tabla, const Indice& indice)
{
    QStringList campos;
    for (const QString& campo : indice.campos)
        campos += entreComillas(campo);
    base.execute(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                     .arg(indice.primario ? QStringLiteral("UNIQUE ") : QString(),
                          entreComillas(nombreIndiceEnBase(tabla, indice.nombre)), entreComillas(tabla),
                          campos.join(QStringLiteral(", "))));
}

void eliminarIndice(Database& base, const QString& tabla, const QString& indice)
{
    base.execute(QStringLiteral("DROP INDEX %1").arg(entreComillas(nombreIndiceEnBase(tabla, indice))));
}

void CrearBase(const QString& carpetaPrograma, const QString& nombreArchivo)
{
    const QString ruta = carpetaPrograma + QLatin1Char('/') + nombreArchivo;
    // Never build over something that is there: the clean-up below would remove it.
    if (QFileInfo::exists(ruta))
        throw Error(SQLITE_CANTOPEN, QStringLiteral("Ya existe el archivo ") + ruta + QLatin1Char('.'));
    try {
        Database base = Database::open(ruta, contrasenaBase(), Database::OpenMode::Create);
        Transaction transaccion(base);
        for (const Tabla& tabla : tablasDeTrabajo())
            crearTabla(base, tabla);
        crearTablaConsultas(base);
        base.execute(QStringLiteral("CREATE TABLE %1 (Nombre TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, "
                                    "Conexion TEXT NOT NULL)").arg(kTablaVinculos));
        base.setUserVersion(kVersionEsquema);
        transaccion.commit();
    } catch (...) {
        QFile::remove(ruta);
        QFile::remove(ruta + QStringLiteral("-journal"));
        throw;
    }
}

}  // namespace veluma
