#include "intercambio/error_escritura.h"

#include <QDir>

namespace veluma {

Error errorDeEscritura(const QString& archivo)
{
    return Error(kErrorAccesoArchivo, QStringLiteral("No se pudo escribir el archivo \"%1\". Verifique que la carpeta "
                                                     "exista, que tenga "
                                                     "permiso para escribir en ella y que haya espacio en el disco.")
                                          .arg(QDir::toNativeSeparators(archivo)));
}

}  // namespace veluma
