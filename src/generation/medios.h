#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <optional>

namespace veluma {

// What probing a drive answers: ready, or the number of the disk error the
// user is told about (MensajeErrorDisco).
inline constexpr int kDiscoListo = 0;
inline constexpr int kDiscoSinMedio = 71;  // 52 means the same
inline constexpr int kDiscoProtegido = 70;
inline constexpr int kDiscoNoDisponible = 68;
inline constexpr int kDiscoDefectuoso = 57;
inline constexpr int kDiscoSinEspacio = 61;

// A mounted volume as the user picks it, under a drive letter.
struct Unidad {
    QChar letra;  // 'a', 'b', 'c'…
    QString etiqueta;  // "a: [USB DISK] /media/usuario/USB"
    QString raiz;  // the mount point, without a trailing separator ("/" stays "/")
    QString dispositivo;  // "/dev/sdb1"; empty when unknown
    bool extraible = false;
};

// The volumes a submission file can be written on. Files on a volume are read
// and written as ordinary files under its root; only what the file system
// cannot tell by itself (which volume is which drive, whether a medium is in)
// goes through here.
class Unidades {
public:
    virtual ~Unidades() = default;

    // Every volume, the removable ones first, lettered in that order from 'a'.
    // Letters are given afresh on every call: the drive "a:" is whatever
    // removable volume comes first now, as a slot is whatever disk is in it.
    virtual QList<Unidad> lista() const = 0;
    // Free bytes on the drive; nothing when they cannot be read.
    virtual std::optional<qint64> espacioLibre(QChar letra) const = 0;
    // kDiscoListo, or why the drive cannot be written on.
    virtual int probar(QChar letra) const = 0;

    // The removable volumes: the diskette drives.
    QList<Unidad> extraibles() const;
    std::optional<Unidad> buscar(QChar letra) const;
    // The drive's root; empty when there is no such drive.
    QString raiz(QChar letra) const;
};

// The volumes mounted on this computer. Removable means mounted under
// /media/ or /run/media/, where desktops mount the sticks and disks plugged
// in; everything else is a fixed disk. Write-protected means mounted
// read-only.
class UnidadesDelSistema : public Unidades {
public:
    QList<Unidad> lista() const override;
    std::optional<qint64> espacioLibre(QChar letra) const override;
    int probar(QChar letra) const override;
};

// What a copy onto a volume shows while it runs; the screen draws it.
class AvisoDeAvance {
public:
    virtual ~AvisoDeAvance() = default;
    // The progress bar.
    virtual void ponerMaximo(qint64 maximo) = 0;
    virtual void ponerValor(qint64 valor) = 0;
    // The status bar's percentage panel: "45%".
    virtual void ponerEstado(const QString& porcentaje) = 0;
    // The line over the bar: "Porcentaje completado: 45%".
    virtual void ponerEtiqueta(const QString& texto) = 0;
};

// "a: [NAME] /root", or "a: /root" for a volume without a name.
QString etiquetaDeUnidad(QChar letra, const QString& nombre, const QString& raiz);

// The letters of volumes listed removable first, `extraibles` telling which
// are: a: and b: are diskettes to a user of the program, so they name the
// first two removable volumes; the others, the system's disk among them, go
// from c: to z:. Volumes past z: get no letter and are left out.
QList<QChar> letrasDeUnidades(const QList<bool>& extraibles);

}  // namespace veluma
