#include "f617/pantallas/frm617_comp_societaria.h"
#include "pantallas/pantalla_de_prueba.h"

using namespace veluma;

namespace {

// The partners screen of a Form 617 declaration, opened from the manager's tree and typed into as a user would.
class Socios617Pantalla : public veluma::test::PantallaDePrueba {
protected:
    // The screen's own focus: on a loaded machine the window may be told it is active late.
    static QString foco(QWidget* socios) { return socios->focusWidget()->objectName(); }
    // Accepts what is typed: what was said, then where the cursor went.
    QString aceptar(QWidget* socios)
    {
        test::pulsar(socios, "cmdAceptar");
        return avisos() + '|' + foco(socios);
    }
    // A new partner, its CUIT typed digit by digit where Nuevo put the cursor.
    QString cargar(QWidget* socios, const QString& cuit, const QString& nombre, const QString& porcentaje)
    {
        QTest::keyClick(socios, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClicks(socios->focusWidget(), cuit);
        test::escribir(socios, "txtNombreApellido", nombre);
        test::escribir(socios, "txtPorcentaje", porcentaje);
        return aceptar(socios);
    }
    // The list, a row "CUIT|name|share" under the captions, then the stored rows.
    QStringList filas(QWidget* socios)
    {
        const QAbstractItemModel* lista = test::hijo<QTableView>(*socios, "Grilla")->model();
        QStringList filas;
        for (int f = -1; f < lista->rowCount(); ++f)
            for (int c = 0; c < 3; ++c)
                filas += f < 0 ? lista->headerData(c, Qt::Horizontal).toString() : lista->index(f, c).data().toString();
        return filas
               + test::filasDeConsulta(sesion.base,
                                       "SELECT CodigoSocio || ' ' || CuitSocio || ' ' || Porcentaje "
                                       "FROM [617CompSocietaria] ORDER BY CodigoSocio");
    }
};

}  // namespace

TEST_F(Socios617Pantalla, CadaComprobacionDejaLoEscritoYSalirAvisaSiNoSeLlegaACienYCierraIgual)
{
    const QString masDe100 = QStringLiteral("Atención: La suma de los porcentajes no puede superar 100.");
    abrir(617);
    crear("03", "2005");
    QStringList vistas;
    abrirSeccion(QStringLiteral("frm617CompSocietaria"), [&](QWidget* socios) {
        // A share of 0 is reported before the check digit.
        EXPECT_EQ(cargar(socios, "20123456785", "O'Connor", "0"),
                  "Atención: Debe completar el porcentaje de participación|txtPorcentaje");
        test::escribir(socios, "txtPorcentaje", "60");
        EXPECT_EQ(aceptar(socios), "Atención: El Cuit del Socio no es válido|txtcuit");
        test::escribir(socios, "txtcuit", "20123456786");
        EXPECT_EQ(aceptar(socios), "|Grilla");
        EXPECT_EQ(cargar(socios, "20123456786", "Otra", "10"),
                  "Atención: El Socio ya existe para la Declaración Jurada|txtcuit");
        QTest::keyClick(socios, Qt::Key_Escape);
        EXPECT_EQ(cargar(socios, "27301112225", "Beltrán", "40"), "|Grilla");
        EXPECT_EQ(cargar(socios, "20234567897", "Tercero", "1"), masDe100 + "|txtPorcentaje");
        QTest::keyClick(socios, Qt::Key_Escape);

        // The 60 % partner: its CUIT stays; 70 is too much beside 40, 55 is not.
        test::hijo<QTableView>(*socios, "Grilla")->selectRow(0);
        QTest::keyClick(socios, Qt::Key_M, Qt::ControlModifier);
        EXPECT_EQ(foco(socios) + test::texto(socios, "txtPorcentaje"), "txtNombreApellido60,00");
        EXPECT_FALSE(test::hijo<QWidget>(*socios, "txtcuit")->isEnabled());
        test::escribir(socios, "txtPorcentaje", "70");
        EXPECT_EQ(aceptar(socios), masDe100 + "|txtPorcentaje");
        test::escribir(socios, "txtPorcentaje", "55");
        EXPECT_EQ(aceptar(socios), "|Grilla");
        vistas = filas(socios);
        test::pulsar(socios, "cmdSalir");
    });
    const QString incompleto = QStringLiteral("Atención: No se ha completado el 100 % de la Composición Societaria.");
    EXPECT_EQ(avisos(), incompleto);
    EXPECT_EQ(vistas.join('|'),
              "Cuit |            Nombre|%     |20-12345678-6|O'Connor|55,00|27-30111222-5|Beltrán|"
              "40,00|1 20-12345678-6 55.0|2 27-30111222-5 40.0");

    // "No" keeps the partner, "Sí" deletes it; then all of them go, and leaving with none still warns.
    mensajes.respuestas = {false, true};
    abrirSeccion(QStringLiteral("frm617CompSocietaria"), [&](QWidget* socios) {
        QTest::keyClick(socios, Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(socios, Qt::Key_E, Qt::ControlModifier);
        vistas = filas(socios).mid(6);
        QTest::keyClick(socios, Qt::Key_T, Qt::ControlModifier);
        vistas += filas(socios).mid(3) << foco(socios);
        test::pulsar(socios, "cmdSalir");
    });
    const QString pregunta = QStringLiteral("Eliminación: Confirma eliminación del socio?|");
    EXPECT_EQ(avisos(),
              pregunta + pregunta + "Eliminación de todos: Confirma eliminación de todos los socios?|" + incompleto);
    EXPECT_EQ(vistas.join('|'), "2 27-30111222-5 40.0|CmdNuevo");
    EXPECT_TRUE(imagenesDelArbol().contains("frm617CompSocietaria=vacio"));
}
