#pragma once

#include "f617/detalle_617.h"
#include "f617/total_a_pagar_617.h"
#include "generation/interfaz_registros.h"

#include <vector>

namespace veluma {

class EscritorRegistros;
class Liquidacion617;
struct Sesion;

// Writes the F0617 submission records of a settled declaration: 01 header,
// 02 partners, 03 each licence with its legal detail, 04 billing by concept,
// 05 billing totals and 06 tax of each licence, 07 declaration totals,
// 20 fiscal address, 99 closing record. The settlement must outlive the
// builder.
class cls617Interfaz : public InterfazRegistros {
public:
    cls617Interfaz(Sesion& sesion, const Liquidacion617& liquidacion);

    bool GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes) override;

private:
    // A licence that has its detail row: only these are written in 03, 05 and 06.
    struct LicenciaConDetalle {
        qint64 codigo = 0;
        QString razonSocial;
        QString domicilio;
        int tipoServicio = 0;
        QDate inicio;
        cls617DetalleLicencias detalle;
    };

    bool GenerarRegistro1(EscritorRegistros& salida);
    bool GenerarRegistro2(EscritorRegistros& salida);
    bool GenerarRegistro3(EscritorRegistros& salida);
    bool GenerarRegistro4(EscritorRegistros& salida);
    bool GenerarRegistro5(EscritorRegistros& salida);
    bool GenerarRegistro6(EscritorRegistros& salida);
    bool GenerarRegistro7(EscritorRegistros& salida);
    bool GenerarRegistro20(EscritorRegistros& salida);
    bool GenerarRegistro99(EscritorRegistros& salida);

    // The settled figures of a licence; a licence without concepts has none
    // and is read with its totals row.
    LicenciaLiquidada liquidada(const LicenciaConDetalle& licencia) const;
    // Fails the record with the reason that its data are missing.
    static bool faltan(EscritorRegistros& salida, const QString& motivo);

    Sesion& sesion_;
    const Liquidacion617& liquidacion_;
    std::vector<LicenciaConDetalle> licencias_;  // read by record 03
    std::vector<LicenciaLiquidada> cifras_;      // theirs, worked out once by record 05
};

}  // namespace veluma
