#include "f617/pantallas/frm617_comp_societaria.h"
#include "pantallas/pantalla_de_prueba.h"
#include "support/declaracion_617.h"

#include <QHeaderView>

using namespace veluma;

namespace {

// The partners screen of a Form 617 declaration, typed into as a user would.
class Socios617Pantalla : public veluma::test::PantallaDePrueba {
protected:
    // A new partner typed and accepted: what was said, then where the cursor went.
    static QString cargar(QWidget* socios, const QString& cuit, const QString& nombre, const QString& porcentaje)
    {
        QTest::keyClick(socios, Qt::Key_N, Qt::ControlModifier);
        const QString inicio = foco(socios);
        QTest::keyClicks(socios->focusWidget(), cuit);
        test::escribir(socios, "txtNombreApellido", nombre);
        test::escribir(socios, "txtPorcentaje", porcentaje);
        return inicio + '|' + aceptar(socios);
    }
    static QString aceptar(QWidget* socios)
    {
        test::pulsar(socios, "cmdAceptar");
        return foco(socios);
    }
    // The screen's own focus: on a loaded machine the window may be told it is active late.
    static QString foco(QWidget* socios)
    {
        return socios->focusWidget() ? socios->focusWidget()->objectName() : QString();
    }
    // The list, a row "CUIT|name|share".
    static QStringList lista(QWidget* socios)
    {
        QStringList filas;
        const QAbstractItemModel* modelo = test::hijo<QTableView>(*socios, "Grilla")->model();
        for (int fila = -1; fila < modelo->rowCount(); ++fila) {
            QStringList celdas;
            for (int columna = 0; columna < modelo->columnCount(); ++columna)
                celdas += fila < 0 ? modelo->headerData(columna, Qt::Horizontal).toString()
                                   : modelo->index(fila, columna).data().toString();
            filas += celdas.join('|');
        }
        return filas;
    }
    QStringList guardados()
    {
        return test::filasDeConsulta(sesion.base, "SELECT CodigoSocio, NombreApellido, CuitSocio, Porcentaje FROM "
                                                  "[617CompSocietaria] ORDER BY CodigoSocio");
    }
};

const QString kMasDe100 = QStringLiteral("Atención: La suma de los porcentajes no puede superar 100.");
const QString kIncompleto = QStringLiteral("Atención: No se ha completado el 100 % de la Composición Societaria.");

}  // namespace

