#include "core/fechas.h"
#include "declarations/ddjj.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

using namespace veluma;

namespace {

const QString kCuit = QStringLiteral("30-70451826-5");

class DDJJ : public test::SesionDePrueba {
protected:
    void agregar(int periodo, int secuencia, int formulario, const QString& campo1, const QDateTime& hora = {},
                 const QString& cuit = kCuit)
    {
        clsDDJJ ddjj;
        ddjj.Cuit = cuit;
        ddjj.Periodo = periodo;
        ddjj.Secuencia = secuencia;
        ddjj.Formulario = formulario;
        ddjj.campo1 = campo1;
        ddjj.hora = hora;
        ASSERT_EQ(ddjj.Agregar(sesion.base), QString());
    }

    // A row of every table of the form for the declaration, carrying `campo1`
    // in the column that repeats it.
    void filasDelFormulario(int periodo, int formulario, const QString& campo1)
    {
        // The value as the column takes it: a number in a number column.
        const auto insertar = [&](const char* sql, const QVariant& valor = {}) {
            sesion.base.prepare(QString::fromLatin1(sql)).bindAll(kCuit, periodo, valor.isValid() ? valor : campo1).run();
        };
        if (formulario == 617) {
            for (const char* tabla : {"617CompSocietaria", "617Licencias", "617LicenciasDetalle",
                                      "617LicenciasIngresoConceptos", "617LicenciasTotalLicencias"})
                sesion.base
                    .prepare(QStringLiteral("INSERT INTO \"%1\" (CUIT, Periodo, Secuencia, ImpServicio) "
                                            "VALUES (?, ?, 0, ?)").arg(QLatin1String(tabla)))
                    .bindAll(kCuit, periodo, campo1.toInt())
                    .run();
        } else if (formulario == 618) {
            insertar("INSERT INTO [618Ingresos] (CUIT, Periodo, Secuencia, CodInstituto, TipoIngreso, Dia) "
                     "VALUES (?, ?, 0, ?, 1, 5)");
            insertar("INSERT INTO [618TotalPercepcionesEfectuadas] (CUIT, Periodo, Secuencia, CodInstituto) "
                     "VALUES (?, ?, 0, ?)");
        } else {
            insertar("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, COD_INCAA) "
                     "VALUES (?, ?, 0, 1, ?, '1')");
            insertar("INSERT INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, COD_SALA, NRO_SEMANA, "
                     "PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, ?, 0, 1, 1, 25.5, ?)",
                     campo1.toInt());
            insertar("INSERT INTO [708PagoCuenta] (CUIT, PERIODO, SECUENCIA, SEMANA1, SEMANA2, SEMANA3, SEMANA4) "
                     "VALUES (?, ?, 0, ?, 0, 0, 0)",
                     campo1.toDouble());
        }
    }

