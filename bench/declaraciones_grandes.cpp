#include "declaraciones_grandes.h"

#include "core/arranque.h"
#include "core/clave.h"
#include "core/error.h"
#include "core/transaction.h"
#include "declarations/contribuyente.h"
#include "declarations/ddjj.h"
#include "f617/licencias_617.h"
#include "f617/socios_617.h"
#include "f618/ingresos_618.h"
#include "f618/percepciones_618.h"
#include "f708/impuesto_determinado.h"
#include "f708/salas.h"
#include "instalacion_demo.h"

#include <QDateTime>

namespace veluma::bench {

namespace {

void exigir(const QString& problema)
{
    if (!problema.isEmpty())
        throw Error(1, problema);
}

// The host databases first: the installation is described from them.
Instalacion instalacionNueva(const QTemporaryDir& carpeta)
{
    demo::crearBasesAnfitrion(carpeta.path());
    return demo::instalacionDemo(carpeta.path());
}

}  // namespace

std::vector<qint32> crearDeclaracion708(Sesion& sesion, int salas)
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
    return codigos;
}

void cargarDeclaracion(Sesion& sesion, int salas)
{
    const ClaveDDJJ& clave = sesion.declaracion;
    const std::vector<qint32> codigos = crearDeclaracion708(sesion, salas);
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

double leerLineas(Sesion& sesion)
{
    Statement consulta = sesion.base.prepare(QStringLiteral(
        "SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
        "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? ORDER BY COD_SALA, NRO_SEMANA, PRECIO_VENTA"));
    ligarClave(consulta, sesion.declaracion);
    double suma = 0;
    while (consulta.next())
        suma += double(consulta.integer(0).value_or(0) + consulta.integer(1).value_or(0)) + consulta.real(2).value_or(0)
                + double(consulta.integer(3).value_or(0));
    return suma;
}

InstalacionDeMedicion::InstalacionDeMedicion() : instalacion(instalacionNueva(carpeta)), sesion(instalacion)
{
    demo::copiarArchivos(QStringLiteral(VELUMA_PROGRAMA_DIR), instalacion,
                         {NombreBaseAuxiliar(instalacion.version()), instalacion.nombreCodificador()});
    sesion.cuit = demo::contribuyentesDemo().first().cuit;
    sesion.clave = textoClave();
    abrirBaseDeTrabajo(sesion, mensajes);
    cargarContribuyente(sesion);
}

}  // namespace veluma::bench
