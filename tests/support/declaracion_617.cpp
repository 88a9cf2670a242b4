#include "support/declaracion_617.h"

#include "core/fechas.h"
#include "declarations/ddjj.h"
#include "f617/clave_617.h"
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

void agregarSocio617(veluma::Sesion& sesion, const QString& nombre, const QString& cuit, double porcentaje)
{
    veluma::cls617CompSocietaria socio;
    socio.clave = sesion.declaracion;
    socio.NombreApellido = nombre;
    socio.CuitSocio = cuit;
    socio.Porcentaje = porcentaje;
    socio.GuardarSocio(sesion.base, true);
}

void agregarDetalle617(veluma::Sesion& sesion, qint64 licencia, double decreto, const QDate& fecha)
{
    const veluma::ClaveDDJJ& clave = sesion.declaracion;
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [617LicenciasDetalle] (CUIT, Periodo, Secuencia, ImpServicio, "
                                "CodigoLicencia, NroDecreto, FechaNroDecreto) VALUES (?, ?, ?, ?, ?, ?, ?)"))
        .bindAll(clave.cuit, clave.periodo, clave.secuencia, veluma::servicioDe(clave), licencia, decreto,
                 veluma::fechaIso(fecha))
        .run();
}

}  // namespace veluma::test
