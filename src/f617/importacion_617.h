#pragma once

#include "core/clave_ddjj.h"
#include "intercambio/importador.h"

#include <QHash>
#include <optional>

namespace veluma {

// The billing by concept of Form 617 licences from a file: each line names
// its licence by razón social (and service type, when two share the name),
// or goes to the licence of the screen it is imported from.
class ImportadorConceptos617 : public Importador {
public:
    ImportadorConceptos617(Database& base, const ClaveDDJJ& clave, std::optional<qint64> licencia = {});

    QString titulo() const override { return QStringLiteral("Ingreso de Conceptos"); }
    QString seccion() const override { return QStringLiteral("Conceptos617"); }
    std::vector<CampoImportacion> campos() const override;
    LineaLeida leer(const QStringList& valores) const override;
    QString textoRepetida() const override;

protected:
    QString destinoDeFila() const override;
    std::vector<QVariant> valoresDeLaDeclaracion() const override;

private:
    struct Licencia {
        qint64 codigo = 0;
        int tipoServicio = 0;
        QString razonSocial;
    };
    QString problemaDeLicencia(const QString& nombre, const QString& tipo, qint64& codigo) const;

    ClaveDDJJ clave_;
    std::optional<qint64> licencia_;
    QHash<QString, std::vector<Licencia>> licenciasPorNombre_;  // by razón social as compared
    QHash<qint64, QString> nombres_;
    QHash<qint64, int> tipoDe_;
    QHash<qint64, QString> catalogo_;
};

}  // namespace veluma
