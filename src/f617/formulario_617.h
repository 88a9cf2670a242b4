#pragma once

#include "declarations/formulario.h"

namespace veluma {

// Form 617, broadcasting services: licences, billing by concept, totals per
// licence and the partners of the company. Its form value is the service,
// 306 television or 307 radio, repeated in every row as ImpServicio.
class Formulario617 : public Formulario {
public:
    int numero() const override { return 617; }
    QString tituloMenu() const override;
    QStringList tablas() const override;
    QString columnaDelValor() const override { return QStringLiteral("ImpServicio"); }
    QVariant valorEnTablas(const QString& campo1) const override;

    CampoValor campoValor() const override;
    int periodoMinimo() const override { return 199412; }
    bool ofreceCopiar() const override { return true; }

    std::map<QString, bool> seccionesConDatos(Database& base, const ClaveDDJJ& clave) const override;
    bool tieneLiquidacion() const override { return true; }
    std::unique_ptr<Liquidacion> liquidar(Sesion& sesion) const override;
    std::unique_ptr<Importador> importador(Sesion& sesion) const override;
    std::vector<Hoja> hojasDeExportacion(Sesion& sesion) const override;
};

}  // namespace veluma
