#include "core/clave.h"

namespace veluma {

QString contrasenaBase()
{
    // Assembled character by character at run time, so the password is never
    // one readable text in the executable: each code is shifted by its position.
    static constexpr unsigned char codigos[] = {0x70, 0x70, 0x4e, 0x6e, 0x65, 0x59, 0x78, 0x7c,
                                                0x5e, 0x6e, 0x77, 0x65};
    QString contrasena;
    contrasena.reserve(int(sizeof codigos));
    for (unsigned i = 0; i < sizeof codigos; ++i)
        contrasena.append(QChar(char16_t(codigos[i] - i)));
    return contrasena;
}

QString textoClave() { return QStringLiteral(";PWD=") + contrasenaBase(); }

QString contrasenaDeConexion(const QString& conexion)
{
    static const QString marca = QStringLiteral("PWD=");
    const int inicio = conexion.indexOf(marca, 0, Qt::CaseInsensitive);
    if (inicio < 0)
        return QString();
    const int desde = inicio + marca.size();
    const int fin = conexion.indexOf(QLatin1Char(';'), desde);
    return conexion.mid(desde, fin < 0 ? -1 : fin - desde);
}

}  // namespace veluma
