#include "core/sincronizacion.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace veluma {

bool sincronizarArchivo(QFile& archivo) { return ::fsync(archivo.handle()) == 0; }

bool sincronizarArchivo(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) && sincronizarArchivo(archivo);
}

bool sincronizarCarpeta(const QString& carpeta)
{
    const int descriptor = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return false;
    const bool hecho = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return hecho;
}

bool soloDelPropietario(const QString& ruta)
{
    QFileDevice::Permissions permisos = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (QFileInfo(ruta).isDir())
        permisos |= QFileDevice::ExeOwner;
    return QFile::setPermissions(ruta, permisos);
}

}  // namespace veluma
