#pragma once

#include "declarations/formulario.h"

namespace veluma {

// Form 708, cinema tickets: rooms, tickets by room, week and price, weekly
// payments on account and the balance. Its form value is the rate.
class Formulario708 : public Formulario {
public:
    int numero() const override { return 708; }
    QString tituloMenu() const override;
    QStringList tablas() const override;

    CampoValor campoValor() const override;
    int periodoMinimo() const override { return 199401; }
    QString mostrarValor(const QString& campo1) const override;
    std::vector<ObservacionValor> validarValor(const QString& escrito) const override;
    QString valorAGuardar(const QString& escrito) const override;
    bool valorDistingueDeclaraciones() const override { return false; }
    bool ofreceModificar() const override { return true; }

    std::map<QString, bool> seccionesConDatos(Database& base, const ClaveDDJJ& clave) const override;
    bool tieneLiquidacion() const override { return true; }
    std::unique_ptr<Liquidacion> liquidar(Sesion& sesion) const override;
    std::unique_ptr<Importador> importador(Sesion& sesion) const override;
    std::vector<Hoja> hojasDeExportacion(Sesion& sesion) const override;
};

}  // namespace veluma
