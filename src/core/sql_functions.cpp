#include "core/sql_functions.h"

#include "core/database.h"
#include "core/error.h"
#include "core/fechas.h"
#include "core/numeros.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstring>
#include <new>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

QString textoDe(sqlite3_value* valor)
{
    const auto* datos = reinterpret_cast<const char*>(sqlite3_value_text(valor));
    return QString::fromUtf8(datos, sqlite3_value_bytes(valor));
}

void devolverTexto(sqlite3_context* ctx, const QString& texto)
{
    const QByteArray utf8 = texto.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void devolverError(sqlite3_context* ctx, const QString& mensaje)
{
    const QByteArray utf8 = mensaje.toUtf8();
    sqlite3_result_error(ctx, utf8.constData(), int(utf8.size()));
}

// An exception must not cross the engine's C frames: it becomes the error
// of the statement.
template <class Cuerpo>
void protegido(sqlite3_context* ctx, Cuerpo&& cuerpo)
{
    try {
        cuerpo();
    } catch (const Error& e) {
        devolverError(ctx, e.descripcion());
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(ctx);
    } catch (const std::exception& e) {
        devolverError(ctx, QString::fromUtf8(e.what()));
    }
}

// NULL stays NULL and a number is itself, always as a double (Val(7)/2 is
// 3.5, not 3, as in the original engine); a text is read by `leer`.
template <class Leer>
void resultadoNumerico(sqlite3_context* ctx, sqlite3_value* valor, Leer&& leer)
{
    protegido(ctx, [&] {
        switch (sqlite3_value_type(valor)) {
        case SQLITE_NULL:
            sqlite3_result_null(ctx);
            break;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            sqlite3_result_double(ctx, sqlite3_value_double(valor));
            break;
        default:
            leer(textoDe(valor));
        }
    });
}

void sqlVal(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    resultadoNumerico(ctx, argv[0], [ctx](const QString& texto) { sqlite3_result_double(ctx, Val(texto)); });
}

void sqlFormat(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    protegido(ctx, [&] {
        sqlite3_value* valor = argv[0];
        if (sqlite3_value_type(valor) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
        if (sqlite3_value_type(argv[1]) == SQLITE_NULL) {
            devolverError(ctx, QStringLiteral("Format: falta la máscara"));
            return;
        }
        const QString mascara = textoDe(argv[1]);

        if (mascara.compare(QLatin1String("yyyymmdd"), Qt::CaseInsensitive) == 0) {
            if (sqlite3_value_type(valor) != SQLITE_TEXT) {
                devolverError(ctx, QStringLiteral("Format: la máscara \"%1\" necesita una fecha").arg(mascara));
                return;
            }
            const std::optional<QDateTime> fecha = leerFechaIso(textoDe(valor));
            if (fecha)
                devolverTexto(ctx, fecha->date().toString(QStringLiteral("yyyyMMdd")));
            else
                sqlite3_result_null(ctx);
            return;
        }

        // A text counts when the engine itself would read it as a number.
        const int tipo = sqlite3_value_numeric_type(valor);
        if (tipo != SQLITE_INTEGER && tipo != SQLITE_FLOAT) {
            devolverError(ctx, QStringLiteral("Format: \"%1\" no es un número").arg(textoDe(valor)));
            return;
        }
        devolverTexto(ctx, formatearNumero(sqlite3_value_double(valor), mascara));
    });
}

void sqlIIf(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    protegido(ctx, [&] {
        bool verdadero = false;
        switch (sqlite3_value_type(argv[0])) {
        case SQLITE_NULL: verdadero = false; break;
        case SQLITE_INTEGER: verdadero = sqlite3_value_int64(argv[0]) != 0; break;
        case SQLITE_FLOAT: verdadero = sqlite3_value_double(argv[0]) != 0.0; break;
        default: verdadero = Val(textoDe(argv[0])) != 0.0;
        }
        sqlite3_result_value(ctx, argv[verdadero ? 1 : 2]);
    });
}

// Reads back what Format wrote: "," decimal, "." thousands.
void sqlCDbl(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    resultadoNumerico(ctx, argv[0], [ctx](const QString& texto) {
        if (const std::optional<double> numero = leerNumero(texto))
            sqlite3_result_double(ctx, *numero);
        else
            devolverError(ctx, QStringLiteral("CDbl: \"%1\" no es un número").arg(texto));
    });
}

bool esAscii(const unsigned char* texto, int largo)
{
    for (int i = 0; i < largo; ++i) {
        if (texto[i] >= 0x80)
            return false;
    }
    return true;
}

unsigned char minusculaAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Case folded, decomposed, without the accents: "Ñandú" becomes "nandu".
QString claveGeneral(const char* texto, int largo)
{
    const QString plegado = QString::fromUtf8(texto, largo).toCaseFolded().normalized(QString::NormalizationForm_D);
    QString clave;
    clave.reserve(plegado.size());
    for (QChar c : plegado) {
        if (c.category() != QChar::Mark_NonSpacing)
            clave += c;
    }
    return clave;
}

// Names as a person orders them: case and accents aside. Names that differ
// only in case or accents fall back to the byte order, so the order is total.
int compararGeneral(void*, int largo1, const void* datos1, int largo2, const void* datos2)
{
    const auto* a = static_cast<const unsigned char*>(datos1);
    const auto* b = static_cast<const unsigned char*>(datos2);

    int orden = 0;
    // Most names are plain ASCII; lower case is all their folding needs.
    if (esAscii(a, largo1) && esAscii(b, largo2)) {
        const int comun = std::min(largo1, largo2);
        for (int i = 0; i < comun && orden == 0; ++i)
            orden = int(minusculaAscii(a[i])) - int(minusculaAscii(b[i]));
        if (orden == 0)
            orden = largo1 - largo2;
    } else {
        orden = claveGeneral(static_cast<const char*>(datos1), largo1)
                    .compare(claveGeneral(static_cast<const char*>(datos2), largo2));
    }
    if (orden == 0) {
        orden = std::memcmp(a, b, std::size_t(std::min(largo1, largo2)));
        if (orden == 0)
            orden = largo1 - largo2;
    }
    return orden < 0 ? -1 : (orden > 0 ? 1 : 0);
}

}  // namespace

void registerSqlFunctions(sqlite3* db)
{
    struct Funcion {
        const char* nombre;
        int argumentos;
        void (*cuerpo)(sqlite3_context*, int, sqlite3_value**);
    };
    static const Funcion funciones[] = {
        {"Val", 1, sqlVal},
        {"Format", 2, sqlFormat},
        {"IIf", 3, sqlIIf},
        {"CDbl", 1, sqlCDbl},
    };
    for (const Funcion& f : funciones) {
        const int rc = sqlite3_create_function_v2(db, f.nombre, f.argumentos, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                                  nullptr, f.cuerpo, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            throwDbError(db, rc, QString::fromLatin1(f.nombre));
    }
    const int rc = sqlite3_create_collation_v2(db, "GENERAL", SQLITE_UTF8, nullptr, compararGeneral, nullptr);
    if (rc != SQLITE_OK)
        throwDbError(db, rc, QStringLiteral("GENERAL"));
}

}  // namespace veluma
