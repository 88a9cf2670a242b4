#pragma once

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

// A declaration as a form writes it: a "01" record of 30 characters, three
// "02" of 40 whose last field is `textoLibre` (cut or padded to 20), and the
// "99" trailer of 12 with the record count.
QList<RegistroDePrueba> registrosDeUnaDeclaracion(const QString& textoLibre = QStringLiteral("Ñandú € 漢"));

}  // namespace veluma::test
