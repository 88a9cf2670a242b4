#pragma once

#include "core/instalacion.h"

#include <QStringList>
#include <QTemporaryDir>

namespace veluma::test {

// A real installation in a temporary folder, laid out as the host lays it
// out: <tmp>/kelt.mdb and <tmp>/sistema.mdb with the demo taxpayers, and
// <tmp>/veluma/ with the auxiliary database and the help file copied from the
// build's program folder (VELUMA_PROGRAMA_DIR), plus the executable when
// asked for. No working database exists until a test creates one. The whole
// folder is removed at destruction.
class InstalacionTemporal {
public:
    explicit InstalacionTemporal(bool conEjecutable = false);
    InstalacionTemporal(const InstalacionTemporal&) = delete;
    InstalacionTemporal& operator=(const InstalacionTemporal&) = delete;

    const veluma::Instalacion& instalacion() const { return instalacion_; }
    QString raiz() const { return carpeta_.path(); }
    QString carpetaPrograma() const { return instalacion_.carpetaPrograma(); }
    QString rutaEjecutable() const;  // <tmp>/veluma/veluma
    QStringList cuits() const { return cuits_; }

private:
    QTemporaryDir carpeta_;
    veluma::Instalacion instalacion_;
    QStringList cuits_;
};

}  // namespace veluma::test
