#include "f708/interfaz_708.h"

#include "core/numeros.h"
#include "core/sesion.h"
#include "declarations/contribuyente.h"
#include "f708/clave_708.h"
#include "f708/impuesto_determinado.h"
#include "f708/pago_cuenta.h"
#include "f708/salas.h"
#include "f708/saldos.h"
#include "generation/codificacion.h"
#include "generation/escritor_registros.h"
#include "generation/generar_disquete.h"

#include <functional>

namespace veluma {

namespace {

const QString kFinDeMotivo = QStringLiteral("\r\n");

// N(largo, decimales): digits only, zeros on the left.
QString numerico(double valor, int largo, int decimales)
{
    QVariant campo(valor);
    return FormatearCampo(campo, largo, decimales);
}

// T(largo): the text blank-padded on the right.
QString texto(const QString& valor, int largo)
{
    QVariant campo(valor);
    return FormatearCampo(campo, 0, largo);
}

QString sinImpuestoDeterminado()
{
    // The line feed before the carriage return is how this reason has always ended.
    return QStringLiteral("No tiene ingresado Impuesto Determinado.\n\r");
}

struct SalaConImpuesto {
    QString codigoINCAA;
    qint32 codSala = 0;
    int semana = 0;
};

// The rooms that have ticket lines, by room code; with `porSemana` one entry
// per room and week.
std::vector<SalaConImpuesto> salasConImpuesto(Database& base, const ClaveDDJJ& clave, bool porSemana)
{
    const QString semana = porSemana ? QStringLiteral(", I.NRO_SEMANA") : QString();
    Statement consulta =
        base.prepare(QStringLiteral("SELECT DISTINCT S.COD_INCAA, S.COD_SALA%1 "
                                    "FROM [708ImpuestoDeterminado] AS I INNER JOIN [708Salas] AS S "
                                    "ON I.SECUENCIA = S.SECUENCIA AND I.PERIODO = S.PERIODO AND I.CUIT = S.CUIT "
                                    "AND I.COD_SALA = S.COD_SALA "
                                    "WHERE I.CUIT=? AND I.PERIODO=? AND I.SECUENCIA=? ORDER BY S.COD_SALA%1")
                         .arg(semana));
    ligarClave(consulta, clave);
    std::vector<SalaConImpuesto> salas;
    while (consulta.next())
        salas.push_back({consulta.text(0).value_or(QString()), qint32(consulta.integer(1).value_or(0)),
                         porSemana ? int(consulta.integer(2).value_or(0)) : 0});
    return salas;
}

QString versionDelArchivo()
{
    const Version version = versionDelPrograma();
    return QStringLiteral("%1%2%3")
        .arg(version.mayor, 2, 10, QLatin1Char('0'))
        .arg(version.menor, 2, 10, QLatin1Char('0'))
        .arg(version.revision, 3, 10, QLatin1Char('0'));
}

}  // namespace

cls708Interfaz::cls708Interfaz(Sesion& sesion, double saldoPendiente)
    : sesion_(sesion), clave_{sesion.cuit, sesion.periodo, sesion.secuencia, sesion.formulario},
      saldoPendiente_(saldoPendiente)
{
}

double saldoParaGeneracion(Sesion& sesion, double alicuota)
{
    const ClaveDDJJ clave{sesion.cuit, sesion.periodo, sesion.secuencia, sesion.formulario};
    return calcularSaldos708(sesion.base, clave, alicuota).saldoPendiente;
}

void cls708Interfaz::registrar()
{
    clsGenerarDisquete::registrarConstructorRegistros(708, [](Sesion& sesion) -> std::unique_ptr<InterfazRegistros> {
        const ClaveDDJJ clave{sesion.cuit, sesion.periodo, sesion.secuencia, sesion.formulario};
        const double alicuota = clsDDJJ::ObtenerAlicuota(sesion.base, clave);
        return std::make_unique<cls708Interfaz>(sesion, saldoParaGeneracion(sesion, alicuota));
    });
}

bool cls708Interfaz::GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes)
{
    EscritorRegistros salida(sesion_.instalacion, ArchivoTMP);

    using Generador = bool (cls708Interfaz::*)(EscritorRegistros&);
    const std::pair<const char*, Generador> registros[] = {
        {"01", &cls708Interfaz::GenerarRegistro1},  {"02", &cls708Interfaz::GenerarRegistro2},
        {"03", &cls708Interfaz::GenerarRegistro3},  {"04", &cls708Interfaz::GenerarRegistro4},
        {"05", &cls708Interfaz::GenerarRegistro5},  {"06", &cls708Interfaz::GenerarRegistro6},
        {"07", &cls708Interfaz::GenerarRegistro7},  {"20", &cls708Interfaz::GenerarRegistro20},
        {"99", &cls708Interfaz::GenerarRegistro99},
    };
    bool generado = salida.motivo().isEmpty();
    try {
        leerDatosComunes();
    } catch (const Error& error) {
        salida.anotarMotivo(error.descripcion() + QStringLiteral(" en el registro 01") + kFinDeMotivo);
        generado = false;
    }
    for (const auto& [tipo, generar] : registros) {
        if (!generado)
            break;
        try {
            generado = std::invoke(generar, this, salida);
        } catch (const Error& error) {
            salida.anotarMotivo(error.descripcion() + QStringLiteral(" en el registro ") + QLatin1String(tipo)
                                + kFinDeMotivo);
            generado = false;
        }
    }
    if (generado)
        generado = salida.cerrar();
    if (!generado) {
        informarFalloGeneracion(mensajes, salida.motivo());
        return false;
    }
    const QString cuit11 = [&] {
        QVariant cuit(sesion_.cuit);
        return FormatearCuit(cuit, 0);
    }();
    ArchivoSalidaDKT = NroVerificador + QStringLiteral("F0708.dat");
    ArchivoSalidaCD = NroVerificador + QStringLiteral("F0708") + cuit11
                      + QStringLiteral("%1").arg(sesion_.periodo, 6, 10, QLatin1Char('0'))
                      + QStringLiteral("%1").arg(sesion_.secuencia, 2, 10, QLatin1Char('0')) + QStringLiteral(".dat");
    CantidadRegistros = salida.cantidad();
    return true;
}

