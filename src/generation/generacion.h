#pragma once

#include <QString>

namespace veluma {

class Instalacion;

// Assembles and encodes the submission file in the work folder. Every file
// name given is a bare name inside that folder.
class ccGeneracion {
public:
    explicit ccGeneracion(const Instalacion& instalacion);

    // "HEAD10 vv nn rrrrrr": 19 characters, the line feed not included.
    static QString Cabecera(int volumenes, int volumen, qint32 registros);

    // `cabecera` + line feed, then every byte of `origen`, into `destino`.
    // Throws Error when a file cannot be read or written whole.
    void AgregarCabecera(const QString& origen, const QString& cabecera, const QString& destino) const;
    void ArmoArchivo(const QString& origen, const QString& destino, qint32 registros) const;

    // Runs the encoder installed beside the program on `origen`, producing
    // `destino`. True only when the encoder ended well and wrote `destino`.
    bool EncriptoArchivo(const QString& origen, const QString& destino) const;

    // Runs a program without a window and waits for it while the screens keep
    // being painted. The exit code; -1 when it could not start or crashed.
    static int ExecCmdNoFocus(const QString& programa, const QStringList& argumentos);

    // `origen` without its first header line into `destino`, then deletes `origen`.
    void SacoCabeceraAuxiliar(const QString& origen, const QString& destino, qint32 registros) const;

    const QString& directorio() const { return directorio_; }
    QString ruta(const QString& nombre) const { return directorio_ + nombre; }

private:
    QString directorio_;       // the work folder, with its trailing separator
    QString codificador_;
};

}  // namespace veluma