    // Every row a declaration of the taxpayer holds, "table:period:value".
    QStringList todasLasFilas()
    {
        return test::filasDeConsulta(sesion.base, QStringLiteral(
            "SELECT 'DDJJ', PERIODO, CAMPO1 FROM DDJJ UNION ALL "
            "SELECT 'Socios', Periodo, ImpServicio FROM [617CompSocietaria] UNION ALL "
            "SELECT 'Licencias', Periodo, ImpServicio FROM [617Licencias] UNION ALL "
            "SELECT 'Detalle', Periodo, ImpServicio FROM [617LicenciasDetalle] UNION ALL "
            "SELECT 'Conceptos', Periodo, ImpServicio FROM [617LicenciasIngresoConceptos] UNION ALL "
            "SELECT 'Totales', Periodo, ImpServicio FROM [617LicenciasTotalLicencias] UNION ALL "
            "SELECT 'Ingresos', Periodo, CodInstituto FROM [618Ingresos] UNION ALL "
            "SELECT 'Percepciones', Periodo, CodInstituto FROM [618TotalPercepcionesEfectuadas] UNION ALL "
            "SELECT 'Salas', PERIODO, DENOMINACION_SALA FROM [708Salas] UNION ALL "
            "SELECT 'Impuesto', PERIODO, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] UNION ALL "
            "SELECT 'Pagos', PERIODO, SEMANA1 FROM [708PagoCuenta] ORDER BY 1, 2, 3"))
            .replaceInStrings(QStringLiteral("|"), QStringLiteral(":"));
    }
};

TEST_F(DDJJ, CargarOrdenaPorPeriodoYSecuenciaDescendentesDelContribuyenteYFormulario)
{
    agregar(199412, 0, 708, QStringLiteral("0"));
    agregar(200501, 0, 708, QStringLiteral("0"), QDateTime(QDate(2005, 2, 3), QTime(9, 15, 0)));
    agregar(200412, 2, 708, QStringLiteral("0"));
    agregar(200501, 1, 708, QStringLiteral("0"));
    agregar(200502, 0, 617, QStringLiteral("306"));
    agregar(200503, 0, 708, QStringLiteral("0"), {}, QStringLiteral("30715482033"));

    clsDDJJ ddjj;
    ddjj.Cuit = kCuit;
    ddjj.Formulario = 708;
    QStringList vistas;
    for (const FilaDDJJ& fila : ddjj.Cargar(sesion.base))
        vistas += QStringLiteral("%1 %2/%3 %4").arg(fila.periodo1).arg(fila.periodo).arg(fila.secuencia)
                      .arg(fechaHoraIso(fila.hora));
    EXPECT_EQ(vistas, (QStringList{"012005 200501/1 ", "012005 200501/0 2005-02-03 09:15:00", "122004 200412/2 ",
                                   "121994 199412/0 "}));
}

TEST_F(DDJJ, UnDuplicadoSeAvisaYLasDemasFallasSeLanzanSinGuardarNada)
{
    agregar(200403, 0, 617, QStringLiteral("306"));
    clsDDJJ ddjj;
    ddjj.Cuit = kCuit;
    ddjj.Periodo = 200403;
    ddjj.Formulario = 617;
    ddjj.campo1 = QStringLiteral("306");
    EXPECT_EQ(ddjj.Agregar(sesion.base), "La Declaración Jurada que intenta ingresar ya existe.");
    // The other service of the same period is a declaration of its own.
    agregar(200403, 0, 617, QStringLiteral("307"));

    ddjj.campo1 = QString(21, QLatin1Char('7'));
    try {
        ddjj.Agregar(sesion.base);
        FAIL() << "CAMPO1 de 21 caracteres aceptado";
    } catch (const DbError& error) {
        EXPECT_EQ(error.ruleName(), "CAMPO1:longitud");
    }
    EXPECT_EQ(test::filasDeConsulta(sesion.base, QStringLiteral("SELECT CAMPO1 FROM DDJJ ORDER BY 1")),
              (QStringList{"306", "307"}));
}

TEST_F(DDJJ, BuscarDDJJAvisaCuandoLaDeclaracionExisteSinMirarCampo1)
{
    const QString cuit = QStringLiteral("30'70451826'");  // bound, never pasted into the SQL
    clsDDJJ buscada;
    buscada.Cuit = cuit;
    buscada.Periodo = 200403;
    buscada.Formulario = 708;
    buscada.campo1 = QStringLiteral("1");
    EXPECT_TRUE(buscada.BuscarDDJJ(sesion.base, mensajes));
    agregar(200403, 0, 708, QStringLiteral("0"), {}, cuit);
    EXPECT_FALSE(buscada.BuscarDDJJ(sesion.base, mensajes));
    buscada.Secuencia = 1;
    EXPECT_TRUE(buscada.BuscarDDJJ(sesion.base, mensajes));
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: La Declaración Jurada que intenta ingresar ya existe."});
}

TEST_F(DDJJ, EliminarBorraLaDeclaracionYSusFilasNadaMas)
{
    // Each form's rows of two declarations of one period that differ in the
    // form value (708 has none: another period instead).
    struct Caso {
        int formulario;
        QString campo1, otroCampo1;
        int otroPeriodo;
    };
    for (const Caso& caso : {Caso{617, "306", "307", 200403}, Caso{618, "A'12", "B7", 200403},
                             Caso{708, "10", "10", 200404}}) {
        SCOPED_TRACE(caso.formulario);
        agregar(200403, 0, caso.formulario, caso.campo1);
        agregar(caso.otroPeriodo, 0, caso.formulario, caso.otroCampo1);
        filasDelFormulario(200403, caso.formulario, caso.campo1);
        filasDelFormulario(caso.otroPeriodo, caso.formulario, caso.otroCampo1);
        const QStringList antes = todasLasFilas();

        EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, caso.formulario, caso.campo1), QString());
        QStringList quedan = antes;
        quedan.removeIf([&](const QString& fila) { return fila.contains(QStringLiteral(":200403:") + caso.campo1); });
        EXPECT_EQ(todasLasFilas(), quedan);
        EXPECT_EQ(quedan.size(), antes.size() / 2);
        clsDDJJ::Eliminar(sesion.base, kCuit, caso.otroPeriodo, 0, caso.formulario, caso.otroCampo1);
        EXPECT_TRUE(todasLasFilas().isEmpty());
    }
}

TEST_F(DDJJ, UnaFallaAMitadDeCaminoNoBorraNada)
{
    agregar(200403, 0, 708, QStringLiteral("10"));
    filasDelFormulario(200403, 708, QStringLiteral("10"));
    const QStringList antes = todasLasFilas();
    sesion.base.execute(QStringLiteral(
        "CREATE TEMP TRIGGER bloqueo BEFORE DELETE ON [708PagoCuenta] BEGIN SELECT RAISE(ABORT, 'bloqueado'); END"));

    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 708, QStringLiteral("10")),
              "Un valor no cumple las reglas de la base de datos. (bloqueado)");
    EXPECT_EQ(todasLasFilas(), antes);
    // No transaction was left open.
    sesion.base.execute(QStringLiteral("DROP TRIGGER bloqueo"));
    EXPECT_EQ(clsDDJJ::Eliminar(sesion.base, kCuit, 200403, 0, 708, QStringLiteral("10")), QString());
    EXPECT_TRUE(todasLasFilas().isEmpty());
}

TEST_F(DDJJ, LasConsultasDeUnaDeclaracionLeenCampo1YHora)
{
    const QDateTime hora(QDate(2004, 4, 10), QTime(18, 45, 7));
    agregar(200403, 0, 617, QStringLiteral("10,5"), hora);
    agregar(200403, 1, 617, QStringLiteral("10.5"));
    agregar(200404, 0, 617, QStringLiteral("307"));
    agregar(200404, 0, 617, QStringLiteral("306"));

    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200403, 0, 617}), 10.0);  // Val stops at the comma
    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200403, 1, 617}), 10.5);
    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200404, 0, 617}), 306.0);  // the lowest CAMPO1
    EXPECT_EQ(clsDDJJ::ObtenerAlicuota(sesion.base, {kCuit, 200405, 0, 617}), 0.0);
    EXPECT_EQ(clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 0, 617}), std::optional<QDateTime>(hora));
    EXPECT_FALSE(clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 1, 617}).has_value());
    EXPECT_FALSE(clsDDJJ::ObtenerHoraDDJJ(sesion.base, {kCuit, 200403, 2, 617}).has_value());
}

}  // namespace
