#include "filewin.h"

#include "formato_dkwin.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int kLargoLinea = 76;

int fallar(const QString& registroErrores, const QString& motivo)
{
    if (registroErrores.isEmpty())
        return 1;
    QFile registro(registroErrores);
    if (registro.open(QIODevice::Append | QIODevice::Text))
        registro.write((QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') + motivo + QLatin1Char('\n'))
                           .toUtf8());
    return 1;
}

}  // namespace

int filewin(const QString& entrada, QString& salida, const QString& registroErrores)
{
    salida.clear();
    QFile origen(entrada);
    if (!origen.open(QIODevice::ReadOnly))
        return fallar(registroErrores, QStringLiteral("No se puede leer %1: %2").arg(entrada, origen.errorString()));
    const QByteArray codificado = veluma::codificarDkwin(origen.readAll());
    if (codificado.isEmpty())
        return fallar(registroErrores, QStringLiteral("No se pudo codificar %1").arg(entrada));

    const QByteArray base64 = codificado.toBase64();
    QByteArray texto;
    texto.reserve(base64.size() + base64.size() / kLargoLinea * 2 + 2);
    for (qsizetype i = 0; i < base64.size(); i += kLargoLinea)
        texto += base64.mid(i, kLargoLinea) + "\r\n";

    const QFileInfo informacion(entrada);
    const QString ruta = informacion.absolutePath() + QLatin1Char('/') + informacion.completeBaseName()
                         + QStringLiteral(".b64");
    QSaveFile destino(ruta);
    if (!destino.open(QIODevice::WriteOnly) || destino.write(texto) != texto.size() || !destino.commit())
        return fallar(registroErrores, QStringLiteral("No se puede escribir %1: %2").arg(ruta, destino.errorString()));
    salida = ruta;
    return 0;
}

std::optional<QByteArray> decodificarFileWin(const QByteArray& contenido)
{
    const auto base64 = QByteArray::fromBase64Encoding(contenido.simplified().replace(' ', QByteArray()),
                                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!base64)
        return std::nullopt;
    return veluma::decodificarDkwin(*base64);
}
