#pragma once

#include <QChar>
#include <QString>
#include <optional>

class QFile;

namespace veluma {

class AvisoDeAvance;
class Mensajes;
class Unidades;

// The text shown for a disk error number; an unknown N gives "N: Error de grabación.".
QString MensajeErrorDisco(int numero);

// True when the drive has at least `bytes` free; false too when its free
// space cannot be read.
bool EspacioDisponible(const Unidades& unidades, QChar letra, qint64 bytes);

// Splits a file over as many removable volumes as it needs, asking the user
// for each one in turn. Every volume gets a header line "HEAD10 vv nn rrrrrr"
// (this volume, volumes, records) and then the next piece of the file, so the
// pieces without their headers, in order, are the file again.
class CopiaDisquetes {
public:
    CopiaDisquetes(const Unidades& unidades, Mensajes& mensajes, AvisoDeAvance& avance);

    // Asks for volume `volumen` of `volumenes` in drive `letra`, then waits
    // until the drive takes `bytesNecesarios` bytes, the user saying Retry or
    // Cancel at every problem. The path `nombreDestino` will have there;
    // nothing when the user gave up. The path is looked up once the volume is
    // in, since each medium plugged in is mounted at a place of its own.
    std::optional<QString> fDiscoListo(QChar letra, const QString& nombreDestino, qint64 bytesNecesarios, int volumen,
                                       int volumenes);

    // Copies `origen` as `nombreDestino` onto volumes of `capacidad` bytes in
    // drive `letra`. True when the copy did not end: the user cancelled, or a
    // volume failed (the user is told, and the piece written there removed).
    // Throws Error, before anything is asked, when the file needs more than
    // 99 volumes or `registros` does not fit the header.
    bool MVolCopy(const QString& origen, const QString& nombreDestino, QChar letra, qint64 capacidad, qint32 registros);

private:
    QString rutaEnUnidad(QChar letra, const QString& nombre) const;
    bool reemplazarSiExiste(const QString& ruta);
    int grabarVolumen(QFile& fuente, const QString& ruta, QChar letra, const QString& nombre,
                      const QByteArray& cabecera, qint64 datos);
    int estadoDelVolumen(QChar letra, const QString& nombre, const QString& ruta) const;
    void informar();
    bool cancelar();

    const Unidades& unidades_;
    Mensajes& mensajes_;
    AvisoDeAvance& avance_;
    qint64 copiados_ = 0;
    qint64 total_ = 0;
};

}  // namespace veluma
