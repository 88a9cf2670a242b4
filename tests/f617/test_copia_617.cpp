#include "core/reloj.h"
#include "f617/copia_617.h"
#include "support/declaracion_617.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

using namespace veluma;

namespace {

// A television declaration of May 2004 with two partners, two licences (the first with its detail, billing and
// totals), and a radio declaration of the same period, rectifying 1, with rows of its own.
class Copia617Prueba : public test::SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        fijarReloj([] { return QDateTime(QDate(2026, 12, 7), QTime(11, 20, 5)); });
        test::crearDeclaracion617(sesion, 200405, 307, 1);
        test::agregarSocio617(sesion, QStringLiteral("Radio Sur SA"), QStringLiteral("30-70000000-1"), 100);
        test::guardarActo617(sesion, test::agregarLicencia617(sesion, QStringLiteral("FM Sur"), 6), 2, 8, {2002, 3, 4});
        test::crearDeclaracion617(sesion, 200405, 306);
        test::agregarSocio617(sesion, QStringLiteral("Pérez, Ana"), QStringLiteral("27-11111111-3"), 60);
        test::agregarSocio617(sesion, QStringLiteral("O'Brien SA"), QStringLiteral("30-22222222-5"), 40);
        const qint64 canal = test::agregarLicencia617(sesion, QStringLiteral("Canal 9"), 1);
        test::agregarLicencia617(sesion, QStringLiteral("Canal 13"), 2, {1999, 12, 31});
        test::guardarActo617(sesion, canal, 2, 5, {2003, 2, 1});
        test::agregarConcepto617(sesion, canal, 100, 1000);
        test::guardarTotales617(sesion, canal, 10);
        antes = todo();
    }
    void TearDown() override { fijarReloj({}); }

    QString copiar(const QString& mes, const QString& anio, const QString& secuencia, int servicio = 306)
    {
        mensajes.mensajes.clear();
        foco = CopiarDeclaracion617(sesion.base, sesion.declaracion, {mes, anio, secuencia, servicio}, mensajes).foco;
        return mensajes.mensajes.join('|');
    }
    // Every row of the installation as "table|CUIT|key|columns", sorted.
    QStringList todo()
    {
        QStringList filas;
        for (const QString tabla : {"DDJJ", "617CompSocietaria", "617Licencias", "617LicenciasDetalle",
                                    "617LicenciasIngresoConceptos", "617LicenciasTotalLicencias"})
            for (const QString& fila : test::filasDeConsulta(sesion.base, "SELECT * FROM [" + tabla + ']'))
                filas += tabla + '|' + fila;
        filas.sort();
        return filas;
    }
    // `antes` with the origin's rows of `tablas` added again under the destination key.
    QStringList conCopia(const QString& destino, const QStringList& tablas)
    {
        QStringList filas = antes;
        for (const QString& fila : antes)
            if (tablas.contains(fila.section('|', 0, 0)) && fila.section('|', 2, 4) == "200405|0|306")
                filas += fila.section('|', 0, 1) + '|' + destino + '|' + fila.section('|', 5);
        filas += "DDJJ|" + sesion.cuit + '|' + destino.section('|', 0, 1) + "|617|" + destino.section('|', 2)
                 + "|2026-12-07 11:20:05";
        filas.sort();
        return filas;
    }

    QStringList antes;
    CampoCopia foco = CampoCopia::Ninguno;
};

const QString kExito = QStringLiteral("Información: La copia de la DDJJ fue realizada con éxito.");

}  // namespace

