#include "core/database.h"
#include "core/fechas.h"
#include "core/mensajes.h"
#include "declarations/ddjj.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <gtest/gtest.h>

using namespace veluma;

namespace {

const QString kCuit = QStringLiteral("30-70451826-5");
const QStringList kTablas617 = {"617CompSocietaria", "617Licencias", "617LicenciasDetalle",
                                "617LicenciasIngresoConceptos", "617LicenciasTotalLicencias"};

clsDDJJ declaracion(const QString& cuit, int periodo, int secuencia, int formulario, const QString& campo1,
                    const QDateTime& hora = QDateTime())
{
    clsDDJJ ddjj;
    ddjj.Cuit = cuit;
    ddjj.Periodo = periodo;
    ddjj.Secuencia = secuencia;
    ddjj.Formulario = formulario;
    ddjj.campo1 = campo1;
    ddjj.hora = hora;
    return ddjj;
}

class DDJJ : public veluma::test::SesionDePrueba {
protected:
    // Stores a declaration through the class, failing the test on any refusal.
    void agregar(const QString& cuit, int periodo, int secuencia, int formulario, const QString& campo1,
                 const QDateTime& hora = QDateTime())
    {
        ASSERT_EQ(declaracion(cuit, periodo, secuencia, formulario, campo1, hora).Agregar(sesion.base), QString());
    }

    QStringList filas(const QString& sql) { return veluma::test::filasDeConsulta(sesion.base, sql); }

    void ejecutar(const QString& sql, const QString& cuit, int periodo, int secuencia)
    {
        sesion.base.prepare(sql).bindAll(cuit, periodo, secuencia).run();
    }
};

TEST_F(DDJJ, CargarOrdenaPorPeriodoYSecuenciaDescendentesYArmaElMesAnio)
{
    agregar(kCuit, 199412, 0, 708, QStringLiteral("0"));
    agregar(kCuit, 200501, 0, 708, QStringLiteral("0"), QDateTime(QDate(2005, 2, 3), QTime(9, 15, 0)));
    agregar(kCuit, 200412, 2, 708, QStringLiteral("0"));
    agregar(kCuit, 200501, 1, 708, QStringLiteral("0"));
    agregar(kCuit, 200502, 0, 617, QStringLiteral("306"));
    agregar(QStringLiteral("30715482033"), 200503, 0, 708, QStringLiteral("0"));

    clsDDJJ ddjj;
    ddjj.Cuit = kCuit;
    ddjj.Formulario = 708;
    QStringList vistas;
    for (const FilaDDJJ& fila : ddjj.Cargar(sesion.base)) {
        vistas += QStringLiteral("%1 %2 %3/%4 %5 %6 %7")
                      .arg(fila.periodo1, fila.cuit)
                      .arg(fila.periodo)
                      .arg(fila.secuencia)
                      .arg(fila.formulario)
                      .arg(fila.campo1, fechaHoraIso(fila.hora));
    }
    EXPECT_EQ(vistas, QStringList({"012005 30-70451826-5 200501/1 708 0 ",
                                   "012005 30-70451826-5 200501/0 708 0 2005-02-03 09:15:00",
                                   "122004 30-70451826-5 200412/2 708 0 ", "121994 30-70451826-5 199412/0 708 0 "}));
}

TEST_F(DDJJ, AgregarDosVecesLaMismaClaveDevuelveElAvisoYGuardaUnaSolaFila)
{
    agregar(kCuit, 200403, 0, 617, QStringLiteral("306"));
    const clsDDJJ repetida = declaracion(kCuit, 200403, 0, 617, "306", QDateTime(QDate(2004, 4, 1), QTime(8, 0, 0)));
    EXPECT_EQ(repetida.Agregar(sesion.base), "La Declaración Jurada que intenta ingresar ya existe.");
    EXPECT_EQ(textoDDJJExistente(), "La Declaración Jurada que intenta ingresar ya existe.");

    // The other service of the same declaration is a row of its own.
    agregar(kCuit, 200403, 0, 617, QStringLiteral("307"));
    EXPECT_EQ(filas(QStringLiteral("SELECT CAMPO1, HORA FROM DDJJ ORDER BY CAMPO1")),
              QStringList({"306|NULL", "307|NULL"}));
}

TEST_F(DDJJ, AgregarLanzaLasDemasFallasSinGuardarNada)
{
    clsDDJJ ddjj = declaracion(kCuit, 200403, 0, 618, QString(21, QLatin1Char('7')));
    try {
        ddjj.Agregar(sesion.base);
        FAIL() << "CAMPO1 de 21 caracteres aceptado";
    } catch (const DbError& error) {
        EXPECT_EQ(error.kind(), DbErrorKind::Constraint);
        EXPECT_EQ(error.ruleName(), "CAMPO1:longitud");
    }
    ddjj.campo1 = QString();
    EXPECT_THROW(ddjj.Agregar(sesion.base), DbError);
    EXPECT_TRUE(filas(QStringLiteral("SELECT * FROM DDJJ")).isEmpty());
}

TEST_F(DDJJ, BuscarDDJJAvisaCuandoLaDeclaracionExisteSinMirarCampo1)
{
    clsDDJJ buscada = declaracion(kCuit, 200403, 0, 708, "1");
    EXPECT_TRUE(buscada.BuscarDDJJ(sesion.base, mensajes));
    EXPECT_TRUE(mensajes.mensajes.isEmpty());

    agregar(kCuit, 200403, 0, 708, QStringLiteral("0"));
    EXPECT_FALSE(buscada.BuscarDDJJ(sesion.base, mensajes));
    EXPECT_EQ(mensajes.mensajes, QStringList({"Atención: La Declaración Jurada que intenta ingresar ya existe."}));

    mensajes.mensajes.clear();
    buscada.Secuencia = 1;
    EXPECT_TRUE(buscada.BuscarDDJJ(sesion.base, mensajes));
    buscada.Secuencia = 0;
    buscada.Formulario = 617;
    EXPECT_TRUE(buscada.BuscarDDJJ(sesion.base, mensajes));
    EXPECT_TRUE(mensajes.mensajes.isEmpty());
}

TEST_F(DDJJ, UnCuitConApostrofeSeGuardaBuscaYEliminaComoTexto)
{
    const QString cuit = QStringLiteral("30'70451826'");
    agregar(cuit, 200403, 0, 708, QStringLiteral("0"));
    agregar(kCuit, 200403, 0, 708, QStringLiteral("0"));

    clsDDJJ ddjj;
    ddjj.Cuit = cuit;
    ddjj.Periodo = 200403;
    ddjj.Formulario = 708;
    const std::vector<FilaDDJJ> cargadas = ddjj.Cargar(sesion.base);
    ASSERT_EQ(cargadas.size(), 1u);
    EXPECT_EQ(cargadas[0].cuit, cuit);
    EXPECT_FALSE(ddjj.BuscarDDJJ(sesion.base, mensajes));

    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, cuit, 200403, 0, 708, QStringLiteral("0")), QString());
    EXPECT_EQ(filas(QStringLiteral("SELECT CUIT FROM DDJJ")), QStringList({kCuit}));
}

