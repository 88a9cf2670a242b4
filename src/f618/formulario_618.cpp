#include "f618/formulario_618.h"

#include "core/caracteres.h"
#include "core/clave_ddjj.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f618/importacion_618.h"
#include "declarations/secciones.h"
#include "f618/liquidacion_618.h"

namespace veluma {

namespace {

constexpr int kLargoCodigoInstituto = 20;

}  // namespace

QString Formulario618::tituloMenu() const { return QStringLiteral("Videogramas Grabados"); }

QStringList Formulario618::tablas() const
{
    return {QStringLiteral("618Ingresos"), QStringLiteral("618TotalPercepcionesEfectuadas")};
}

CampoValor Formulario618::campoValor() const
{
    return {CampoValor::Tipo::Texto, QStringLiteral("Código del Instituto:"), {}, {}};
}

std::vector<ObservacionValor> Formulario618::validarValor(const QString& escrito) const
{
    if (escrito.trimmed().isEmpty())
        return {{QStringLiteral("Debe ingresar el Código del Instituto"), false}};
    if (escrito.size() > kLargoCodigoInstituto)
        return {{QStringLiteral("El Código del Instituto no puede tener más de 20 caracteres"), true}};
    if (tieneCaracteresDeControl(escrito))
        return {{QStringLiteral("El Código del Instituto contiene caracteres no válidos"), true}};
    return {};
}

QString Formulario618::valorAGuardar(const QString& escrito) const
{
    return leerNumero(escrito.trimmed()) ? escrito.trimmed() : escrito;
}

std::map<QString, bool> Formulario618::seccionesConDatos(Database& base, const ClaveDDJJ& clave) const
{
    // Each institute code is a declaration of its own.
    const QString ingresos = QStringLiteral("618Ingresos");
    const bool ventas =
        hayFilas(base, ingresos, clave, QStringLiteral(" AND TipoIngreso=0 AND CodInstituto=?"), clave.campo1);
    const bool alquileres =
        hayFilas(base, ingresos, clave, QStringLiteral(" AND TipoIngreso=1 AND CodInstituto=?"), clave.campo1);
    // Perceptions are computed from the incomes: without incomes there is nothing to show.
    const bool percepciones = (ventas || alquileres)
                              && hayFilas(base, QStringLiteral("618TotalPercepcionesEfectuadas"), clave,
                                          QStringLiteral(" AND CodInstituto=?"), clave.campo1);
    return {{QStringLiteral("frm618Ingresos1"), ventas},
            {QStringLiteral("frm618Ingresos2"), alquileres},
            {QStringLiteral("frm618TotalPercepcionesEfectuadas"), percepciones},
            {QStringLiteral("frm618TotalADepositar"), percepciones}};
}

std::unique_ptr<Liquidacion> Formulario618::liquidar(Sesion& sesion) const
{
    return std::make_unique<Liquidacion618>(Liquidacion618::calcular(sesion.base, sesion.declaracion));
}

std::unique_ptr<Importador> Formulario618::importador(Sesion& sesion) const
{
    return std::make_unique<ImportadorIngresos618>(sesion.base, sesion.declaracion);
}

}  // namespace veluma
