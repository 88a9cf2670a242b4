#pragma once

#include "core/clave_ddjj.h"
#include "intercambio/importador.h"

#include <optional>

namespace veluma {

// The daily incomes of a Form 618 declaration from a file: each line names
// its kind (sales or rentals) and its day, or goes to the kind of the screen
// it is imported from. The day is a number or the date of a day of the month.
class ImportadorIngresos618 : public Importador {
public:
    ImportadorIngresos618(Database& base, const ClaveDDJJ& clave, std::optional<int> tipoIngreso = {});

    QString titulo() const override;
    QString seccion() const override { return QStringLiteral("Ingresos618"); }
    std::vector<CampoImportacion> campos() const override;
    LineaLeida leer(const QStringList& valores) const override;
    QString textoRepetida() const override;

protected:
    QString destinoDeFila() const override;
    std::vector<QVariant> valoresDeLaDeclaracion() const override;

private:
    ClaveDDJJ clave_;
    std::optional<int> tipoIngreso_;
};

}  // namespace veluma
