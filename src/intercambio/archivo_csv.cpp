#include "intercambio/archivo_csv.h"

#include "core/error.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <array>
#include <csv.h>
#include <memory>

namespace veluma {

namespace {

constexpr std::array<char, 3> kSeparadores = {';', '\t', ','};
constexpr int kLineasDeMuestra = 20;

QString nombreVisible(const QString& ruta) { return QFileInfo(ruta).fileName(); }

// Text files hold no NUL and almost no other control characters.
bool pareceTexto(const QByteArray& bytes)
{
    qsizetype controles = 0;
    for (const char c : bytes) {
        if (c == '\0')
            return false;
        if (uchar(c) < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            ++controles;
    }
    return controles * 100 <= bytes.size();
}

bool esUtf8(const QByteArray& bytes)
{
    QStringDecoder decodificador(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = decodificador(bytes);
    return !decodificador.hasError();
}

// Windows-1252 is Latin-1 but for 0x80-0x9F; the five unassigned bytes keep
// their own code, as browsers read them.
QString desdeWindows1252(const char* datos, qsizetype largo)
{
    static constexpr std::array<char16_t, 32> kAltos = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString texto(largo, Qt::Uninitialized);
    for (qsizetype i = 0; i < largo; ++i) {
        const uchar c = uchar(datos[i]);
        texto[i] = (c >= 0x80 && c < 0xA0) ? QChar(kAltos[c - 0x80]) : QChar(c);
    }
    return texto;
}

// The separator that splits the first lines into the same number of fields,
// more than one; quoted text is left out of the count. Semicolon first: with
// it, commas are decimal points.
char separadorProbable(const QByteArray& bytes)
{
    std::array<std::vector<int>, kSeparadores.size()> cuentas;
    std::array<int, kSeparadores.size()> enLinea{};
    bool entreComillas = false;
    bool lineaConTexto = false;
    int lineas = 0;
    for (qsizetype i = 0; i < bytes.size() && lineas < kLineasDeMuestra; ++i) {
        const char c = bytes[i];
        if (c == '"')
            entreComillas = !entreComillas;
        if (entreComillas)
            continue;
        if (c == '\n' || c == '\r') {
            if (lineaConTexto) {
                for (std::size_t s = 0; s < kSeparadores.size(); ++s)
                    cuentas[s].push_back(enLinea[s]);
                ++lineas;
            }
            enLinea = {};
            lineaConTexto = false;
            continue;
        }
        lineaConTexto = lineaConTexto || (c != ' ' && c != '\t');
        for (std::size_t s = 0; s < kSeparadores.size(); ++s)
            enLinea[s] += c == kSeparadores[s];
    }
    if (lineaConTexto)
        for (std::size_t s = 0; s < kSeparadores.size(); ++s)
            cuentas[s].push_back(enLinea[s]);
    for (std::size_t s = 0; s < kSeparadores.size(); ++s) {
        const std::vector<int>& porLinea = cuentas[s];
        if (!porLinea.empty() && porLinea.front() > 0
            && std::all_of(porLinea.begin(), porLinea.end(), [&](int n) { return n == porLinea.front(); }))
            return kSeparadores[s];
    }
    // Uneven lines: the separator seen most, so the line count check tells which lines are wrong.
    std::size_t masVisto = 0;
    int maximo = 0;
    for (std::size_t s = 0; s < kSeparadores.size(); ++s) {
        const int total = cuentas[s].empty() ? 0 : cuentas[s].front();
        if (total > maximo) {
            maximo = total;
            masVisto = s;
        }
    }
    return kSeparadores[masVisto];
}

// libcsv's state before the first character of a row.
constexpr int kFilaSinEmpezar = 0;

// The parser's state between its callbacks.
struct Lectura {
    TablaCsv* tabla = nullptr;
    bool utf8 = true;
    int lineaActual = 1;   // the line being fed to the parser
    int inicioDeFila = 1;  // where the row being read started
    QStringList campos;
};

int soloEspacio(unsigned char c) { return c == CSV_SPACE; }

void alTerminarCampo(void* datos, size_t largo, void* estado)
{
    auto& lectura = *static_cast<Lectura*>(estado);
    const auto* texto = static_cast<const char*>(datos);
    const auto tamanio = qsizetype(largo);
    lectura.campos.append(
        (lectura.utf8 ? QString::fromUtf8(texto, tamanio) : desdeWindows1252(texto, tamanio)).trimmed());
}

void alTerminarFila(int, void* estado)
{
    auto& lectura = *static_cast<Lectura*>(estado);
    const bool vacia = std::all_of(lectura.campos.cbegin(), lectura.campos.cend(),
                                   [](const QString& campo) { return campo.isEmpty(); });
    if (!vacia)
        lectura.tabla->filas.push_back({lectura.inicioDeFila, std::move(lectura.campos)});
    lectura.campos = {};
}

struct LiberarParser {
    void operator()(csv_parser* parser) const
    {
        csv_free(parser);
        delete parser;
    }
};

}  // namespace

QString nombreDelSeparador(char separador)
{
    switch (separador) {
        case ',': return QStringLiteral("coma");
        case '\t': return QStringLiteral("tabulador");
        default: return QStringLiteral("punto y coma");
    }
}

TablaCsv leerArchivoCsv(const QString& ruta)
{
    const QFileInfo info(ruta);
    if (!info.isFile())
        throw Error(kErrorArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo %1.").arg(ruta));
    if (info.size() > kTamanioMaximoCsv)
        throw Error(kErrorAccesoArchivo,
                    QStringLiteral("El archivo %1 tiene %2 MB; se importan archivos de hasta %3 MB.")
                        .arg(info.fileName(),
                             QString::number(double(info.size()) / (1024 * 1024), 'f', 1)
                                 .replace(QLatin1Char('.'), QLatin1Char(',')),
                             QString::number(kTamanioMaximoCsv / (1024 * 1024))));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        throw Error(kErrorAccesoArchivo,
                    QStringLiteral("No se puede leer el archivo %1: %2").arg(info.fileName(), archivo.errorString()));
    const QByteArray bytes = archivo.read(kTamanioMaximoCsv + 1);
    if (bytes.size() > kTamanioMaximoCsv)
        throw Error(kErrorAccesoArchivo, QStringLiteral("El archivo %1 creció mientras se leía.").arg(info.fileName()));
    TablaCsv tabla = leerCsv(bytes, info.fileName());
    tabla.archivo = ruta;
    return tabla;
}

TablaCsv leerCsv(const QByteArray& contenido, const QString& nombre)
{
    const QByteArray bom("\xEF\xBB\xBF");
    const bool conBom = contenido.startsWith(bom);
    const QByteArray bytes = conBom ? contenido.mid(bom.size()) : contenido;
    if (bytes.trimmed().isEmpty())
        throw Error(kErrorAccesoArchivo, QStringLiteral("El archivo %1 está vacío.").arg(nombreVisible(nombre)));
    if (!pareceTexto(bytes))
        throw Error(kErrorAccesoArchivo,
                    QStringLiteral("El archivo %1 no es un archivo de texto con valores separados por coma, punto y "
                                   "coma o tabulador.")
                        .arg(nombreVisible(nombre)));

    TablaCsv tabla;
    tabla.archivo = nombre;
    tabla.separador = separadorProbable(bytes);
    Lectura lectura;
    lectura.tabla = &tabla;
    lectura.utf8 = conBom || esUtf8(bytes);
    tabla.codificacion = lectura.utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");

    std::unique_ptr<csv_parser, LiberarParser> parser(new csv_parser);
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0)
        throw Error(kErrorAccesoArchivo, QStringLiteral("No hay memoria para leer el archivo %1.").arg(nombre));
    csv_set_delim(parser.get(), static_cast<unsigned char>(tabla.separador));
    csv_set_space_func(parser.get(), soloEspacio);

    const auto fallaEnLinea = [&](int linea) {
        const QString motivo = csv_error(parser.get()) == CSV_EPARSE
                                   ? QStringLiteral("tiene comillas sin cerrar o mal puestas")
                                   : QString::fromUtf8(csv_strerror(csv_error(parser.get())));
        return Error(kErrorAccesoArchivo, QStringLiteral("La línea %1 del archivo %2 %3.")
                                              .arg(QString::number(linea), nombreVisible(nombre), motivo));
    };
    // Fed one line at a time, so each record knows the line where it starts.
    qsizetype desde = 0;
    while (desde < bytes.size()) {
        qsizetype hasta = bytes.indexOf('\n', desde);
        hasta = hasta < 0 ? bytes.size() : hasta + 1;
        const std::size_t largo = std::size_t(hasta - desde);
        if (parser->pstate == kFilaSinEmpezar)
            lectura.inicioDeFila = lectura.lineaActual;
        if (csv_parse(parser.get(), bytes.constData() + desde, largo, alTerminarCampo, alTerminarFila, &lectura)
            != largo)
            throw fallaEnLinea(lectura.lineaActual);
        desde = hasta;
        ++lectura.lineaActual;
    }
    // An open quote runs to the end: the row it is in is told.
    if (csv_fini(parser.get(), alTerminarCampo, alTerminarFila, &lectura) != 0)
        throw fallaEnLinea(lectura.inicioDeFila);
    return tabla;
}

}  // namespace veluma
