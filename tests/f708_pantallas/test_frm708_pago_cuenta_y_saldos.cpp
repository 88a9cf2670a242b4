#include "f708/pantallas/frm708_pago_cuenta.h"
#include "f708/pantallas/frm708_saldos.h"
#include "pantalla_708.h"

using namespace veluma;

namespace {

class PantallaPagos : public veluma::test::Pantalla708 {
protected:
    frm708PagoCuenta& abrirPagos() { return mostrar(std::make_unique<frm708PagoCuenta>(sesion, mensajes)); }
    frm708Saldos& abrirSaldos()
    {
        pantalla.reset();
        return mostrar(std::make_unique<frm708Saldos>(sesion, mensajes));
    }

    // Nuevo, Modificar, Eliminar todos, Aceptar, Cancelar, Salir.
    QString estado()
    {
        return botones({"CmdNuevo", "CmdModificar", "CmdEliminarTodos", "cmdAceptar", "CmdCancelar", "cmdSalir"});
    }

    QStringList semanas() { return {texto("txtuno"), texto("txtdos"), texto("txttres"), texto("txtCuatro")}; }

    QStringList pagos()
    {
        return test::filasDeConsulta(sesion.base, QStringLiteral("SELECT SEMANA1, SEMANA2, SEMANA3, SEMANA4 FROM "
                                                                 "[708PagoCuenta] WHERE PERIODO=200405"));
    }

    // Declared tax, payments and pending balance as shown; then whether the form and the file are offered.
    QStringList saldos()
    {
        return {texto("txtTotalImpuestoDeclarado"), texto("TxtPagoCuenta"), texto("txtSaldoPendienteIngreso"),
                control("cmdFormulario")->isEnabled() && control("cmdGenerar")->isEnabled() ? "habilitados" : "-"};
    }
};

}  // namespace

TEST_F(PantallaPagos, LosPagosSeGuardanEnUnaSolaFilaConCeroEnLasSemanasVacias)
{
    abrirPagos();
    EXPECT_EQ(estado(), "N----S");
    EXPECT_FALSE(control("frDatos")->isEnabled());

    pulsar("CmdNuevo");
    EXPECT_EQ(estado(), "---AC-");
    EXPECT_TRUE(control("txtuno")->hasFocus());
    escribir("txtdos", QStringLiteral("  "));
    pulsar("cmdAceptar");
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: Los campos no pueden estar todos vacíos"});
    EXPECT_EQ(estado(), "---AC-");
    EXPECT_TRUE(pagos().isEmpty());

    escribir("txttres", QStringLiteral("25,5"));
    pulsar("cmdAceptar");
    EXPECT_EQ(pagos(), QStringList{"0|0|25.5|0"});
    EXPECT_EQ(estado(), "NME--S");

    // Reopened, only the third week shows; saving again replaces the row.
    pantalla.reset();
    abrirPagos();
    EXPECT_EQ(semanas(), (QStringList{"", "", "25,5", ""}));
    pulsar("CmdModificar");
    escribir("txtuno", QStringLiteral("1.000,1234"));
    pulsar("cmdAceptar");
    EXPECT_EQ(pagos(), QStringList{"1000.1234|0|25.5|0"});
    EXPECT_EQ(semanas(), (QStringList{"1000,1234", "", "25,5", ""}));

    // An amount that cannot be read: the message, the row as it was, still editing.
    mensajes.mensajes.clear();
    pulsar("CmdModificar");
    escribir("txtdos", QStringLiteral("1,23456"));
    pulsar("cmdAceptar");
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: El Pago a Cuenta de la Semana 2 debe ser un importe positivo "
                                             "con hasta cuatro decimales."});
    EXPECT_EQ(estado(), "---AC-");
    pulsar("CmdCancelar");
    EXPECT_EQ(semanas(), (QStringList{"1000,1234", "", "25,5", ""}));
    EXPECT_EQ(pagos(), QStringList{"1000.1234|0|25.5|0"});

    mensajes.mensajes.clear();
    pulsar("CmdEliminarTodos");
    EXPECT_EQ(mensajes.mensajes, QStringList{tituloPrograma() + ": Confirma eliminación de todos los Pagos?"});
    EXPECT_TRUE(pagos().isEmpty());
    EXPECT_EQ(semanas(), (QStringList{"", "", "", ""}));
    EXPECT_EQ(estado(), "N----S");
}

TEST_F(PantallaPagos, ElSaldoMuestraImpuestoPagosYPendienteDeLaAlicuotaGuardada)
{
    // No tickets: nothing declared, nothing to print or generate.
    abrirSaldos();
    EXPECT_EQ(saldos(), (QStringList{"0", "0", "0", "-"}));
    // Payments above the tax leave nothing pending.
    linea(1, 2, 5.5, 100);
    ASSERT_EQ(test::pagos708(sesion, 30, 40, 0, 0).Agregar(sesion.base), QString());
    abrirSaldos();
    EXPECT_EQ(saldos(), (QStringList{"50", "70", "0", "habilitados"}));
    sesion.base.execute(QStringLiteral("UPDATE DDJJ SET CAMPO1 = '21'"));
    abrirSaldos();
    EXPECT_EQ(saldos(), (QStringList{"95,46", "70", "25,46", "habilitados"}));
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
}
