#pragma once

#include "generation/medios.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace veluma::test {

// Drives made of folders of a temporary folder, for copies that need
// diskettes. Each drive holds one medium at a time, a folder of its own whose
// free space is the drive's capacity less the size of the files in it; a
// fresh medium put in is another folder, as a new stick is mounted at
// another place. Files are written there by the code under test as on any
// volume. Letters are given in the order drives are added: add the removable
// ones first.
class UnidadesSimuladas : public veluma::Unidades {
public:
    // A drive with an empty, writable medium in; its letter.
    QChar agregar(const QString& nombre, qint64 capacidad, bool extraible = true);

    // Takes the medium out and puts a fresh empty one in; the new root.
    QString cambiarMedio(QChar letra);
    // The roots of every medium the drive has held, in order.
    QStringList medios(QChar letra) const;

    void protegerContraEscritura(QChar letra, bool protegido = true);
    // The drive stays, empty: nothing can be read or written until a medium is put back.
    void quitarMedio(QChar letra);
    void ponerMedio(QChar letra);
    // The volume is gone with its files, as a stick pulled out.
    void desaparecer(QChar letra);

    QList<veluma::Unidad> lista() const override;
    std::optional<qint64> espacioLibre(QChar letra) const override;
    int probar(QChar letra) const override;

private:
    struct Disco {
        QChar letra;
        QString nombre;
        qint64 capacidad = 0;
        bool extraible = true;
        bool protegido = false;
        bool conMedio = true;
        bool presente = true;
        QStringList medios;  // the last one is in the drive
    };

    Disco* disco(QChar letra);  // throws for a letter never added
    const Disco* discoSiHay(QChar letra) const;
    QString nuevoMedio(const Disco& disco) const;

    QTemporaryDir carpeta_;
    QList<Disco> discos_;
};

}  // namespace veluma::test
