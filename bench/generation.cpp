// Times the generation of a Form 708 file on declarations of growing size in
// a temporary installation (rooms with 4 weeks of 25 prices each), against
// the work it cannot avoid: one SELECT of the same ticket lines. Prints, per
// size, the milliseconds of the SELECT, of the settlement (one read of the
// declaration and every figure), of the record builder, of encoding the file
// for a CD (dkwin), and the ratio of settlement plus builder to the SELECT;
// the time per 1,000 lines shows whether each step grows linearly.
// Then the same for Form 618: a month of 31 days of sales and of rentals,
// among a year of declarations of the same institute. Then Form 617: a
// declaration of 200 licences, each with its detail, every concept of the
// catalogue and its totals, against one SELECT of its concept rows.
// Usage: bench_generation [repetitions]

#include "core/arranque.h"
#include "core/clave.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "core/transaction.h"
#include "declarations/contribuyente.h"
#include "declarations/ddjj.h"
#include "f617/interfaz_617.h"
#include "f617/licencias_617.h"
#include "f617/liquidacion_617.h"
#include "f617/socios_617.h"
#include "f618/ingresos_618.h"
#include "f618/interfaz_618.h"
#include "f618/liquidacion_618.h"
#include "f618/percepciones_618.h"
#include "f708/impuesto_determinado.h"
#include "f708/interfaz_708.h"
#include "f708/liquidacion_708.h"
#include "formularios_instalados.h"
#include "generation/confirmacion_generacion.h"
#include "generation/datos_generacion.h"
#include "generation/generacion.h"
#include "instalacion_demo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace veluma;

