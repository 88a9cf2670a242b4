#include "intercambio/libro_xlsx.h"

#include "intercambio/error_escritura.h"
#include "intercambio/valores_hoja.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sys/stat.h>
#include <algorithm>
#include <filesystem>
#include <xlsxwriter.h>

namespace veluma {

namespace {

struct Formatos {
    lxw_format* titulo;
    lxw_format* importe;
    lxw_format* fecha;
};

// Wide enough for the title and the longest value as text, within reason.
double anchoDeColumna(const Hoja& hoja, std::size_t columna)
{
    qsizetype ancho = hoja.columnas[columna].titulo.size();
    for (const std::vector<QVariant>& fila : hoja.filas)
        if (columna < fila.size())
            ancho = std::max(ancho, textoDeValor(fila[columna], hoja.columnas[columna].tipo).size());
    return double(std::min<qsizetype>(ancho + 2, 60));
}

lxw_error escribirCelda(lxw_worksheet* hoja, lxw_row_t fila, lxw_col_t columna, const QVariant& valor, TipoColumna tipo,
                        const Formatos& formatos)
{
    if (valor.isNull())
        return LXW_NO_ERROR;
    switch (tipo) {
    case TipoColumna::Entero:
        return worksheet_write_number(hoja, fila, columna, double(valor.toLongLong()), nullptr);
    case TipoColumna::Importe:
        return worksheet_write_number(hoja, fila, columna, valor.toDouble(), formatos.importe);
    case TipoColumna::Fecha: {
        const QDate dia = valor.toDate();
        if (!dia.isValid())
            return LXW_NO_ERROR;
        lxw_datetime fecha{dia.year(), dia.month(), dia.day(), 0, 0, 0};
        return worksheet_write_datetime(hoja, fila, columna, &fecha, formatos.fecha);
    }
    case TipoColumna::Texto:
        break;
    }
    return worksheet_write_string(hoja, fila, columna, valor.toString().toUtf8().constData(), nullptr);
}

void escribirHoja(lxw_workbook* libro, const Hoja& hoja, const Formatos& formatos, const QString& archivo)
{
    // Checked here as the workbook would, which otherwise complains on the console.
    static const QString kNoPermitidos = QStringLiteral("[]:*?/\\");
    const bool nombreValido =
        !hoja.nombre.isEmpty() && hoja.nombre.size() <= 31
        && std::none_of(hoja.nombre.begin(), hoja.nombre.end(), [](QChar c) { return kNoPermitidos.contains(c); });
    lxw_worksheet* hojaDeCalculo =
        nombreValido ? workbook_add_worksheet(libro, hoja.nombre.toUtf8().constData()) : nullptr;
    if (!hojaDeCalculo)
        throw Error(kErrorArgumentoNoValido, QStringLiteral("\"%1\" no es un nombre de hoja válido.").arg(hoja.nombre));
    lxw_error error = LXW_NO_ERROR;
    for (std::size_t c = 0; c < hoja.columnas.size() && !error; ++c) {
        const lxw_col_t columna = lxw_col_t(c);
        error = worksheet_set_column(hojaDeCalculo, columna, columna, anchoDeColumna(hoja, c), nullptr);
        if (!error)
            error = worksheet_write_string(hojaDeCalculo, 0, columna, hoja.columnas[c].titulo.toUtf8().constData(),
                                           formatos.titulo);
    }
    for (std::size_t f = 0; f < hoja.filas.size() && !error; ++f)
        for (std::size_t c = 0; c < hoja.columnas.size() && c < hoja.filas[f].size() && !error; ++c)
            error = escribirCelda(hojaDeCalculo, lxw_row_t(f + 1), lxw_col_t(c), hoja.filas[f][c],
                                  hoja.columnas[c].tipo, formatos);
    if (error)
        throw errorDeEscritura(archivo);
}

// Frees a workbook left unfinished, without writing it.
struct LibroAbierto {
    lxw_workbook* libro;
    ~LibroAbierto()
    {
        if (libro)
            lxw_workbook_free(libro);
    }
    lxw_error cerrar()
    {
        const lxw_error error = workbook_close(libro);
        libro = nullptr;
        return error;
    }
};

// The process's umask, which a new file's permissions leave out.
unsigned mascaraDeCreacion()
{
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return mascara;
}

}  // namespace

void escribirLibroXlsx(const std::vector<Hoja>& hojas, const QString& archivo)
{
    const QFileInfo destino(archivo);
    if (!destino.dir().exists())
        throw errorDeEscritura(archivo);
    // A name of our own beside the target: the rename at the end then
    // replaces the file in one step.
    QTemporaryFile temporal(destino.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(destino.fileName())));
    if (!temporal.open())
        throw errorDeEscritura(archivo);
    const QString nombreTemporal = temporal.fileName();
    temporal.close();

    LibroAbierto abierto{workbook_new(QFile::encodeName(nombreTemporal).constData())};
    if (!abierto.libro)
        throw errorDeEscritura(archivo);
    Formatos formatos{workbook_add_format(abierto.libro), workbook_add_format(abierto.libro),
                      workbook_add_format(abierto.libro)};
    format_set_bold(formatos.titulo);
    format_set_num_format(formatos.importe, "#,##0.00");
    format_set_num_format(formatos.fecha, "dd/mm/yyyy");
    for (const Hoja& hoja : hojas)
        escribirHoja(abierto.libro, hoja, formatos, archivo);
    if (const lxw_error error = abierto.cerrar())
        throw errorDeEscritura(archivo);

    // The temporary name was created private; the workbook gets what a new
    // file gets (or keeps what the file it replaces had).
    std::error_code fallo;
    const auto permisos = destino.exists()
                              ? std::filesystem::status(QFile::encodeName(archivo).toStdString(), fallo).permissions()
                              : std::filesystem::perms(0666 & ~mascaraDeCreacion());
    std::filesystem::permissions(QFile::encodeName(nombreTemporal).toStdString(), permisos, fallo);
    std::filesystem::rename(QFile::encodeName(nombreTemporal).toStdString(), QFile::encodeName(archivo).toStdString(),
                            fallo);
    if (fallo)
        throw errorDeEscritura(archivo);
    temporal.setAutoRemove(false);
}

}  // namespace veluma