class EliminarDDJJ : public DDJJ {
protected:
    void agregarFilas617(int periodo, int secuencia, int servicio)
    {
        for (const QString& tabla : kTablas617) {
            sesion.base
                .prepare(QStringLiteral("INSERT INTO \"%1\" (CUIT, Periodo, Secuencia, ImpServicio) "
                                        "VALUES (?, ?, ?, ?)").arg(tabla))
                .bindAll(kCuit, periodo, secuencia, servicio)
                .run();
        }
    }

    void agregarFilas708(int periodo, int secuencia)
    {
        ejecutar(QStringLiteral("INSERT INTO \"708Salas\" (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA) "
                                "VALUES (?, ?, ?, 1, 'Sala 1')"),
                 kCuit, periodo, secuencia);
        ejecutar(QStringLiteral("INSERT INTO \"708ImpuestoDeterminado\" (CUIT, PERIODO, SECUENCIA, COD_SALA, "
                                "NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, ?, ?, 1, 1, 25.5, 300)"),
                 kCuit, periodo, secuencia);
        ejecutar(QStringLiteral("INSERT INTO \"708PagoCuenta\" (CUIT, PERIODO, SECUENCIA, SEMANA1, SEMANA2, SEMANA3, "
                                "SEMANA4) VALUES (?, ?, ?, 10, 20, 30, 40)"),
                 kCuit, periodo, secuencia);
    }

    // Every row of the 708 tables as "table period/sequence".
    QStringList filas708()
    {
        return filas(QStringLiteral(
            "SELECT 'DDJJ', PERIODO, SECUENCIA FROM DDJJ UNION ALL "
            "SELECT 'Salas', PERIODO, SECUENCIA FROM \"708Salas\" UNION ALL "
            "SELECT 'Impuesto', PERIODO, SECUENCIA FROM \"708ImpuestoDeterminado\" UNION ALL "
            "SELECT 'Pagos', PERIODO, SECUENCIA FROM \"708PagoCuenta\" ORDER BY 1, 2, 3"));
    }
};

TEST_F(EliminarDDJJ, El617BorraSoloElServicioDeLaDeclaracion)
{
    agregar(kCuit, 200403, 0, 617, QStringLiteral("306"));
    agregar(kCuit, 200403, 0, 617, QStringLiteral("307"));
    agregar(kCuit, 200403, 1, 617, QStringLiteral("306"));
    agregarFilas617(200403, 0, 306);
    agregarFilas617(200403, 0, 307);
    agregarFilas617(200403, 1, 306);

    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 617, QStringLiteral("306")), QString());

    EXPECT_EQ(filas(QStringLiteral("SELECT SECUENCIA, CAMPO1 FROM DDJJ ORDER BY 1, 2")), QStringList({"0|307", "1|306"}));
    for (const QString& tabla : kTablas617) {
        EXPECT_EQ(filas(QStringLiteral("SELECT Secuencia, ImpServicio FROM \"%1\" ORDER BY 1, 2").arg(tabla)),
                  QStringList({"0|307", "1|306"}))
            << tabla.toStdString();
    }
}