TEST_F(Copia617Prueba, ElMismoServicioLlevaSociosLicenciasYDetalleYElOtroSoloLosSocios)
{
    EXPECT_EQ(copiar("06", "2004", "0"), kExito);
    EXPECT_EQ(todo(), conCopia("200406|0|306", {"617CompSocietaria", "617Licencias", "617LicenciasDetalle"}));
    EXPECT_EQ(copiar("06", "2004", "0"),
              "Atención: La Declaración Jurada de Destino ya existe.|"
              "Información: La copia de la DDJJ no fue realizada.");
    antes = todo();  // the same period and sequence, to the radio service
    EXPECT_EQ(copiar("05", "2004", "0", 307), kExito);
    EXPECT_EQ(todo(), conCopia("200405|0|307", {"617CompSocietaria"}));
    test::crearDeclaracion617(sesion, 200407, 306);  // nothing to copy still makes the declaration
    EXPECT_EQ(copiar("08", "2004", "3"), kExito);
    EXPECT_TRUE(todo().contains("DDJJ|" + sesion.cuit + "|200408|3|617|306|2026-12-07 11:20:05"));
}

TEST_F(Copia617Prueba, UnPasoQueFallaDejaTodoComoEstabaYSeNombra)
{
    for (const auto& [tabla, paso] : {std::pair{"DDJJ", "La copia de la DDJJ"},
                                      {"617CompSocietaria", "La copia de la Composición Societaria"},
                                      {"617Licencias", "La copia de las Licencias"},
                                      {"617LicenciasDetalle", "La copia del Detalle de las Licencias"}}) {
        sesion.base.execute(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON [%1] BEGIN "
                                           "SELECT RAISE(ABORT, 'disco lleno'); END")
                                .arg(tabla));
        EXPECT_EQ(copiar("06", "2004", "1"),
                  tituloPrograma() + ": "
                      + textoMensajeError("Un valor no cumple las reglas de la base de datos. (disco lleno)", 19)
                      + "|Información: " + QString::fromUtf8(paso) + " no fue realizada.");
        EXPECT_EQ(todo(), antes) << tabla;
        sesion.base.execute(QStringLiteral("DROP TRIGGER falla"));
    }
    EXPECT_EQ(copiar("06", "2004", "1"), kExito);
}

TEST_F(Copia617Prueba, ElDestinoSeRevisaEnOrdenYNadaSeEscribe)
{
    using C = CampoCopia;
    const QString destino = "Información: Debe ingresar ", menor = "Atención: La secuencia de la DDJJ de Destino";
    const QString anterior = "Atención: El periodo de la DDJJ de Destino no puede ser menor a la de Origen.";
    const std::tuple<int, const char*, const char*, const char*, QString, C> casos[] = {
        {200405, "", "", "", destino + "el Mes del Periodo de destino.", C::Mes},
        {200405, "06", " ", "", destino + "el Año del Periodo de destino.", C::Anio},
        {200405, "06", "2004", "", destino + "la Secuencia de la DDJJ de destino.", C::Secuencia},
        {200405, "00", "2004", "0", "Información: El Mes del Periodo de destino debe estar entre 01 y 12.", C::Mes},
        {200405, "06", "2oo4", "0", "Información: El Año del Periodo de destino debe escribirse con cuatro cifras.",
         C::Anio},
        {200405, "06", "2004", "4", "Información: La Secuencia de la DDJJ de destino debe estar entre 0 y 3.",
         C::Secuencia},
        {200405, "6", "2004", "0", anterior, C::Mes},
        {200405, "04", "2004", "3", anterior, C::Mes},
        {200405 * 10 + 2, "05", "2004", "1", menor + " no puede ser menor a la de Origen.", C::Secuencia},
        {199410, "11", "1994", "0", "Atención: El Periodo Fiscal no puede ser inferior al 12/1994", C::Anio},
    };
    for (const auto& [origen, mes, anio, secuencia, aviso, campo] : casos) {
        sesion.declaracion.periodo = origen > 999999 ? origen / 10 : origen;
        sesion.declaracion.secuencia = origen > 999999 ? origen % 10 : 0;
        const QString visto = copiar(mes, anio, secuencia);
        EXPECT_EQ(visto + (foco == campo ? "" : " (foco)"), aviso);
    }
    EXPECT_EQ(todo(), antes);
}
