#include "declarations/validacion_ddjj.h"

#include "core/numeros.h"

#include <QRegularExpression>

namespace veluma {

namespace {

constexpr QChar kSalto = u'\r';
constexpr int kLargoCodigoInstituto = 20;

bool enBlanco(const QString& texto) { return texto.trimmed().isEmpty(); }

bool esNumerico(const QString& texto) { return leerNumero(texto.trimmed()).has_value(); }

bool tieneControles(const QString& texto)
{
    for (QChar c : texto)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// Adds a line, breaking from what is already there.
void agregarLinea(QString& mensaje, const QString& linea)
{
    if (!mensaje.isEmpty())
        mensaje += kSalto;
    mensaje += linea;
}

void validarMes(const DatosDDJJ& datos, ResultadoValidacion& resultado)
{
    // An impossible month would be stored as an impossible period.
    if (enBlanco(datos.mes))
        return;
    const double mes = Val(datos.mes.trimmed());
    if (mes < 1 || mes > 12 || !esNumerico(datos.mes)) {
        agregarLinea(resultado.mensaje, QStringLiteral("El Mes del Período Fiscal debe estar entre 01 y 12"));
        resultado.foco = CampoDDJJ::Mes;
    }
}

void validarCampo1(int formulario, const DatosDDJJ& datos, ResultadoValidacion& resultado)
{
    if (formulario == 618) {
        if (enBlanco(datos.campo1)) {
            agregarLinea(resultado.mensaje, QStringLiteral("Debe ingresar el Código del Instituto"));
        } else if (datos.campo1.size() > kLargoCodigoInstituto) {
            agregarLinea(resultado.mensaje,
                         QStringLiteral("El Código del Instituto no puede tener más de 20 caracteres"));
            resultado.foco = CampoDDJJ::Campo1;
        } else if (tieneControles(datos.campo1)) {
            agregarLinea(resultado.mensaje, QStringLiteral("El Código del Instituto contiene caracteres no válidos"));
            resultado.foco = CampoDDJJ::Campo1;
        }
    } else if (formulario == 708) {
        if (enBlanco(datos.campo1)) {
            agregarLinea(resultado.mensaje, QStringLiteral("Debe especificar la Alícuota"));
        } else if (!leerAlicuota(datos.campo1)) {
            agregarLinea(resultado.mensaje,
                         QStringLiteral("La Alícuota debe ser un número entre 0 y 100, con hasta dos decimales"));
            resultado.foco = CampoDDJJ::Campo1;
        }
    }
}

}  // namespace

int periodoDeTexto(const QString& anio, const QString& mes)
{
    QString mesConDosCifras = mes;
    if (const auto numero = leerNumero(mes.trimmed()); numero && *numero >= 0 && *numero < 100)
        mesConDosCifras = formatearNumero(*numero, QStringLiteral("00"));
    const double periodo = Val(anio + mesConDosCifras);
    return periodo > 0 && periodo < 1e9 ? int(periodo) : 0;
}

std::optional<double> leerAlicuota(const QString& texto)
{
    static const QRegularExpression forma(QStringLiteral("^\\s*\\d{1,3}(,\\d{0,2})?\\s*$"));
    if (!forma.match(texto).hasMatch())
        return std::nullopt;
    const auto valor = leerNumero(texto.trimmed());
    if (!valor || *valor < 0 || *valor > 100)
        return std::nullopt;
    return valor;
}

double alicuotaDelCampo(const QString& texto) { return leerAlicuota(texto).value_or(Val(texto)); }

QString campo1DeTexto(int formulario, const QString& texto)
{
    if (formulario == 708) {
        if (const auto alicuota = leerAlicuota(texto))
            return QString::number(*alicuota, 'g', 15);
    }
    return esNumerico(texto) ? texto.trimmed() : texto;
}

ResultadoValidacion ValidarDatos(int formulario, const DatosDDJJ& datos)
{
    ResultadoValidacion resultado;
    if (enBlanco(datos.mes)) {
        resultado.mensaje = QStringLiteral("Debe especificar el Mes del Período Fiscal");
        resultado.foco = CampoDDJJ::Mes;
    }
    if (enBlanco(datos.anio)) {
        // Replaces the month line: the year is the worse omission.
        resultado.mensaje = QStringLiteral("Debe especificar el Año del Período Fiscal");
        resultado.foco = CampoDDJJ::Anio;
    }
    if (!resultado.mensaje.isEmpty())
        resultado.mensaje += kSalto;
    if (datos.secuencia < 0) {
        resultado.mensaje += QStringLiteral("Debe especificar la Secuencia");
        resultado.foco = CampoDDJJ::Secuencia;
    }

    const int periodo = periodoDeTexto(datos.anio, datos.mes);
    if ((formulario == 617 || formulario == 618) && periodo < 199412)
        agregarLinea(resultado.mensaje, QStringLiteral("El Periodo Fiscal no puede ser inferior al 12/1994"));
    else if (formulario == 708 && periodo < 199401)
        agregarLinea(resultado.mensaje, QStringLiteral("El Periodo Fiscal no puede ser inferior al 01/1994"));
    validarMes(datos, resultado);
    validarCampo1(formulario, datos, resultado);
    return resultado;
}

}  // namespace veluma
