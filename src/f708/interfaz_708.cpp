#include "f708/interfaz_708.h"

#include "core/numeros.h"
#include "core/sesion.h"
#include "f708/liquidacion_708.h"
#include "generation/campos_registro.h"
#include "generation/codificacion.h"
#include "generation/escritor_registros.h"

#include <QStringBuilder>
#include <unordered_map>

namespace veluma {

namespace {

const QString kFinDeMotivo = QStringLiteral("\r\n");

// The same field of many records: a month repeats a few prices and ticket
// counts over every room and week, so each value is encoded once.
class CampoRepetido {
public:
    CampoRepetido(int largo, int decimales) : largo_(largo), decimales_(decimales) {}
    const QString& operator()(double valor)
    {
        auto [campo, nuevo] = codificados_.try_emplace(valor);
        if (nuevo)
            campo->second = numerico(valor, largo_, decimales_);
        return campo->second;
    }

private:
    int largo_;
    int decimales_;
    std::unordered_map<double, QString> codificados_;
};

QString sinImpuestoDeterminado()
{
    // The line feed before the carriage return is how this reason has always ended.
    return QStringLiteral("No tiene ingresado Impuesto Determinado.\n\r");
}

// Records 05 and 06: one per room (and week), the room's tax.
bool escribirImpuestoDeSalas(EscritorRegistros& salida, const std::vector<ImpuestoDeSala>& impuestos)
{
    if (impuestos.empty()) {
        salida.anotarMotivo(sinImpuestoDeterminado());
        return false;
    }
    for (const ImpuestoDeSala& sala : impuestos) {
        const bool porSemana = sala.semana != 0;
        const QString registro = (porSemana ? QStringLiteral("05") : QStringLiteral("06")) + texto(sala.codigoINCAA, 6)
                                 + (porSemana ? QString::number(sala.semana) : QString())
                                 + numerico(sala.impuesto, 15, 2);
        if (!salida.agregar(registro, porSemana ? 24 : 23))
            return false;
    }
    return true;
}

}  // namespace

cls708Interfaz::cls708Interfaz(Sesion& sesion, const Liquidacion708& liquidacion)
    : sesion_(sesion), liquidacion_(liquidacion)
{
}

bool cls708Interfaz::GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes)
{
    EscritorRegistros salida(sesion_.instalacion, ArchivoTMP);
    const std::vector<OperacionRegistro> operaciones = {
        operacionDe("01", *this, &cls708Interfaz::GenerarRegistro1),
        operacionDe("02", *this, &cls708Interfaz::GenerarRegistro2),
        operacionDe("03", *this, &cls708Interfaz::GenerarRegistro3),
        operacionDe("04", *this, &cls708Interfaz::GenerarRegistro4),
        operacionDe("05", *this, &cls708Interfaz::GenerarRegistro5),
        operacionDe("06", *this, &cls708Interfaz::GenerarRegistro6),
        operacionDe("07", *this, &cls708Interfaz::GenerarRegistro7),
        operacionDe("20", *this, &cls708Interfaz::GenerarRegistro20),
        operacionDe("99", *this, &cls708Interfaz::GenerarRegistro99),
    };
    if (!generarRegistros(salida, operaciones, kFinDeMotivo, mensajes))
        return false;
    nombrarSalidas(liquidacion_.numeroVerificacion, QStringLiteral("F0708"), liquidacion_.clave, salida.cantidad());
    return true;
}

bool cls708Interfaz::GenerarRegistro1(EscritorRegistros& salida)
{
    return salida.agregar(
        cabeceraDeclaracion(liquidacion_.clave, QStringLiteral("304"), QStringLiteral("0708"),
                            sesion_.contribuyente.actividad, liquidacion_.numeroVerificacion, liquidacion_.hora),
        105);
}

bool cls708Interfaz::GenerarRegistro2(EscritorRegistros& salida)
{
    if (liquidacion_.salas.empty()) {
        salida.anotarMotivo(QStringLiteral("No tiene Salas ingresadas.") + kFinDeMotivo);
        return false;
    }
    for (const Sala& sala : liquidacion_.salas) {
        if (!salida.agregar(QStringLiteral("02") + texto(sala.codigoINCAA, 6) + texto(sala.denominacion, 40)
                                + texto(sala.domicilio, 40),
                            88))
            return false;
    }
    return true;
}

bool cls708Interfaz::GenerarRegistro3(EscritorRegistros& salida)
{
    const std::vector<const LineaLiquidada*> lineas = liquidacion_.lineasPorSemana();
    if (lineas.empty()) {
        salida.anotarMotivo(sinImpuestoDeterminado());
        return false;
    }
    CampoRepetido precio(15, 2), entradas(6, 0), precioBasico(15, 4), impuesto(15, 2);
    for (const LineaLiquidada* linea : lineas) {
        if (!salida.agregar(u"03" % texto(linea->codigoINCAA, 6) % QString::number(linea->nroSemana)
                                % precio(linea->precioVenta) % entradas(linea->entradas)
                                % precioBasico(linea->precioBasico) % impuesto(linea->impuesto),
                            60))
            return false;
    }
    return true;
}

bool cls708Interfaz::GenerarRegistro4(EscritorRegistros& salida)
{
    if (!liquidacion_.pagos)
        return true;
    const std::array<double, 4>& pagos = *liquidacion_.pagos;
    for (std::size_t semana = 0; semana < pagos.size(); ++semana) {
        if (pagos[semana] == 0)
            continue;
        if (!salida.agregar(QStringLiteral("04") + QString::number(semana + 1) + numerico(pagos[semana], 15, 2), 18))
            return false;
    }
    return true;
}

bool cls708Interfaz::GenerarRegistro5(EscritorRegistros& salida)
{
    return escribirImpuestoDeSalas(salida, liquidacion_.porSemana);
}

bool cls708Interfaz::GenerarRegistro6(EscritorRegistros& salida)
{
    return escribirImpuestoDeSalas(salida, liquidacion_.porMes);
}

bool cls708Interfaz::GenerarRegistro7(EscritorRegistros& salida)
{
    QString registro = QStringLiteral("07") + numerico(liquidacion_.impuestoDeclarado, 15, 2)
                       + numerico(liquidacion_.pagosCuenta, 15, 2) + numerico(liquidacion_.saldoPendiente, 15, 2);
    for (double semana : liquidacion_.semanasPagadas())
        registro += numerico(semana, 15, 2);
    registro += numerico(liquidacion_.alicuota, 5, 2);
    return salida.agregar(registro, 112);
}

bool cls708Interfaz::GenerarRegistro20(EscritorRegistros& salida)
{
    return salida.agregar(QStringLiteral("20") + sesion_.contribuyente.domicilioSAD, 149);
}

bool cls708Interfaz::GenerarRegistro99(EscritorRegistros& salida)
{
    return salida.agregarUltimo(QStringLiteral("99") + QStringLiteral("304")
                                    + numerico(liquidacion_.saldoMostrado(), 15, 2),
                                20);
}

}  // namespace veluma