TEST_F(EliminarDDJJ, El618BorraSoloElInstitutoDeLaDeclaracion)
{
    agregar(kCuit, 200403, 0, 618, QStringLiteral("A12"));
    agregar(kCuit, 200403, 0, 618, QStringLiteral("B7"));
    for (const char* instituto : {"A12", "B7"}) {
        sesion.base
            .prepare(QStringLiteral("INSERT INTO \"618Ingresos\" (CUIT, Periodo, Secuencia, CodInstituto, TipoIngreso, Dia) "
                                    "VALUES (?, 200403, 0, ?, 1, 5)"))
            .bindAll(kCuit, instituto)
            .run();
        sesion.base
            .prepare(QStringLiteral("INSERT INTO \"618TotalPercepcionesEfectuadas\" (CUIT, Periodo, Secuencia, "
                                    "CodInstituto) VALUES (?, 200403, 0, ?)"))
            .bindAll(kCuit, instituto)
            .run();
    }

    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 618, QStringLiteral("A12")), QString());

    EXPECT_EQ(filas(QStringLiteral("SELECT CAMPO1 FROM DDJJ UNION ALL SELECT CodInstituto FROM \"618Ingresos\" "
                                   "UNION ALL SELECT CodInstituto FROM \"618TotalPercepcionesEfectuadas\"")),
              QStringList({"B7", "B7", "B7"}));
}

TEST_F(EliminarDDJJ, El708BorraSalasImpuestoYPagosDeLaDeclaracion)
{
    agregar(kCuit, 200403, 0, 708, QStringLiteral("0"));
    agregar(kCuit, 200404, 0, 708, QStringLiteral("0"));
    agregarFilas708(200403, 0);
    agregarFilas708(200404, 0);

    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 708, QStringLiteral("0")), QString());

    EXPECT_EQ(filas708(), QStringList({"DDJJ|200404|0", "Impuesto|200404|0", "Pagos|200404|0", "Salas|200404|0"}));
}

TEST_F(EliminarDDJJ, UnaFallaAMitadDeCaminoNoBorraNada)
{
    agregar(kCuit, 200403, 0, 708, QStringLiteral("0"));
    agregarFilas708(200403, 0);
    const QStringList antes = filas708();
    sesion.base.execute(QStringLiteral(
        "CREATE TEMP TRIGGER bloqueo BEFORE DELETE ON \"708PagoCuenta\" BEGIN SELECT RAISE(ABORT, 'bloqueado'); END"));

    const QString resultado = clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 708, QStringLiteral("0"));

    EXPECT_TRUE(resultado.contains(QStringLiteral("bloqueado"))) << resultado.toStdString();
    EXPECT_EQ(filas708(), antes);
    EXPECT_EQ(antes.size(), 4);
    // The connection is usable again: no transaction was left open.
    sesion.base.execute(QStringLiteral("DROP TRIGGER bloqueo"));
    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 708, QStringLiteral("0")), QString());
    EXPECT_TRUE(filas708().isEmpty());
}

TEST_F(DDJJ, LasConsultasDeUnaDeclaracionLeenCampo1YHora)
{
    const QDateTime hora(QDate(2004, 4, 10), QTime(18, 45, 7));
    agregar(kCuit, 200403, 0, 617, QStringLiteral("10,5"), hora);
    agregar(kCuit, 200403, 1, 617, QStringLiteral("10.5"));
    agregar(kCuit, 200404, 0, 617, QStringLiteral("307"));
    agregar(kCuit, 200404, 0, 617, QStringLiteral("306"));

    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200403, 0, 617}), 10.0);
    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200403, 1, 617}), 10.5);
    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200404, 0, 617}), 306.0);
    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200405, 0, 617}), 0.0);
    EXPECT_EQ(clsDDJJ::ObtenerCodigoInstituto(sesion.base, {kCuit, 200403, 1, 617}), "10.5");
    EXPECT_EQ(clsDDJJ::ObtenerCodigoInstituto(sesion.base, {kCuit, 200403, 1, 618}), QString());

    const std::optional<QDateTime> leida = clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 0, 617});
    ASSERT_TRUE(leida.has_value());
    EXPECT_EQ(leida->date(), hora.date());
    EXPECT_EQ(leida->time(), hora.time());
    EXPECT_EQ(filas(QStringLiteral("SELECT HORA FROM DDJJ WHERE SECUENCIA = 0 AND PERIODO = 200403")),
              QStringList({"2004-04-10 18:45:07"}));
    EXPECT_FALSE(clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 1, 617}).has_value());
    EXPECT_FALSE(clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 2, 617}).has_value());
}

}  // namespace
