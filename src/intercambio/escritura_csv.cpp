#include "intercambio/escritura_csv.h"

#include "intercambio/error_escritura.h"
#include "intercambio/valores_hoja.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <memory>

namespace veluma {

namespace {

QString campoCsv(const QString& texto)
{
    static const QString kReservados = QStringLiteral(";\"\r\n");
    const bool entreComillas = std::any_of(texto.begin(), texto.end(), [](QChar c) { return kReservados.contains(c); });
    if (!entreComillas)
        return texto;
    QString citado = texto;
    citado.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + citado + QLatin1Char('"');
}

void agregarFila(QString& texto, const QStringList& campos)
{
    for (qsizetype i = 0; i < campos.size(); ++i) {
        if (i > 0)
            texto += QLatin1Char(';');
        texto += campoCsv(campos[i]);
    }
    texto += QStringLiteral("\r\n");
}

}  // namespace

QByteArray textoCsv(const Hoja& hoja)
{
    QString texto;
    QStringList titulos;
    for (const ColumnaHoja& columna : hoja.columnas)
        titulos += columna.titulo;
    agregarFila(texto, titulos);
    for (const std::vector<QVariant>& fila : hoja.filas) {
        QStringList campos;
        for (std::size_t i = 0; i < hoja.columnas.size(); ++i)
            campos += i < fila.size() ? textoDeValor(fila[i], hoja.columnas[i].tipo) : QString();
        agregarFila(texto, campos);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + texto.toUtf8();
}

QString archivoDeHoja(const QString& elegido, const QString& hoja)
{
    const QFileInfo info(elegido);
    QString seguro = hoja;
    for (QChar& c : seguro)
        if (c < QChar(32) || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + seguro + QLatin1Char('.') + info.suffix());
}

QStringList escribirCsv(const std::vector<Hoja>& hojas, const QString& elegido)
{
    // Every file is written before any replaces what was there, so a failure
    // halfway leaves the earlier export whole.
    std::vector<std::unique_ptr<QSaveFile>> archivos;
    QStringList nombres;
    for (const Hoja& hoja : hojas) {
        const QString nombre = archivoDeHoja(elegido, hoja.nombre);
        auto archivo = std::make_unique<QSaveFile>(nombre);
        if (!archivo->open(QIODevice::WriteOnly))
            throw errorDeEscritura(nombre);
        const QByteArray bytes = textoCsv(hoja);
        if (archivo->write(bytes) != bytes.size())
            throw errorDeEscritura(nombre);
        archivos.push_back(std::move(archivo));
        nombres += nombre;
    }
    for (std::size_t i = 0; i < archivos.size(); ++i)
        if (!archivos[i]->commit())
            throw errorDeEscritura(nombres[qsizetype(i)]);
    return nombres;
}

}  // namespace veluma
