#include "instalacion_demo.h"

#include "core/clave.h"
#include "core/database.h"
#include "core/error.h"
#include "core/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>
#include <vector>

namespace veluma::demo {

namespace {

constexpr int kErrorInstalacion = 1;

// A null pointer is a NULL column, as the host leaves unused address parts.
struct DomicilioDemo {
    bool fiscal;
    const char* calle;
    const char* nro;
    const char* sector;
    const char* torre;
    const char* piso;
    const char* dtoofloc;
    const char* manzana;
    const char* barrio;
    std::optional<int> tipobarrio;
    const char* localidad;
    const char* partido;
    std::optional<int> codprov;
    const char* codpostal;
};

struct ActividadDemo {
    const char* codact;
    const char* tipoAct;
};

struct CuentaDemo {
    const char* codigo;  // CBU, 22 digits with both check digits right
    const char* banco;
    const char* tipoCuenta;
};

struct ContribuyenteHost {
    int ncontrib;
    const char* cuit;
    const char* descrip;
    int mesCierreEjCom;
    int formajuridica;  // host codes: 1 sociedad anónima, 2 sociedad de responsabilidad limitada
    int tipopersona;    // host codes: 1 persona física, 2 persona jurídica
    std::vector<ActividadDemo> actividades;
    std::vector<DomicilioDemo> domicilios;
    std::vector<CuentaDemo> cuentas;
};

// Rows are stored in this order. Where a taxpayer has several rows, the one
// the program must pick (main activity, fiscal address) is deliberately not
// the first, so code that just takes the first row shows up wrong in the demo.
const std::vector<ContribuyenteHost>& contribuyentesHost()
{
    static const std::vector<ContribuyenteHost> datos = {
        {1045, "30-70451826-5", "Cines del Plata S.A.", 12, 1, 2,
         {{"591300", "Principal"}},
         {{false, "Av. Colón", "2350", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, std::nullopt,
           "Córdoba", "Capital", 3, "X5003DCN"},
          {true, "Av. Corrientes", "1530", "A", "1", "3", "B", "12", "San Nicolás", 1, "Capital Federal",
           "Ciudad Autónoma de Buenos Aires", 0, "C1042AAP"}},
         {{"0720154320000003489219", "Banco Santander Río", "Cuenta corriente"},
          {"0110599552000123456781", "Banco de la Nación Argentina", "Cuenta corriente"}}},
        {2210, "30715482033", "Radio Cumbre del Valle S.A.", 6, 1, 2,
         {{"601000", "Principal"}},
         {{false, "San Martín", "1120", nullptr, nullptr, "1", nullptr, nullptr, nullptr, std::nullopt, "Mendoza",
           "Capital", 7, "M5500AAN"}},
         {}},
        {3317, "30-69587412-6", "Ñandú Producciones de O'Higgins S.R.L.", 3, 2, 2,
         {{"772010", "Principal"}},
         {{true, "Belgrano", "455", nullptr, nullptr, "   ", nullptr, nullptr, "Centro", 1, "O'Higgins",
           "Chacabuco", 1, "6748"}},
         {{"0170204210000032514064", "BBVA Banco Francés", "Cuenta corriente"}}},
        {4120, "30708251638", "Compañía Argentina de Radiodifusión y Televisión por Cable del Litoral S.A.", 12,
         1, 2,
         {{"601000", "Secundaria"}, {"602200", "Principal"}},
         {{true, "Bv. Oroño", "1260", nullptr, nullptr, "5", "A", nullptr, nullptr, std::nullopt, "Rosario",
           "Rosario", 12, "S2000DSN"}},
         {{"2850310130094187652131", "Banco Macro", "Caja de ahorro"}}},
    };
    return datos;
}

struct Codigo {
    int codigo;
    const char* descrip;
};

const std::vector<Codigo>& tiposDeBarrio()
{
    static const std::vector<Codigo> datos = {
        {1, "BARRIO"}, {2, "BARRIO CERRADO"}, {3, "COUNTRY CLUB"}, {4, "COMPLEJO HABITACIONAL"}, {5, "BARRIO PARQUE"},
    };
    return datos;
}

// The jurisdictions with the codes the tax agency uses (15 is not assigned).
const std::vector<Codigo>& provincias()
{
    static const std::vector<Codigo> datos = {
        {0, "CIUDAD AUTONOMA DE BUENOS AIRES"},
        {1, "BUENOS AIRES"},
        {2, "CATAMARCA"},
        {3, "CORDOBA"},
        {4, "CORRIENTES"},
        {5, "ENTRE RIOS"},
        {6, "JUJUY"},
        {7, "MENDOZA"},
        {8, "LA RIOJA"},
        {9, "SALTA"},
        {10, "SAN JUAN"},
        {11, "SAN LUIS"},
        {12, "SANTA FE"},
        {13, "SANTIAGO DEL ESTERO"},
        {14, "TUCUMAN"},
        {16, "CHACO"},
        {17, "CHUBUT"},
        {18, "FORMOSA"},
        {19, "MISIONES"},
        {20, "NEUQUEN"},
        {21, "LA PAMPA"},
        {22, "RIO NEGRO"},
        {23, "SANTA CRUZ"},
        {24, "TIERRA DEL FUEGO, ANTARTIDA E ISLAS DEL ATLANTICO SUR"},
    };
    return datos;
}

[[noreturn]] void fallar(const QString& descripcion) { throw Error(kErrorInstalacion, descripcion); }

void renombrarReemplazando(const QString& desde, const QString& hacia)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(desde).toStdString(), QFile::encodeName(hacia).toStdString(), error);
    if (error) {
        QFile::remove(desde);
        fallar(QStringLiteral("No se puede reemplazar el archivo ") + hacia + QStringLiteral(" (")
               + QString::fromLocal8Bit(error.message()) + QStringLiteral(")."));
    }
}

