#include "generation/codificacion.h"

#include "core/decimal.h"
#include "core/error.h"
#include "core/instalacion.h"
#include "core/numeros.h"
#include "core/sincronizacion.h"
#include "generation/numero_verificacion.h"

#include <QDir>
#include <QRegularExpression>
#include <cmath>
#include <optional>
#include <string>

namespace veluma {

namespace {

constexpr int kLargoVerificacion = 15;

// The value as a number when the files take it as one: any number type, or a
// text that reads whole as a number with "." as decimal point. Booleans are
// not numbers here, nor are infinities and NaN.
std::optional<double> comoNumero(const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float: {
        const double numero = valor.toDouble();
        return std::isfinite(numero) ? std::optional<double>(numero) : std::nullopt;
    }
    case QMetaType::QString: {
        static const QRegularExpression numerico(
            QStringLiteral("^ *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)? *$"));
        const QString texto = valor.toString();
        if (!numerico.match(texto).hasMatch())
            return std::nullopt;
        try {
            return Val(texto);
        } catch (const Error&) {
            return std::nullopt;  // too large for a double
        }
    }
    default:
        return std::nullopt;
    }
}

bool sonDigitos(const QString& texto)
{
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool formaDeCuit(const QString& cuit)
{
    if (cuit.size() == 11)
        return sonDigitos(cuit);
    return cuit.size() == 13 && cuit[2] == QLatin1Char('-') && cuit[11] == QLatin1Char('-')
        && sonDigitos(cuit.left(2)) && sonDigitos(cuit.mid(3, 8)) && sonDigitos(cuit.right(1));
}

bool digitoVerificadorCorrecto(const QString& onceDigitos)
{
    static constexpr int kPesos[] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += onceDigitos[i].digitValue() * kPesos[i];
    int digito = 11 - suma % 11;
    if (digito == 10)
        return false;
    if (digito == 11)
        digito = 0;
    return digito == onceDigitos[10].digitValue();
}

// Amounts come either in the program's own format or with "." as decimal
// point; the comma tells which.
QVariant importeComoValor(const QString& importe)
{
    if (!importe.contains(QLatin1Char(',')))
        return importe;
    const std::optional<double> numero = leerNumero(importe);
    return numero ? QVariant(*numero) : QVariant(importe);
}

}  // namespace

QString FormatearCampo(QVariant& valor, int largo, int decimales)
{
    if (largo == 0)
        return valor.toString().leftJustified(decimales, QLatin1Char(' '));

    std::optional<double> numero = comoNumero(valor);
    if (!numero || *numero < 0) {
        valor = 0;
        numero = 0.0;
    }
    const std::string digitos = Decimal(*numero).rounded(decimales).digitos(decimales);
    return QString::fromLatin1(digitos.data(), qsizetype(digitos.size())).rightJustified(largo, QLatin1Char('0'));
}

QString FormatearCuit(QVariant& cuit, int conGuiones)
{
    if (cuit.isNull())
        return {};
    const QString original = cuit.toString();
    QString texto = original.trimmed();
    if (texto.size() > 13 || !ValidarCuit(texto, true, true, true, true))
        return original;

    const bool conGuion = texto.contains(QLatin1Char('-'));
    if (conGuiones != 0 && !conGuion)
        return texto.left(2) + QLatin1Char('-') + texto.mid(2, 8) + QLatin1Char('-') + texto.mid(10, 1);
    if (conGuiones == 0 && conGuion)
        return texto.left(2) + texto.mid(3, 8) + texto.right(1);
    return texto;
}

bool ValidarCuit(QString& cuit, bool /*opcion1*/, bool /*opcion2*/, bool /*opcion3*/, bool /*opcion4*/)
{
    if (const std::optional<double> numero = comoNumero(cuit))
        cuit = Decimal(*numero).toString();
    if (!formaDeCuit(cuit))
        return false;
    QString digitos = cuit;
    digitos.remove(QLatin1Char('-'));
    return digitoVerificadorCorrecto(digitos);
}

QString LimpiarCaracteres(QString& registro)
{
    for (QChar& c : registro)
        if (c.unicode() < 32)
            c = QLatin1Char(' ');
    return registro;
}

QString FormatearFecha(const QDate& fecha)
{
    return fecha.isValid() ? fecha.toString(QStringLiteral("yyyyMMdd")) : QStringLiteral("00000000");
}

QString DirectorioWindows(const Instalacion& instalacion)
{
    QString carpeta = instalacion.carpetaTrabajo();
    if (!QDir().mkpath(carpeta))
        return {};
    // It holds the records of the declarations being generated.
    soloDelPropietario(carpeta);
    AgregarBarra(carpeta);
    return carpeta;
}

QString CortarEnNulo(const QString& texto)
{
    const qsizetype nulo = texto.indexOf(QChar(0));
    return nulo < 0 ? texto : texto.left(nulo);
}

void AgregarBarra(QString& ruta)
{
    while (ruta.endsWith(QLatin1Char(' ')))
        ruta.chop(1);
    if (!ruta.endsWith(QLatin1Char('/')))
        ruta += QLatin1Char('/');
}

QString CalcularNVerif(const QString& cuit, int periodo, int secuencia, const QString& importe, const QString& hora)
{
    QVariant cuitDado = cuit;
    QVariant cuitSinGuiones = FormatearCuit(cuitDado, 0);
    QVariant periodoYSecuencia = QString::number(periodo) + QString::number(secuencia);
    QVariant monto = importeComoValor(importe);
    QVariant horaDada = hora;
    const qint16 suma = FuncionVerificacion(FormatearCampo(cuitSinGuiones, kLargoVerificacion, 0).toLatin1(),
                                            FormatearCampo(periodoYSecuencia, kLargoVerificacion, 0).toLatin1(),
                                            FormatearCampo(monto, kLargoVerificacion, 2).toLatin1(),
                                            FormatearCampo(horaDada, kLargoVerificacion, 0).toLatin1());
    return DigitosVerificacion(suma, hora);
}

QString DigitosVerificacion(qint16 r, const QString& hora)
{
    const int sinSigno = r >= 0 ? r : r + 65536;
    QString digitos = QStringLiteral("%1").arg(sinSigno, 6, 10, QLatin1Char('0'));
    if (digitos.startsWith(QLatin1Char('0')))
        digitos = hora.mid(3, 1) + digitos.right(5);
    return digitos;
}

}  // namespace veluma
