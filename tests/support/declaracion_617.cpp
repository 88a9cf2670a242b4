#include "support/declaracion_617.h"

#include "declarations/ddjj.h"
#include "f617/detalle_617.h"
#include "f617/licencias_617.h"
#include "f617/socios_617.h"

#include <gtest/gtest.h>

namespace veluma::test {

void crearDeclaracion617(veluma::Sesion& sesion, int periodo, int servicio, int secuencia, const QDateTime& hora)
{
    veluma::clsDDJJ ddjj;
    ddjj.Cuit = sesion.cuit;
    ddjj.Periodo = periodo;
    ddjj.Secuencia = secuencia;
    ddjj.Formulario = 617;
    ddjj.campo1 = QString::number(servicio);
    ddjj.hora = hora;
    ASSERT_EQ(ddjj.Agregar(sesion.base), QString());
    sesion.formulario = 617;
    sesion.declaracion = {sesion.cuit, periodo, secuencia, 617, ddjj.campo1};
}

qint64 agregarLicencia617(veluma::Sesion& sesion, const QString& razonSocial, int tipoServicio, const QDate& inicio)
{
    veluma::cls617Licencias licencia;
    licencia.clave = sesion.declaracion;
    licencia.ApellidoNombre = razonSocial;
    licencia.Domicilio = QStringLiteral("Av. de Mayo 1370");
    licencia.TipoServicio = tipoServicio;
    licencia.InicioActividades = inicio;
    licencia.GuardarLicencia(sesion.base, true);
    return licencia.CodigoLicencia;
}

void agregarConcepto617(veluma::Sesion& sesion, qint64 licencia, qint64 concepto, double importe)
{
    const veluma::cls617LicIngresoConceptos fila{concepto, importe};
    EXPECT_EQ(fila.GuardarConcepto(sesion.base, sesion.declaracion, licencia, true),
              veluma::cls617LicIngresoConceptos::Guardado::Hecho);
}

void guardarTotales617(veluma::Sesion& sesion, qint64 licencia, double descuentos, int exencion, double exento)
{
    veluma::cls617LicTotalLicencias totales;
    totales.DescuentosBonificaciones = descuentos;
    totales.ExencionesOtorgadas = exencion;
    totales.Numero = 12;
    totales.NroArticulo = 3;
    totales.ImporteExentoIngresar = exento;
    totales.GuardarDatos(sesion.base, sesion.declaracion, licencia);
}

void guardarActo617(veluma::Sesion& sesion, qint64 licencia, int acto, double numero, const QDate& fecha)
{
    veluma::cls617DetalleLicencias detalle;
    detalle.CargarDatos(sesion.base, sesion.declaracion, licencia);
    detalle.actos[acto] = {numero, fecha};
    detalle.GuardarDatos(sesion.base, sesion.declaracion, licencia);
}

void agregarSocio617(veluma::Sesion& sesion, const QString& nombre, const QString& cuit, double porcentaje)
{
    veluma::cls617CompSocietaria socio;
    socio.clave = sesion.declaracion;
    socio.NombreApellido = nombre;
    socio.CuitSocio = cuit;
    socio.Porcentaje = porcentaje;
    socio.GuardarSocio(sesion.base, true);
}

void declaracionDeReferencia617(veluma::Sesion& sesion)
{
    crearDeclaracion617(sesion, 200505, 306);
    agregarSocio617(sesion, QStringLiteral("Ávalos, María"), QStringLiteral("27-23456789-1"), 40);
    agregarSocio617(sesion, QStringLiteral("O'Brien, Juan"), QStringLiteral("20-12345678-6"), 60);

    const qint64 abierta = agregarLicencia617(sesion, QStringLiteral("Canal del Sur S.A."), 1);
    guardarActo617(sesion, abierta, 0, 1234, QDate(1999, 3, 15));
    guardarActo617(sesion, abierta, 2, 567, QDate(2000, 7, 1));
    for (const auto& [concepto, importe] :
         {std::pair{100, 10000.50}, {109, 2500.25}, {116, 1000.0}, {118, 300.0}, {120, 50.0}})
        agregarConcepto617(sesion, abierta, concepto, importe);
    guardarTotales617(sesion, abierta, 500, 1, 100);

    const qint64 cable = agregarLicencia617(sesion, QStringLiteral("Cable Ñandú"), 2, QDate(2002, 1, 10));
    guardarActo617(sesion, cable, 3, 89, QDate(2002, 2, 2));
    agregarConcepto617(sesion, cable, 101, 7777.77);
    agregarConcepto617(sesion, cable, 110, 1234.56);
    guardarTotales617(sesion, cable, 0);

    const qint64 sinDetalle = agregarLicencia617(sesion, QStringLiteral("Sin Detalle SRL"), 5);
    agregarConcepto617(sesion, sinDetalle, 102, 100);
    guardarTotales617(sesion, sinDetalle, 0);

    const qint64 sinConceptos = agregarLicencia617(sesion, QStringLiteral("Antena Norte"), 4);
    guardarActo617(sesion, sinConceptos, 1, 42, QDate(2003, 8, 20));
}

}  // namespace veluma::test
