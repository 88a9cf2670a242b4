#include "declarations/formulario.h"

#include "core/error.h"

namespace veluma {

std::vector<ObservacionValor> Formulario::validarValor(const QString&) const { return {}; }

std::unique_ptr<Liquidacion> Formulario::liquidar(Sesion&) const
{
    throw Error(kErrorArgumentoNoValido, textoSinPresentacion(numero()));
}

QString Liquidacion::motivoSinPresentacion() const
{
    return QStringLiteral("La declaración jurada no tiene impuesto determinado: no hay nada que presentar.");
}

QString Liquidacion::motivoSinImpresion() const { return QStringLiteral("No existe información para imprimir."); }

QString textoSinPresentacion(int formulario)
{
    return QStringLiteral("La generación del archivo de presentación no está disponible para el formulario ")
           + QString::number(formulario) + QLatin1Char('.');
}

}  // namespace veluma
