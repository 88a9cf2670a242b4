#include "f617/formulario_617.h"

#include "core/clave_ddjj.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/importacion_617.h"
#include "declarations/secciones.h"
#include "f617/liquidacion_617.h"

namespace veluma {

QString Formulario617::tituloMenu() const { return QStringLiteral("Servicios de Radiodifusión"); }

QStringList Formulario617::tablas() const
{
    return {QStringLiteral("617CompSocietaria"), QStringLiteral("617Licencias"), QStringLiteral("617LicenciasDetalle"),
            QStringLiteral("617LicenciasIngresoConceptos"), QStringLiteral("617LicenciasTotalLicencias")};
}

QVariant Formulario617::valorEnTablas(const QString& campo1) const { return Val(campo1); }

CampoValor Formulario617::campoValor() const
{
    return {CampoValor::Tipo::Opciones,
            {},
            {{QStringLiteral("Servicio de TV y Complementarios"), QStringLiteral("306")},
             {QStringLiteral("Servicio de Radio"), QStringLiteral("307")}},
            QStringLiteral("306")};
}

std::map<QString, bool> Formulario617::seccionesConDatos(Database& base, const ClaveDDJJ& clave) const
{
    const QString delServicio = QStringLiteral(" AND ImpServicio=?");
    const QVariant servicio = valorEnTablas(clave.campo1);
    return {{QStringLiteral("frm617CompSocietaria"),
             hayFilas(base, QStringLiteral("617CompSocietaria"), clave, delServicio, servicio)},
            {QStringLiteral("frm617Licencias"), hayFilas(base, QStringLiteral("617Licencias"), clave, delServicio, servicio)},
            {QStringLiteral("frm617TotalAPagar"),
             hayFilas(base, QStringLiteral("617LicenciasIngresoConceptos"), clave, delServicio, servicio)}};
}

std::unique_ptr<Liquidacion> Formulario617::liquidar(Sesion& sesion) const
{
    return std::make_unique<Liquidacion617>(Liquidacion617::calcular(sesion.base, sesion.declaracion));
}

std::unique_ptr<Importador> Formulario617::importador(Sesion& sesion) const
{
    return std::make_unique<ImportadorConceptos617>(sesion.base, sesion.declaracion);
}

}  // namespace veluma