namespace {

constexpr int kSemanas = 4;
constexpr int kPreciosPorSemana = 25;

void exigir(const QString& problema)
{
    if (!problema.isEmpty())
        throw Error(1, problema);
}

// The session's declaration with `salas` rooms; the ticket lines in one
// transaction, as a bulk entry would store them.
void cargarDeclaracion(Sesion& sesion, int salas)
{
    const ClaveDDJJ& clave = sesion.declaracion;
    clsDDJJ ddjj;
    ddjj.Cuit = clave.cuit;
    ddjj.Periodo = clave.periodo;
    ddjj.Formulario = 708;
    ddjj.campo1 = clave.campo1;
    ddjj.hora = QDateTime(QDate(2004, 4, 12), QTime(14, 35, 20));
    exigir(ddjj.Agregar(sesion.base));
    std::vector<qint32> codigos;
    for (int numero = 1; numero <= salas; ++numero) {
        cls708Salas sala;
        sala.Cuit = clave.cuit;
        sala.Periodo = clave.periodo;
        sala.Denominacion = QStringLiteral("Sala %1").arg(numero);
        sala.Domicilio = QStringLiteral("Lavalle %1").arg(800 + numero);
        sala.CodigoINCAA = QString::number(100000 + numero);
        exigir(sala.Agregar(sesion.base));
        codigos.push_back(sala.codigo);
    }
    Transaction lote(sesion.base);
    for (int numero = 1; numero <= salas; ++numero) {
        cls708ImpuestoDeterminado linea;
        linea.Cuit = clave.cuit;
        linea.Periodo = clave.periodo;
        linea.CodSala = codigos[std::size_t(numero - 1)];
        for (int semana = 1; semana <= kSemanas; ++semana) {
            linea.NroSemana = qint16(semana);
            for (int precio = 1; precio <= kPreciosPorSemana; ++precio) {
                linea.PrecioVenta = 4.5 + precio * 0.75;
                linea.EntradasVendidas = 10 + (numero * 7 + semana * 3 + precio) % 90;
                exigir(linea.Agregar(sesion.base));
            }
        }
    }
    lote.commit();
}

// The lines of the declaration, read and nothing more.
double leerLineas(Sesion& sesion)
{
    Statement consulta = sesion.base.prepare(QStringLiteral(
        "SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
        "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? ORDER BY COD_SALA, NRO_SEMANA, PRECIO_VENTA"));
    ligarClave(consulta, sesion.declaracion);
    double suma = 0;
    while (consulta.next())
        suma += double(consulta.integer(0).value_or(0) + consulta.integer(1).value_or(0))
                + consulta.real(2).value_or(0) + double(consulta.integer(3).value_or(0));
    return suma;
}

// A year of Form 618 declarations: every day of each month, of both kinds,
// and the perceptions, each stored as its screen stores it.
void cargarAnio618(Sesion& sesion, int anio)
{
    for (int mes = 1; mes <= 12; ++mes) {
        sesion.declaracion = {sesion.cuit, anio * 100 + mes, 0, 618, QStringLiteral("INST-01")};
        clsDDJJ ddjj;
        ddjj.Cuit = sesion.cuit;
        ddjj.Periodo = sesion.declaracion.periodo;
        ddjj.Formulario = 618;
        ddjj.campo1 = sesion.declaracion.campo1;
        ddjj.hora = QDateTime(QDate(anio, mes, 1), QTime(9, 30, 0));
        exigir(ddjj.Agregar(sesion.base));
        const int dias = ultimoDiaDelPeriodo(sesion.declaracion.periodo);
        for (int tipo : {kIngresoVentas, kIngresoAlquiler})
            for (int dia = 1; dia <= dias; ++dia) {
                cls618Ingresos ingreso;
                ingreso.Dia = dia;
                ingreso.NetoCobrado = 1000 + dia * 12.35 + tipo;
                ingreso.TotalCobrado = ingreso.NetoCobrado * 1.21;
                ingreso.AgregarIngresos(sesion.base, sesion.declaracion, tipo);
            }
        cls618TotalPercepciones percepciones;
        percepciones.VideogramasV = 120 + mes;
        percepciones.VideogramasA = 80 + mes;
        percepciones.TasaV = 10;
        percepciones.TasaA = 12.5;
        percepciones.AgregarDatos(sesion.base, sesion.declaracion);
    }
}

// A television declaration of `licencias` licences, each stored as its screens store it.
void cargarDeclaracion617(Sesion& sesion, int licencias)
{
    clsDDJJ ddjj;
    ddjj.Cuit = sesion.cuit;
    ddjj.Periodo = sesion.declaracion.periodo;
    ddjj.Formulario = 617;
    ddjj.campo1 = sesion.declaracion.campo1;
    ddjj.hora = QDateTime(QDate(2005, 6, 3), QTime(11, 5, 0));
    exigir(ddjj.Agregar(sesion.base));
    for (int numero = 1; numero <= 2; ++numero) {
        cls617CompSocietaria socio;
        socio.clave = sesion.declaracion;
        socio.NombreApellido = QStringLiteral("Socio %1").arg(numero);
        socio.CuitSocio = numero == 1 ? QStringLiteral("20-12345678-6") : QStringLiteral("27-23456789-1");
        socio.Porcentaje = 50;
        socio.GuardarSocio(sesion.base, true);
    }
    const std::vector<ConceptoCatalogo> conceptos = cls617LicIngresoConceptos::Catalogo(sesion.base);
    for (int numero = 1; numero <= licencias; ++numero) {
        cls617Licencias licencia;
        licencia.clave = sesion.declaracion;
        licencia.ApellidoNombre = QStringLiteral("Licencia %1").arg(numero);
        licencia.Domicilio = QStringLiteral("Av. de Mayo %1").arg(numero);
        licencia.TipoServicio = 1 + numero % 5;
        licencia.InicioActividades = QDate(2001, 5, 1);
        licencia.GuardarLicencia(sesion.base, true);
        licencia.Detalle.actos[0] = {double(1000 + numero), QDate(1999, 3, 15)};
        licencia.Detalle.GuardarDatos(sesion.base, licencia.clave, licencia.CodigoLicencia);
        for (const ConceptoCatalogo& concepto : conceptos) {
            const cls617LicIngresoConceptos fila{concepto.codigo, 1000 + numero * 3.25 + double(concepto.codigo)};
            if (fila.GuardarConcepto(sesion.base, licencia.clave, licencia.CodigoLicencia, true)
                != cls617LicIngresoConceptos::Guardado::Hecho)
                throw Error(1, QStringLiteral("No se guardó el concepto %1").arg(concepto.codigo));
        }
        cls617LicTotalLicencias totales;
        totales.DescuentosBonificaciones = numero;
        totales.GuardarDatos(sesion.base, licencia.clave, licencia.CodigoLicencia);
    }
}

template <class F>
double medianaMs(int repeticiones, F&& trabajo)
{
    std::vector<double> tiempos;
    for (int vez = 0; vez < repeticiones; ++vez) {
        QElapsedTimer reloj;
        reloj.start();
        trabajo();
        tiempos.push_back(double(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(tiempos.begin(), tiempos.end());
    return tiempos[tiempos.size() / 2];
}

// The steps of one generation of the session's declaration, settled with
// `L` and written with `I`: milliseconds of each, medians of `repeticiones`.
struct Medicion {
    double liquidar = 0;
    double escribir = 0;
    double codificar = 0;
    qint32 registros = 0;
};

template <class L, class I>
Medicion medirGeneracion(Sesion& sesion, Mensajes& mensajes, int repeticiones)
{
    Medicion medicion;
    L liquidacion;
    medicion.liquidar = medianaMs(repeticiones, [&] { liquidacion = L::calcular(sesion.base, sesion.declaracion); });
    DatosGeneracion datos;
    medicion.escribir = medianaMs(repeticiones, [&] {
        I interfaz(sesion, liquidacion);
        if (!interfaz.GenerarDisquete(kArchivoRegistros, mensajes))
            std::exit(1);
        datos.ArchivoTMP = kArchivoRegistros;
        datos.cantReg = interfaz.CantidadRegistros;
    });
    const ccGeneracion generacion(sesion.instalacion);
    medicion.codificar = medianaMs(repeticiones, [&] {
        if (!PrepararArchivo(generacion, datos, DestinoGeneracion::CD, mensajes))
            std::exit(1);
    });
    medicion.registros = datos.cantReg;
    return medicion;
}

// One line of figures against the SELECT of the same rows.
void imprimirMedicion(const char* titulo, const char* seleccionada, double seleccion, const Medicion& m,
                      int repeticiones)
{
    std::printf("\n%s (%d registros): mediana de %d repeticiones, ms\n", titulo, m.registros, repeticiones);
    std::printf(
        "  SELECT de %s %.2f; liquidación %.2f; registros %.2f; dkwin (CD) %.1f; liq.+registros ÷ SELECT "
        "%.1f×\n",
        seleccionada, seleccion, m.liquidar, m.escribir, m.codificar, (m.liquidar + m.escribir) / seleccion);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacion(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    registrarFormularios();

    QTemporaryDir carpeta;
    demo::crearBasesAnfitrion(carpeta.path());
    const Instalacion instalacion = demo::instalacionDemo(carpeta.path());
    demo::copiarArchivos(QStringLiteral(VELUMA_PROGRAMA_DIR), instalacion,
                         {NombreBaseAuxiliar(instalacion.version()), instalacion.nombreCodificador()});

    MensajesConsola mensajes;
    Sesion sesion(instalacion);
    sesion.cuit = demo::contribuyentesDemo().first().cuit;
    sesion.clave = textoClave();
    abrirBaseDeTrabajo(sesion, mensajes);
    cargarContribuyente(sesion);

    std::printf("Generación del F.708: mediana de %d repeticiones; ms y, entre paréntesis, ms por 1.000 líneas\n",
                repeticiones);
    std::printf("  %7s %15s %15s %15s %15s %15s %11s\n", "líneas", "SELECT", "liquidación", "registros",
                "liq.+registros", "dkwin (CD)", "÷ SELECT");
    int periodo = 200401;
    for (const int salas : {50, 125, 250, 500}) {
        sesion.declaracion = {sesion.cuit, periodo++, 0, 708, QStringLiteral("10")};
        cargarDeclaracion(sesion, salas);
        const double lineas = salas * kSemanas * kPreciosPorSemana;
        const auto porMil = [&](double ms) { return ms * 1000 / lineas; };

        const double seleccion = medianaMs(repeticiones, [&] { leerLineas(sesion); });
        const Medicion m = medirGeneracion<Liquidacion708, cls708Interfaz>(sesion, mensajes, repeticiones);
        std::printf("  %7.0f %7.1f (%5.2f) %7.1f (%5.2f) %7.1f (%5.2f) %7.1f (%5.2f) %7.1f (%5.2f) %10.1f×\n", lineas,
                    seleccion, porMil(seleccion), m.liquidar, porMil(m.liquidar), m.escribir, porMil(m.escribir),
                    m.liquidar + m.escribir, porMil(m.liquidar + m.escribir), m.codificar, porMil(m.codificar),
                    (m.liquidar + m.escribir) / seleccion);
    }

    cargarAnio618(sesion, 2005);
    sesion.declaracion = {sesion.cuit, 200501, 0, 618, QStringLiteral("INST-01")};
    const double dias =
        medianaMs(repeticiones, [&] { cls618Ingresos::GetAllInterfaz(sesion.base, sesion.declaracion); });
    imprimirMedicion("Generación del F.618, 62 días de un año de declaraciones", "los días", dias,
                     medirGeneracion<Liquidacion618, cls618Interfaz>(sesion, mensajes, repeticiones), repeticiones);

    sesion.declaracion = {sesion.cuit, 200505, 0, 617, QStringLiteral("306")};
    cargarDeclaracion617(sesion, 200);
    const double conceptos = medianaMs(repeticiones, [&] {
        Statement consulta = sesion.base.prepare(
            QStringLiteral("SELECT CodigoLicencia, Concepto, FacturacionBruta FROM [617LicenciasIngresoConceptos] "
                           "WHERE Cuit=? AND Periodo=? AND Secuencia=? AND ImpServicio=306"));
        ligarClave(consulta, sesion.declaracion);
        while (consulta.next()) {
        }
    });
    imprimirMedicion("Generación del F.617, 200 licencias con todos los conceptos", "los conceptos", conceptos,
                     medirGeneracion<Liquidacion617, cls617Interfaz>(sesion, mensajes, repeticiones), repeticiones);
    sesion.base.close();
    return 0;
}
