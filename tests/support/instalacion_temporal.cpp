#include "support/instalacion_temporal.h"

#include "core/error.h"
#include "instalacion_demo.h"

#include <QDir>

namespace veluma::test {

namespace {

QString carpetaDe(const QTemporaryDir& carpeta)
{
    if (!carpeta.isValid())
        throw veluma::Error(1, QStringLiteral("No se puede crear la carpeta temporal: ") + carpeta.errorString());
    return carpeta.path();
}

}  // namespace

InstalacionTemporal::InstalacionTemporal(bool conEjecutable)
    : instalacion_(demo::instalacionDemo(carpetaDe(carpeta_)))
{
    demo::crearBasesAnfitrion(raiz());
    QStringList archivos = instalacion_.archivosDelPrograma();
    if (!conEjecutable)
        archivos.removeAll(instalacion_.nombreEjecutable());
    demo::copiarArchivos(QStringLiteral(VELUMA_PROGRAMA_DIR), instalacion_, archivos);
    for (const demo::ContribuyenteDemo& contribuyente : demo::contribuyentesDemo())
        cuits_.append(contribuyente.cuit);
}

QString InstalacionTemporal::rutaEjecutable() const
{
    return QDir(carpetaPrograma()).filePath(instalacion_.nombreEjecutable());
}

}  // namespace veluma::test
