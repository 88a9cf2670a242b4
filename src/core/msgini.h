#pragma once

#include <QString>

namespace veluma {

class Database;

// The start-up notice as shipped in the first row of MsgConfig.
class CMsgIni {
public:
    // Reads the first row through the working database, where the table is linked.
    explicit CMsgIni(Database& base);

    // False when MsgConfig holds no row: there is no notice to show.
    bool configurado() const { return configurado_; }
    const QString& NombreAplicativo() const { return nombreAplicativo_; }
    const QString& Mensaje() const { return mensaje_; }
    bool Activo() const { return activo_; }

    // Stops the notice from showing at later start-ups of this version: the
    // first row's Activo becomes false in the auxiliary database.
    void NoMostrarMas();

    static QString textoSinConfiguracion();

private:
    Database& base_;
    bool configurado_ = false;
    qint64 fila_ = 0;
    QString nombreAplicativo_;
    QString mensaje_;
    bool activo_ = false;
};

}  // namespace veluma