// Built under a temporary name and moved into place only when complete, so an
// interrupted run never leaves a half-filled host database that a later run
// would then keep.
void crearBaseSiFalta(const QString& ruta, const std::function<void(Database&)>& llenar)
{
    if (QFileInfo::exists(ruta))
        return;
    const QString temporal = ruta + QStringLiteral(".nuevo");
    QFile::remove(temporal);
    try {
        Database db = Database::open(temporal, contrasenaBase(), Database::OpenMode::Create);
        Transaction transaccion(db);
        llenar(db);
        transaccion.commit();
    } catch (...) {
        QFile::remove(temporal);
        QFile::remove(temporal + QStringLiteral("-journal"));
        throw;
    }
    // Plain rename refuses to replace: whatever appeared meanwhile wins.
    if (!QFile::rename(temporal, ruta)) {
        QFile::remove(temporal);
        if (!QFileInfo::exists(ruta))
            fallar(QStringLiteral("No se puede crear la base ") + ruta + QLatin1Char('.'));
    }
}

void llenarKelt(Database& db)
{
    db.execute(QStringLiteral(
        "CREATE TABLE contribs (ncontrib INTEGER PRIMARY KEY, cuit TEXT, descrip TEXT, mesCierreEjCom INTEGER, "
        "formajuridica INTEGER, tipopersona INTEGER);"
        "CREATE TABLE actcontrib (ncontrib INTEGER, codact TEXT, TipoAct TEXT);"
        "CREATE TABLE domicilio (ncontrib INTEGER, domfiscal BOOLEAN, calle TEXT, nro TEXT, sector TEXT, "
        "torre TEXT, piso TEXT, dtoofloc TEXT, manzana TEXT, barrio TEXT, tipobarrio INTEGER, localidad TEXT, "
        "partido TEXT, codprov INTEGER, codpostal TEXT);"
        "CREATE TABLE cbu (ncontrib INTEGER, CODIGO TEXT, banco TEXT, tipocuenta TEXT);"));

    Statement contrib = db.prepare(QStringLiteral(
        "INSERT INTO contribs (ncontrib, cuit, descrip, mesCierreEjCom, formajuridica, tipopersona) "
        "VALUES (?, ?, ?, ?, ?, ?)"));
    Statement actividad =
        db.prepare(QStringLiteral("INSERT INTO actcontrib (ncontrib, codact, TipoAct) VALUES (?, ?, ?)"));
    Statement domicilio = db.prepare(QStringLiteral(
        "INSERT INTO domicilio (ncontrib, domfiscal, calle, nro, sector, torre, piso, dtoofloc, manzana, barrio, "
        "tipobarrio, localidad, partido, codprov, codpostal) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    Statement cuenta =
        db.prepare(QStringLiteral("INSERT INTO cbu (ncontrib, CODIGO, banco, tipocuenta) VALUES (?, ?, ?, ?)"));

    for (const ContribuyenteHost& c : contribuyentesHost()) {
        contrib.bindAll(c.ncontrib, c.cuit, c.descrip, c.mesCierreEjCom, c.formajuridica, c.tipopersona).run();
        contrib.reset();
        for (const ActividadDemo& a : c.actividades) {
            actividad.bindAll(c.ncontrib, a.codact, a.tipoAct).run();
            actividad.reset();
        }
        for (const DomicilioDemo& d : c.domicilios) {
            domicilio
                .bindAll(c.ncontrib, d.fiscal ? 1 : 0, d.calle, d.nro, d.sector, d.torre, d.piso, d.dtoofloc,
                         d.manzana, d.barrio, d.tipobarrio, d.localidad, d.partido, d.codprov, d.codpostal)
                .run();
            domicilio.reset();
        }
        for (const CuentaDemo& b : c.cuentas) {
            cuenta.bindAll(c.ncontrib, b.codigo, b.banco, b.tipoCuenta).run();
            cuenta.reset();
        }
    }
}

void llenarTablaDeCodigos(Database& db, const QString& tabla, const std::vector<Codigo>& filas)
{
    db.execute(QStringLiteral("CREATE TABLE \"%1\" (codigo INTEGER, descrip TEXT)").arg(tabla));
    Statement insercion =
        db.prepare(QStringLiteral("INSERT INTO \"%1\" (codigo, descrip) VALUES (?, ?)").arg(tabla));
    for (const Codigo& fila : filas) {
        insercion.bindAll(fila.codigo, fila.descrip).run();
        insercion.reset();
    }
}

void llenarSistema(Database& db)
{
    llenarTablaDeCodigos(db, QStringLiteral("tipobarrio"), tiposDeBarrio());
    llenarTablaDeCodigos(db, QStringLiteral("provincias"), provincias());
}

}  // namespace

QList<ContribuyenteDemo> contribuyentesDemo()
{
    QList<ContribuyenteDemo> lista;
    for (const ContribuyenteHost& c : contribuyentesHost())
        lista.append({QString::fromUtf8(c.cuit), QString::fromUtf8(c.descrip)});
    return lista;
}

void crearBasesAnfitrion(const QString& carpeta)
{
    const QDir dir(carpeta);
    if (!QDir().mkpath(dir.absolutePath()))
        fallar(QStringLiteral("No se puede crear la carpeta ") + dir.absolutePath() + QLatin1Char('.'));
    crearBaseSiFalta(dir.absoluteFilePath(QStringLiteral("kelt.mdb")), llenarKelt);
    crearBaseSiFalta(dir.absoluteFilePath(QStringLiteral("sistema.mdb")), llenarSistema);
}

void copiarArchivos(const QString& carpetaOrigen, const Instalacion& destino, const QStringList& nombres)
{
    const QDir origen(carpetaOrigen);
    // Every source is checked first: a missing one must not leave the
    // installation half old, half new.
    for (const QString& nombre : nombres) {
        if (!QFileInfo(origen.filePath(nombre)).isFile()) {
            fallar(QStringLiteral("No se encuentra el archivo del programa ") + origen.absoluteFilePath(nombre)
                   + QStringLiteral(" para copiarlo a la instalación."));
        }
    }
    const QDir programa(destino.carpetaPrograma());
    if (!QDir().mkpath(programa.absolutePath()))
        fallar(QStringLiteral("No se puede crear la carpeta ") + programa.absolutePath() + QLatin1Char('.'));

    const QString baseTrabajo = QFileInfo(destino.rutaBaseTrabajo()).absoluteFilePath();
    for (const QString& nombre : nombres) {
        const QFileInfo desde(origen.filePath(nombre));
        const QFileInfo hacia(programa.filePath(nombre));
        if (hacia.absoluteFilePath() == baseTrabajo && hacia.exists())
            continue;
        if (hacia.exists() && hacia.canonicalFilePath() == desde.canonicalFilePath())
            continue;
        // Copy beside the target, then rename over it: a running program keeps
        // its old file and the new one appears whole.
        const QString temporal = hacia.absoluteFilePath() + QStringLiteral(".copia");
        QFile::remove(temporal);
        QFile copia(desde.absoluteFilePath());
        if (!copia.copy(temporal)) {
            QFile::remove(temporal);
            fallar(QStringLiteral("No se puede copiar ") + desde.absoluteFilePath() + QStringLiteral(" a ")
                   + programa.absolutePath() + QStringLiteral(" (") + copia.errorString() + QStringLiteral(")."));
        }
        QFile::setPermissions(temporal, QFile::permissions(desde.absoluteFilePath()));
        renombrarReemplazando(temporal, hacia.absoluteFilePath());
    }
}

void copiarPrograma(const QString& carpetaOrigen, const Instalacion& destino)
{
    copiarArchivos(carpetaOrigen, destino, destino.archivosDelPrograma());
}

Instalacion instalacionDemo(const QString& carpeta)
{
    return Instalacion(QDir(carpeta).absoluteFilePath(QStringLiteral("veluma")), QStringLiteral("veluma"),
                       versionDelPrograma());
}

QStringList crearInstalacionDemo(const QString& carpeta, const QString& carpetaOrigen)
{
    crearBasesAnfitrion(carpeta);
    copiarPrograma(carpetaOrigen, instalacionDemo(carpeta));
    QStringList cuits;
    for (const ContribuyenteDemo& c : contribuyentesDemo())
        cuits.append(c.cuit);
    return cuits;
}

}  // namespace veluma::demo