void cls708Interfaz::leerDatosComunes()
{
    alicuota_ = clsDDJJ::ObtenerAlicuota(sesion_.base, clave_);
    pagos_ = cls708PagoCuenta::GetPagoInterfaz(sesion_.base, clave_);
    clsContribuyente contribuyente(sesion_.instalacion, sesion_.clave);
    contribuyente.Inicializar(sesion_.cuit);
    actividad_ = contribuyente.codactiv();
    domicilioSAD_ = contribuyente.DomicilioSAD();
}

bool cls708Interfaz::GenerarRegistro1(EscritorRegistros& salida)
{
    QVariant cuit(sesion_.cuit);
    const QString periodo = QString::number(sesion_.periodo);
    NroVerificador = numeroVerificacion708(sesion_.base, clave_, saldoPendiente_);

    const QString registro = QStringLiteral("01") + FormatearCuit(cuit, 0) + QStringLiteral("00")
                             + QStringLiteral("304") + QStringLiteral("019") + periodo.left(4) + periodo.right(2)
                             + QStringLiteral("00") + QString::number(sesion_.secuencia) + QStringLiteral("0000000")
                             + formatearNumero(Val(actividad_), QStringLiteral("000000")) + NroVerificador
                             + QStringLiteral("0000") + QStringLiteral("00100") + QStringLiteral("0708")
                             + horaDeclaracion(sesion_.base, clave_) + texto(QStringLiteral("DJ SIN PLAN"), 25)
                             + QStringLiteral("00000") + versionDelArchivo();
    return salida.agregar(registro, 105);
}

bool cls708Interfaz::GenerarRegistro2(EscritorRegistros& salida)
{
    const std::vector<Sala> salas =
        cls708Salas::GetAll(sesion_.base, clave_, QStringLiteral("denominacion_sala"), QStringLiteral("ASC"));
    if (salas.empty()) {
        salida.anotarMotivo(QStringLiteral("No tiene Salas ingresadas.") + kFinDeMotivo);
        return false;
    }
    for (const Sala& sala : salas) {
        if (!salida.agregar(QStringLiteral("02") + texto(sala.codigoINCAA, 6) + texto(sala.denominacion, 40)
                                + texto(sala.domicilio, 40),
                            88))
            return false;
    }
    return true;
}