TEST_F(Socios617Pantalla, ElArbolLaAbreYCadaComprobacionDejaLoEscritoConElCursorEnSuCampo)
{
    abrir(617);
    crear("03", "2005");
    QStringList enSalida;
    abrirSeccion(QStringLiteral("frm617CompSocietaria"), [&](QWidget* socios) {
        EXPECT_EQ(cargar(socios, "", "Ana", "10"), "txtcuit|txtcuit");
        EXPECT_EQ(avisos(), "Atención: Debe completar el Cuit del socio");
        // A share of 0 is reported before the check digit; the name keeps its apostrophe.
        QTest::keyClick(socios, Qt::Key_Escape);
        EXPECT_EQ(cargar(socios, "20123456785", "O'Connor, Ana", "0"), "txtcuit|txtPorcentaje");
        EXPECT_EQ(avisos(), "Atención: Debe completar el porcentaje de participación");
        test::escribir(socios, "txtPorcentaje", "60");
        EXPECT_EQ(aceptar(socios), "txtcuit");
        EXPECT_EQ(avisos(), "Atención: El Cuit del Socio no es válido");
        EXPECT_EQ(test::texto(socios, "txtNombreApellido") + ' ' + test::texto(socios, "txtPorcentaje"),
                  "O'Connor, Ana 60");
        test::escribir(socios, "txtcuit", "20123456786");
        EXPECT_EQ(aceptar(socios), "Grilla");

        EXPECT_EQ(cargar(socios, "20123456786", "Otra", "10"), "txtcuit|txtcuit");
        EXPECT_EQ(avisos(), "Atención: El Socio ya existe para la Declaración Jurada");
        test::escribir(socios, "txtNombreApellido", "Beltrán\tPaz");
        test::escribir(socios, "txtcuit", "27301112225");
        EXPECT_EQ(aceptar(socios), "txtNombreApellido");
        EXPECT_EQ(avisos(), "Atención: El nombre del socio no puede tener saltos de línea ni tabulaciones");
        test::escribir(socios, "txtNombreApellido", "Beltrán Paz");
        test::escribir(socios, "txtPorcentaje", "40");
        EXPECT_EQ(aceptar(socios), "Grilla");
        EXPECT_EQ(cargar(socios, "20234567897", "Tercero", "1"), "txtcuit|txtPorcentaje");
        EXPECT_EQ(avisos(), kMasDe100);
        QTest::keyClick(socios, Qt::Key_Escape);

        // The 60 % partner: its CUIT stays; 70 is too much beside 40, 55 is not.
        test::hijo<QTableView>(*socios, "Grilla")->selectRow(0);
        QTest::keyClick(socios, Qt::Key_M, Qt::ControlModifier);
        EXPECT_EQ(foco(socios), "txtNombreApellido");
        EXPECT_FALSE(test::hijo<QWidget>(*socios, "txtcuit")->isEnabled());
        test::escribir(socios, "txtPorcentaje", "70");
        EXPECT_EQ(aceptar(socios), "txtPorcentaje");
        EXPECT_EQ(avisos(), kMasDe100);
        test::escribir(socios, "txtPorcentaje", "55");
        EXPECT_EQ(aceptar(socios), "Grilla");
        enSalida = lista(socios);
        test::pulsar(socios, "cmdSalir");
        EXPECT_FALSE(socios->isVisible());
    });
    EXPECT_EQ(avisos(), kIncompleto);
    EXPECT_EQ(enSalida, QStringList({"Cuit |            Nombre|%     ", "20-12345678-6|O'Connor, Ana|55,00",
                                     QString::fromUtf8("27-30111222-5|Beltrán Paz|40,00")}));
    EXPECT_EQ(guardados(), QStringList({"1|O'Connor, Ana|20-12345678-6|55",
                                        QString::fromUtf8("2|Beltrán Paz|27-30111222-5|40")}));
    EXPECT_TRUE(imagenesDelArbol().contains("frm617CompSocietaria=lleno"));
}

TEST_F(Socios617Pantalla, BorrarPreguntaYSalirSinSociosAvisaYCierra)
{
    test::crearDeclaracion617(sesion, 200503, 306);
    auto& socios = mostrar(new frm617CompSocietaria(sesion, mensajes));
    EXPECT_EQ(foco(&socios), "CmdNuevo");
    EXPECT_EQ(cargar(&socios, "20-12345678-6", "Ana", "60"), "txtcuit|Grilla");
    EXPECT_EQ(cargar(&socios, "27-30111222-5", "Beltrán", "40"), "txtcuit|Grilla");
    EXPECT_EQ(botones({"CmdNuevo", "CmdModificar", "CmdEliminarABM", "CmdEliminarTodos", "cmdAceptar"}), "NMEE-");

    // The second partner stays chosen after it is stored; "No" keeps it.
    EXPECT_EQ(texto("txtNombreApellido"), QString::fromUtf8("Beltrán"));
    mensajes.respuestas = {false, true};
    QTest::keyClick(&socios, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(&socios, Qt::Key_E, Qt::ControlModifier);
    const QString pregunta = QStringLiteral("Eliminación: Confirma eliminación del socio?");
    EXPECT_EQ(avisos(), pregunta + '|' + pregunta);
    EXPECT_EQ(guardados(), QStringList({"1|Ana|20-12345678-6|60"}));
    EXPECT_EQ(texto("txtcuit") + ' ' + texto("txtPorcentaje"), "20-12345678-6 60,00");

    QTest::keyClick(&socios, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(avisos(), "Eliminación de todos: Confirma eliminación de todos los socios?");
    EXPECT_EQ(guardados(), QStringList());
    EXPECT_EQ(botones({"CmdNuevo", "CmdModificar", "CmdEliminarABM", "CmdEliminarTodos"}), "N---");
    EXPECT_EQ(foco(&socios), "CmdNuevo");
    pulsar("cmdSalir");
    EXPECT_EQ(avisos(), kIncompleto);
    EXPECT_FALSE(socios.isVisible());
}
