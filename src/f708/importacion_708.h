#pragma once

#include "core/clave_ddjj.h"
#include "f708/salas.h"
#include "intercambio/importador.h"

#include <QHash>
#include <optional>

namespace veluma {

// A room and week of the declaration.
struct SalaYSemana {
    qint32 sala = 0;
    int semana = 0;
};

// The ticket lines of a Form 708 declaration from a file: each line names
// its room by INCAA code and its week, or goes to the room and week of the
// screen it is imported from.
class ImportadorEntradas708 : public Importador {
public:
    ImportadorEntradas708(Database& base, const ClaveDDJJ& clave, std::optional<SalaYSemana> destino = {});

    QString titulo() const override;
    QString seccion() const override { return QStringLiteral("Entradas708"); }
    std::vector<CampoImportacion> campos() const override;
    LineaLeida leer(const QStringList& valores) const override;
    QString textoRepetida() const override;

protected:
    QString destinoDeFila() const override;
    std::vector<QVariant> valoresDeLaDeclaracion() const override;

private:
    ClaveDDJJ clave_;
    std::optional<SalaYSemana> destino_;
    QHash<QString, std::vector<Sala>> salasPorINCAA_;  // by INCAA code without leading zeros
    QHash<qint32, QString> nombres_;                   // "name (INCAA code)" by room code
};

}  // namespace veluma
