#pragma once

#include "declarations/formulario.h"
#include "generation/interfaz_registros.h"

#include <QList>
#include <QString>

namespace veluma {
struct Sesion;
}

namespace veluma::test {

struct RegistroDePrueba {
    QString texto;
    int largo;  // the width its form declares for it
};

// Stands in for a form's record builder: writes the given records, the last
// one as the trailer, through the common writer.
class RegistrosDePrueba : public veluma::InterfazRegistros {
public:
    RegistrosDePrueba(veluma::Sesion& sesion, QList<RegistroDePrueba> registros);

    bool GenerarDisquete(const QString& ArchivoTMP, veluma::Mensajes& mensajes) override;

private:
    veluma::Sesion& sesion_;
    QList<RegistroDePrueba> registros_;
};

// Stands in for a form's settlement: its builder writes the given records.
class LiquidacionDePrueba : public veluma::Liquidacion {
public:
    explicit LiquidacionDePrueba(QList<RegistroDePrueba> registros) : registros_(std::move(registros)) {}

    bool admitePresentacion() const override { return true; }
    std::unique_ptr<veluma::InterfazRegistros> registros(veluma::Sesion& sesion) const override
    {
        return std::make_unique<RegistrosDePrueba>(sesion, registros_);
    }
    veluma::ConfiguracionReporte formularioImpreso(const veluma::Sesion& sesion) const override;
    const QList<RegistroDePrueba>& registrosDePrueba() const { return registros_; }

private:
    QList<RegistroDePrueba> registros_;
};

// A declaration as a form writes it: a "01" record of 30 characters, three
// "02" of 40 whose last field is `textoLibre` (cut or padded to 20), and the
// "99" trailer of 12 with the record count.
QList<RegistroDePrueba> registrosDeUnaDeclaracion(const QString& textoLibre = QStringLiteral("Ñandú € 漢"));

}  // namespace veluma::test
