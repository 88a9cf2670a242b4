#pragma once

#include "declarations/formulario.h"

namespace veluma {

// Form 618, recorded videograms: daily sale and rental incomes, perceptions
// and the total to deposit. Its form value is the institute code, repeated
// in every row as CodInstituto.
class Formulario618 : public Formulario {
public:
    int numero() const override { return 618; }
    QString tituloMenu() const override;
    QStringList tablas() const override;
    QString columnaDelValor() const override { return QStringLiteral("CodInstituto"); }

    CampoValor campoValor() const override;
    int periodoMinimo() const override { return 199412; }
    std::vector<ObservacionValor> validarValor(const QString& escrito) const override;
    QString valorAGuardar(const QString& escrito) const override;

    std::map<QString, bool> seccionesConDatos(Database& base, const ClaveDDJJ& clave) const override;
    bool tieneLiquidacion() const override { return true; }
    std::unique_ptr<Liquidacion> liquidar(Sesion& sesion) const override;
    std::unique_ptr<Importador> importador(Sesion& sesion) const override;
    std::vector<Hoja> hojasDeExportacion(Sesion& sesion) const override;
};

}  // namespace veluma
