#include "f708/formulario_708.h"

#include "core/numeros.h"
#include "core/sesion.h"
#include "f708/importacion_708.h"
#include "declarations/secciones.h"
#include "f708/alicuota_708.h"
#include "f708/liquidacion_708.h"

namespace veluma {

QString Formulario708::tituloMenu() const { return QStringLiteral("Entradas Cinematográficas"); }

QStringList Formulario708::tablas() const
{
    return {QStringLiteral("708ImpuestoDeterminado"), QStringLiteral("708PagoCuenta"), QStringLiteral("708Salas")};
}

CampoValor Formulario708::campoValor() const
{
    return {CampoValor::Tipo::Numero, QStringLiteral("Alícuota:"), {}, QStringLiteral("10")};
}

QString Formulario708::mostrarValor(const QString& campo1) const { return textoAlicuota(Val(campo1)); }

std::vector<ObservacionValor> Formulario708::validarValor(const QString& escrito) const
{
    if (escrito.trimmed().isEmpty())
        return {{QStringLiteral("Debe especificar la Alícuota"), false}};
    if (!leerAlicuota(escrito))
        return {{QStringLiteral("La Alícuota debe ser un número entre 0 y 100, con hasta dos decimales"), true}};
    return {};
}

QString Formulario708::valorAGuardar(const QString& escrito) const
{
    // A number Val reads back whole: "10,5" is kept as "10.5".
    if (const auto alicuota = leerAlicuota(escrito))
        return QString::number(*alicuota, 'g', 15);
    return leerNumero(escrito.trimmed()) ? escrito.trimmed() : escrito;
}

std::map<QString, bool> Formulario708::seccionesConDatos(Database& base, const ClaveDDJJ& clave) const
{
    return {{QStringLiteral("frm708ListadoSalas"), hayFilas(base, QStringLiteral("708Salas"), clave)},
            {QStringLiteral("frm708PagoCuenta"), hayFilas(base, QStringLiteral("708PagoCuenta"), clave)},
            {QStringLiteral("frm708Saldos"), hayFilas(base, QStringLiteral("708ImpuestoDeterminado"), clave)}};
}

std::unique_ptr<Liquidacion> Formulario708::liquidar(Sesion& sesion) const
{
    return std::make_unique<Liquidacion708>(Liquidacion708::calcular(sesion.base, sesion.declaracion));
}

std::unique_ptr<Importador> Formulario708::importador(Sesion& sesion) const
{
    return std::make_unique<ImportadorEntradas708>(sesion.base, sesion.declaracion);
}

}  // namespace veluma
