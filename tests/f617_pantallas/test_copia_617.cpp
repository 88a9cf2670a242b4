#include "f617/pantallas/frm_copiar_ddjj.h"
#include "pantallas/pantalla_de_prueba.h"
#include "support/declaracion_617.h"

#include <QLabel>
#include <QRadioButton>

using namespace veluma;

namespace {

class PantallaCopia617 : public test::PantallaDePrueba {};

}  // namespace

TEST_F(PantallaCopia617, DesdeElAdministradorSeCopiaConElTecladoYLaPantallaQuedaAbierta)
{
    test::crearDeclaracion617(sesion, 200405, 306);
    abrir(617);
    QStringList vistos;
    test::alAparecerModalDe<frmCopiarDDJJ>([&](frmCopiarDDJJ* copia) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(copia));
        // An access key clicks as a mouse would, a moment later.
        const auto aceptar = [&] {
            QTest::keyClick(copia->focusWidget(), Qt::Key_A, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !mensajes.mensajes.isEmpty(); }));
        };
        const auto marcada = [&](int i) {
            return test::hijo<QRadioButton>(*copia, QStringLiteral("optServicio_%1").arg(i))->isChecked() ? "x" : "-";
        };
        vistos += test::hijo<QLabel>(*copia, "lblCuitOri")->text() + '|' + test::texto(copia, "txtMesOrigen") + '/'
                  + test::texto(copia, "txtAñoOrigen") + '|' + test::hijo<QLabel>(*copia, "lblSecOri")->text() + '|'
                  + marcada(0) + marcada(1) + marcada(2) + marcada(3) + '|' + copia->focusWidget()->objectName();
        auto* secuencia = test::hijo<QComboBox>(*copia, "CboSecuencia");
        secuencia->setCurrentIndex(2);
        vistos += test::texto(copia, "txtSecuencia");
        test::escribir(copia, "txtSecuencia", "1");
        vistos += secuencia->currentText();

        QTest::keyClicks(copia->focusWidget(), "6");
        test::escribir(copia, "txtAñoDestino", "2004");
        aceptar();
        vistos += avisos() + '|' + copia->focusWidget()->objectName();
        QTest::keyClicks(copia->focusWidget(), "06");
        QTest::keyClick(copia->focusWidget(), Qt::Key_R, Qt::AltModifier);
        aceptar();
        vistos += avisos() + '|' + copia->focusWidget()->objectName();
        QTest::keyClick(copia->focusWidget(), Qt::Key_Escape);
        vistos += copia->isVisible() ? "abierta" : "cerrada";
        if (copia->isVisible())
            test::pulsar(copia, "cmdsalir");
    });
    pulsar("cmdCopiar");
    EXPECT_EQ(vistos,
              QStringList({sesion.cuit + "|05/2004| Original|x--x|txtMesDestino", "2", "Rectificativa 1",
                           "Atención: El periodo de la DDJJ de Destino no puede ser menor a la de "
                           "Origen.|txtMesDestino",
                           "Información: La copia de la DDJJ fue realizada con éxito.|txtMesDestino", "cerrada"}));
    EXPECT_EQ(filasDeLaLista(), QStringList({"06/2004 1", "05/2004 0"}));
    EXPECT_EQ(filasDDJJ().last(), "200406/1/617/307/2026-12-06 10:30:00");
}
