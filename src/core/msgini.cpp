#include "core/msgini.h"

#include "core/database.h"

namespace veluma {

CMsgIni::CMsgIni(Database& base) : base_(base)
{
    Statement primera = base_.prepare(
        QStringLiteral("SELECT rowid, NombreAplicativo, Mensaje, Activo FROM MsgConfig ORDER BY rowid LIMIT 1"));
    if (!primera.next())
        return;
    configurado_ = true;
    fila_ = primera.integer(0).value_or(0);
    nombreAplicativo_ = primera.text(1).value_or(QString());
    mensaje_ = primera.text(2).value_or(QString());
    activo_ = primera.integer(3).value_or(0) != 0;
}

void CMsgIni::NoMostrarMas()
{
    if (!configurado_)
        return;
    base_.prepare(QStringLiteral("UPDATE MsgConfig SET Activo = 0 WHERE rowid = ?")).bindAll(fila_).run();
    activo_ = false;
}

QString CMsgIni::textoSinConfiguracion()
{
    return QStringLiteral("No se encontró la configuración del aviso de inicio (la tabla MsgConfig de la base "
                          "auxiliar está vacía). El sistema continúa sin mostrar el aviso.");
}

}  // namespace veluma
