// veluma-referencia FOLDER OUTPUT
//
// Builds the auxiliary database from the reference data kept as text: one
// tab-separated file per table, header "Name TYPE" per column. Every file is
// read and checked before anything is written, and the database is built
// under a temporary name, so a bad file never leaves a half-made database
// where the program would pick it up.

#include "core/clave.h"
#include "core/consola.h"
#include "core/database.h"
#include "core/error.h"
#include "core/transaction.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <variant>

namespace {

using veluma::Database;
using veluma::Error;

enum class Tipo { Entero, Doble, Texto, Fecha, Booleano };

struct Columna {
    QString nombre;
    QString tipoDeclarado;
    Tipo tipo;
};

using Valor = std::variant<std::nullptr_t, qint64, double, QString>;

struct Tabla {
    QString nombre;
    QList<Columna> columnas;
    QList<QList<Valor>> filas;
};

constexpr int kErrorDatos = 1;
constexpr int kErrorUso = 2;

[[noreturn]] void rechazar(const QString& mensaje) { throw Error(kErrorDatos, mensaje); }

// Names go into SQL text (quoted), so only plain identifiers are accepted.
bool esNombreValido(const QString& nombre)
{
    static const QRegularExpression patron(QStringLiteral("^[A-Za-z0-9_]+$"));
    return patron.match(nombre).hasMatch();
}

QString citado(const QString& nombre) { return QLatin1Char('"') + nombre + QLatin1Char('"'); }

std::optional<Tipo> tipoDe(const QString& declarado)
{
    if (declarado == QLatin1String("INTEGER")) return Tipo::Entero;
    if (declarado == QLatin1String("DOUBLE")) return Tipo::Doble;
    if (declarado == QLatin1String("TEXT")) return Tipo::Texto;
    if (declarado == QLatin1String("DATE")) return Tipo::Fecha;
    if (declarado == QLatin1String("BOOLEAN")) return Tipo::Booleano;
    return std::nullopt;
}

QString leerUtf8(const QFileInfo& archivo)
{
    QFile file(archivo.filePath());
    if (!file.open(QIODevice::ReadOnly))
        rechazar(archivo.fileName() + QStringLiteral(": no se puede leer (") + file.errorString()
                 + QStringLiteral(")."));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder decodificador(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = decodificador.decode(bytes);
    if (decodificador.hasError())
        rechazar(archivo.fileName() + QStringLiteral(": el texto no está en UTF-8."));
    return texto;
}

// "\n", "\t", "\r" and "\\" inside a text; any other backslash is a mistake
// in the file, not something to keep silently.
std::optional<QString> sinEscapes(const QString& campo)
{
    QString resultado = QStringLiteral("");
    resultado.reserve(campo.size());
    for (qsizetype i = 0; i < campo.size(); ++i) {
        const QChar c = campo.at(i);
        if (c != QLatin1Char('\\')) {
            resultado.append(c);
            continue;
        }
        if (++i == campo.size())
            return std::nullopt;
        switch (campo.at(i).unicode()) {
        case u'n': resultado.append(QLatin1Char('\n')); break;
        case u't': resultado.append(QLatin1Char('\t')); break;
        case u'r': resultado.append(QLatin1Char('\r')); break;
        case u'\\': resultado.append(QLatin1Char('\\')); break;
        default: return std::nullopt;
        }
    }
    return resultado;
}

Valor convertir(const QString& campo, const Columna& columna, const QString& donde)
{
    static const QLatin1String nulo("\\N");
    if (campo == nulo)
        return nullptr;

    const auto error = [&](const QString& que) -> Valor {
        rechazar(donde + QStringLiteral(", columna ") + columna.nombre + QStringLiteral(": «") + campo
                 + QStringLiteral("» ") + que);
    };

    switch (columna.tipo) {
    case Tipo::Entero: {
        static const QRegularExpression patron(QStringLiteral("^[+-]?[0-9]+$"));
        bool ok = false;
        const qint64 numero = campo.toLongLong(&ok);
        if (!patron.match(campo).hasMatch() || !ok)
            return error(QStringLiteral("no es un número entero."));
        return numero;
    }
    case Tipo::Doble: {
        static const QRegularExpression patron(
            QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
        bool ok = false;
        const double numero = campo.toDouble(&ok);
        if (!patron.match(campo).hasMatch() || !ok || !std::isfinite(numero))
            return error(QStringLiteral("no es un número (se escribe con punto decimal)."));
        return numero;
    }
    case Tipo::Fecha: {
        static const QRegularExpression patron(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
        if (!patron.match(campo).hasMatch())
            return error(QStringLiteral("no es una fecha AAAA-MM-DD."));
        if (!QDate::fromString(campo, Qt::ISODate).isValid())
            return error(QStringLiteral("no es una fecha que exista."));
        return campo;
    }
    case Tipo::Booleano:
        if (campo == QLatin1String("1"))
            return qint64(1);
        if (campo == QLatin1String("0"))
            return qint64(0);
        return error(QStringLiteral("no es un valor lógico (1 o 0)."));
    case Tipo::Texto: {
        const std::optional<QString> texto = sinEscapes(campo);
        if (!texto)
            return error(QStringLiteral("tiene una barra invertida que no es \\n, \\t, \\r ni \\\\."));
        return *texto;
    }
    }
    return error(QStringLiteral("tiene un tipo desconocido."));
}

QList<Columna> leerEncabezado(const QString& linea, const QString& archivo)
{
    const QString donde = archivo + QStringLiteral(", línea 1");
    QList<Columna> columnas;
    const QStringList campos = linea.split(QLatin1Char('\t'));
    for (const QString& campo : campos) {
        const QStringList partes = campo.simplified().split(QLatin1Char(' '));
        if (partes.size() != 2)
            rechazar(donde + QStringLiteral(": «") + campo + QStringLiteral("» no es «Nombre TIPO»."));
        const QString& nombre = partes[0];
        const std::optional<Tipo> tipo = tipoDe(partes[1]);
        if (!esNombreValido(nombre))
            rechazar(donde + QStringLiteral(": «") + nombre
                     + QStringLiteral("» no es un nombre de columna válido."));
        if (!tipo) {
            rechazar(donde + QStringLiteral(", columna ") + nombre + QStringLiteral(": el tipo «") + partes[1]
                     + QStringLiteral("» no es INTEGER, DOUBLE, TEXT, DATE ni BOOLEAN."));
        }
        for (const Columna& otra : columnas) {
            if (otra.nombre.compare(nombre, Qt::CaseInsensitive) == 0)
                rechazar(donde + QStringLiteral(": la columna ") + nombre + QStringLiteral(" está repetida."));
        }
        columnas.append({nombre, partes[1], *tipo});
    }
    return columnas;
}

Tabla leerTabla(const QFileInfo& archivo)
{
    Tabla tabla;
    tabla.nombre = archivo.completeBaseName();
    if (!esNombreValido(tabla.nombre))
        rechazar(archivo.fileName() + QStringLiteral(": el nombre no sirve como nombre de tabla."));

    const QStringList lineas = leerUtf8(archivo).split(QLatin1Char('\n'));
    bool conEncabezado = false;
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        QString linea = lineas[i];
        if (linea.endsWith(QLatin1Char('\r')))
            linea.chop(1);
        if (linea.isEmpty())
            continue;
        const QString donde = archivo.fileName() + QStringLiteral(", línea ") + QString::number(i + 1);
        if (!conEncabezado) {
            if (i != 0)
                rechazar(archivo.fileName() + QStringLiteral(": la primera línea debe ser el encabezado."));
            tabla.columnas = leerEncabezado(linea, archivo.fileName());
            conEncabezado = true;
            continue;
        }
        const QStringList campos = linea.split(QLatin1Char('\t'));
        if (campos.size() != tabla.columnas.size()) {
            rechazar(donde + QStringLiteral(": tiene ") + QString::number(campos.size())
                     + QStringLiteral(" campos y el encabezado declara ") + QString::number(tabla.columnas.size())
                     + QLatin1Char('.'));
        }
        QList<Valor> fila;
        fila.reserve(campos.size());
        for (qsizetype c = 0; c < campos.size(); ++c)
            fila.append(convertir(campos[c], tabla.columnas[c], donde));
        tabla.filas.append(std::move(fila));
    }
    if (!conEncabezado)
        rechazar(archivo.fileName() + QStringLiteral(": está vacío, falta el encabezado."));
    return tabla;
}

QList<Tabla> leerCarpeta(const QString& carpeta)
{
    const QDir dir(carpeta);
    if (!dir.exists())
        rechazar(QStringLiteral("No existe la carpeta ") + carpeta + QLatin1Char('.'));
    const QFileInfoList archivos =
        dir.entryInfoList({QStringLiteral("*.tsv")}, QDir::Files | QDir::Readable, QDir::Name);
    if (archivos.isEmpty())
        rechazar(QStringLiteral("La carpeta ") + carpeta + QStringLiteral(" no tiene archivos .tsv."));
    QList<Tabla> tablas;
    for (const QFileInfo& archivo : archivos) {
        Tabla tabla = leerTabla(archivo);
        for (const Tabla& otra : tablas) {
            if (otra.nombre.compare(tabla.nombre, Qt::CaseInsensitive) == 0)
                rechazar(QStringLiteral("La tabla ") + tabla.nombre + QStringLiteral(" está en dos archivos."));
        }
        tablas.append(std::move(tabla));
    }
    return tablas;
}

void escribirTablas(Database& db, const QList<Tabla>& tablas)
{
    veluma::Transaction transaccion(db);
    for (const Tabla& tabla : tablas) {
        QStringList definiciones;
        QStringList marcas;
        for (const Columna& columna : tabla.columnas) {
            definiciones.append(citado(columna.nombre) + QLatin1Char(' ') + columna.tipoDeclarado);
            marcas.append(QStringLiteral("?"));
        }
        db.execute(QStringLiteral("CREATE TABLE ") + citado(tabla.nombre) + QStringLiteral(" (")
                   + definiciones.join(QStringLiteral(", ")) + QStringLiteral(")"));
        veluma::Statement insercion = db.prepare(QStringLiteral("INSERT INTO ") + citado(tabla.nombre)
                                                 + QStringLiteral(" VALUES (") + marcas.join(QStringLiteral(", "))
                                                 + QStringLiteral(")"));
        for (const QList<Valor>& fila : tabla.filas) {
            for (qsizetype c = 0; c < fila.size(); ++c)
                std::visit([&](const auto& valor) { insercion.bind(int(c + 1), valor); }, fila[c]);
            insercion.run();
            insercion.reset();
        }
    }
    transaccion.commit();
}

// Removes the half-built file when anything goes wrong before the rename.
class ArchivoTemporal {
public:
    explicit ArchivoTemporal(QString ruta) : ruta_(std::move(ruta)) { borrar(); }
    ~ArchivoTemporal()
    {
        if (!conservar_)
            borrar();
    }
    ArchivoTemporal(const ArchivoTemporal&) = delete;
    ArchivoTemporal& operator=(const ArchivoTemporal&) = delete;

    const QString& ruta() const { return ruta_; }
    void conservar() { conservar_ = true; }

private:
    void borrar()
    {
        QFile::remove(ruta_);
        QFile::remove(ruta_ + QStringLiteral("-journal"));
    }

    QString ruta_;
    bool conservar_ = false;
};

void generar(const QString& carpeta, const QString& salida)
{
    const QList<Tabla> tablas = leerCarpeta(carpeta);

    const QFileInfo destino(salida);
    if (!QDir().mkpath(destino.absolutePath()))
        rechazar(QStringLiteral("No se puede crear la carpeta ") + destino.absolutePath() + QLatin1Char('.'));
    ArchivoTemporal temporal(destino.absoluteFilePath()
                             + QStringLiteral(".%1.tmp").arg(QCoreApplication::applicationPid()));
    {
        Database db = Database::open(temporal.ruta(), veluma::contrasenaBase(), Database::OpenMode::Create);
        escribirTablas(db, tablas);
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporal.ruta()).toStdString(),
                            QFile::encodeName(destino.absoluteFilePath()).toStdString(), error);
    if (error) {
        rechazar(QStringLiteral("No se puede dejar la base en ") + destino.absoluteFilePath() + QStringLiteral(" (")
                 + QString::fromLocal8Bit(error.message()) + QStringLiteral(")."));
    }
    temporal.conservar();
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumentos = app.arguments();
    if (argumentos.size() != 3) {
        veluma::escribirLinea(stderr, QStringLiteral("Uso: veluma-referencia CARPETA SALIDA.mdb"));
        return kErrorUso;
    }
    try {
        generar(argumentos[1], argumentos[2]);
    } catch (const Error& e) {
        veluma::escribirLinea(stderr, QStringLiteral("veluma-referencia: ") + e.descripcion());
        return kErrorDatos;
    }
    return 0;
}