bool cls708Interfaz::GenerarRegistro3(EscritorRegistros& salida)
{
    const std::vector<LineaInterfaz> lineas = cls708ImpuestoDeterminado::GetAllInterfaz(sesion_.base, clave_);
    if (lineas.empty()) {
        salida.anotarMotivo(sinImpuestoDeterminado());
        return false;
    }
    for (const LineaInterfaz& linea : lineas) {
        const double precioBasico = cls708ImpuestoDeterminado::PrecioBasico(linea.precioVenta, alicuota_);
        const double impuesto = cls708ImpuestoDeterminado::impuestodeterminado(precioBasico, linea.entradas, alicuota_);
        if (!salida.agregar(QStringLiteral("03") + texto(linea.codigoINCAA, 6) + QString::number(linea.nroSemana)
                                + numerico(linea.precioVenta, 15, 2) + numerico(linea.entradas, 6, 0)
                                + numerico(precioBasico, 15, 4) + numerico(impuesto, 15, 2),
                            60))
            return false;
    }
    return true;
}

bool cls708Interfaz::GenerarRegistro4(EscritorRegistros& salida)
{
    if (!pagos_)
        return true;
    for (std::size_t semana = 0; semana < pagos_->size(); ++semana) {
        if ((*pagos_)[semana] == 0)
            continue;
        if (!salida.agregar(QStringLiteral("04") + QString::number(semana + 1) + numerico((*pagos_)[semana], 15, 2), 18))
            return false;
    }
    return true;
}

bool cls708Interfaz::GenerarRegistro5(EscritorRegistros& salida) { return escribirImpuestoDeSalas(salida, true); }

bool cls708Interfaz::GenerarRegistro6(EscritorRegistros& salida) { return escribirImpuestoDeSalas(salida, false); }

bool cls708Interfaz::escribirImpuestoDeSalas(EscritorRegistros& salida, bool porSemana)
{
    const std::vector<SalaConImpuesto> salas = salasConImpuesto(sesion_.base, clave_, porSemana);
    if (salas.empty()) {
        salida.anotarMotivo(sinImpuestoDeterminado());
        return false;
    }
    for (const SalaConImpuesto& sala : salas) {
        const QString incaa = texto(sala.codigoINCAA, 6);
        QString registro;
        int largo = 0;
        if (porSemana) {
            const double total = cls708ImpuestoDeterminado::TotalImpuestoSemana(sesion_.base, clave_, sala.semana,
                                                                                sala.codSala, alicuota_);
            registro = QStringLiteral("05") + incaa + QString::number(sala.semana) + numerico(total, 15, 2);
            largo = 24;
        } else {
            const double total =
                cls708ImpuestoDeterminado::TotalImpuestoMes(sesion_.base, clave_, sala.codSala, alicuota_);
            registro = QStringLiteral("06") + incaa + numerico(total, 15, 2);
            largo = 23;
        }
        if (!salida.agregar(registro, largo))
            return false;
    }
    return true;
}

bool cls708Interfaz::GenerarRegistro7(EscritorRegistros& salida)
{
    const Saldos708 saldos = calcularSaldos708(sesion_.base, clave_, alicuota_);
    const std::array<double, 4> semanas = pagos_.value_or(std::array<double, 4>{});
    QString registro = QStringLiteral("07") + numerico(saldos.impuestoDeclarado, 15, 2)
                       + numerico(saldos.pagosCuenta, 15, 2) + numerico(saldos.saldoPendiente, 15, 2);
    for (double semana : semanas)
        registro += numerico(semana, 15, 2);
    registro += numerico(alicuota_, 5, 2);
    return salida.agregar(registro, 112);
}

bool cls708Interfaz::GenerarRegistro20(EscritorRegistros& salida)
{
    return salida.agregar(QStringLiteral("20") + domicilioSAD_, 149);
}

bool cls708Interfaz::GenerarRegistro99(EscritorRegistros& salida)
{
    // What the balance box shows: the balance when positive, else 0.
    const double saldoMostrado = saldoPendiente_ > 0 ? saldoPendiente_ : 0;
    return salida.agregarUltimo(QStringLiteral("99") + QStringLiteral("304") + numerico(saldoMostrado, 15, 2), 20);
}

}  // namespace veluma
