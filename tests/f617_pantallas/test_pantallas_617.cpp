#include "f617/pantallas/frm617_ingresos_conceptos.h"
#include "f617/pantallas/frm617_licencias.h"
#include "f617/pantallas/frm617_licencias_detalle.h"
#include "f617/pantallas/frm617_total_licencias.h"
#include "pantallas/pantalla_de_prueba.h"
#include "support/declaracion_617.h"
#include "support/pdf.h"
#include "generation/verificacion_archivo.h"
#include "support/verificador.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace veluma;
using veluma::test::alAparecerModalDe;

namespace {

// The screens of a Form 617 declaration, driven from the manager's tree and the licences tree.
class Pantallas617 : public veluma::test::PantallaDePrueba {
protected:
    // A new licence typed in the licences screen; the service type it showed, then what it said and where the
    // cursor went.
    QString cargarLicencia(QWidget* licencias, const QString& razon, const QString& tipo, const QString& inicio)
    {
        QTest::keyClick(licencias, Qt::Key_N, Qt::ControlModifier);
        test::escribir(licencias, "txtApellidoNombre", razon);
        test::escribir(licencias, "txtDomicilio", QStringLiteral("Av. de Mayo 1370"));
        test::escribir(licencias, "txtTipoServicio", tipo);
        test::escribir(licencias, "FhInicioActividades", inicio);
        const QString servicio = test::hijo<QComboBox>(*licencias, "ComboTipo")->currentText();
        test::pulsar(licencias, "cmdAceptar");
        // The screen's own focus: on a loaded machine the window may be told it is active late.
        return servicio + '|' + avisos() + '|' + licencias->focusWidget()->objectName();
    }
    // Opens a section of the selected licence; `accion` gets its screen.
    template <class P>
    static void abrirDeLicencia(QWidget* licencias, const QString& nodo, std::function<void(P*)> accion)
    {
        auto& arbol = *test::hijo<QTreeWidget>(*licencias, "arbol");
        alAparecerModalDe<P>(std::move(accion));
        emit arbol.itemDoubleClicked(test::nodoDeClave(arbol, nodo), 0);
    }
    static void cargarConceptos(QWidget* licencias, const std::vector<std::pair<QString, QString>>& conceptos,
                                QStringList& vistos)
    {
        abrirDeLicencia<frm617IngresosConceptos>(licencias, "Ingresos", [&](frm617IngresosConceptos* pantalla) {
            for (const auto& [codigo, importe] : conceptos) {
                QTest::keyClick(pantalla, Qt::Key_N, Qt::ControlModifier);
                test::escribir(pantalla, "txtTipoConcepto", codigo);
                test::escribir(pantalla, "txtFacturacionBruta", importe);
                test::pulsar(pantalla, "cmdAceptar");
            }
            vistos += test::hijo<QTableView>(*pantalla, "Grilla")->model()->index(0, 1).data().toString();
            auto* totales = test::hijo<QTableWidget>(*pantalla, "GrillaTotales");
            for (int fila = 0; fila < totales->rowCount(); ++fila)
                vistos += totales->item(fila, 1)->text();
            test::pulsar(pantalla, "cmdSalir");
        });
    }
    // The legal detail of the selected licence: the acts typed as (number field, number, date field, date).
    static void cargarDetalle(QWidget* licencias, const std::vector<std::array<const char*, 4>>& actos)
    {
        abrirDeLicencia<frm617LicenciasDetalle>(licencias, "Detalle", [&](frm617LicenciasDetalle* detalle) {
            for (const auto& [numero, valor, fecha, dia] : actos) {
                test::escribir(detalle, numero, valor);
                test::escribir(detalle, fecha, dia);
            }
            test::pulsar(detalle, "CmdAceptar");
            if (detalle->isVisible())  // refused: left with Cancel
                test::pulsar(detalle, "CmdCancelar");
        });
    }
    // The figures of the totals screen, in order.
    static QString cifras(QWidget* totales)
    {
        QStringList valores;
        for (const char* caja : {"txtTotalFacturacionBruta", "txtSubTotal", "txtAlicuota", "txtImpuestoIngresar",
                                 "txtImporteExento", "txtTotalPagarLicencias"})
            valores += test::texto(totales, caja);
        return valores.join(' ');
    }
};

}  // namespace

TEST_F(Pantallas617, UnaDeclaracionCompletaDaElTotalElFormularioImpresoYUnArchivoQueElVerificadorAcepta)
{
    QTemporaryDir salida;
    QTemporaryDir carpetaCD;
    abrir(617);
    crear("03", "2005");
    ASSERT_EQ(sesion.declaracion.campo1, "306");

    abrirSeccion(QStringLiteral("frm617CompSocietaria"), [&](QWidget* socios) {
        for (const auto& [cuit, nombre, porcentaje] :
             {std::array{"20123456786", "O'Brien, Juan", "60"}, std::array{"27234567891", "Ávalos, María", "40"}}) {
            QTest::keyClick(socios, Qt::Key_N, Qt::ControlModifier);
            QTest::keyClicks(socios->focusWidget(), cuit);
            test::escribir(socios, "txtNombreApellido", QString::fromUtf8(nombre));
            test::escribir(socios, "txtPorcentaje", porcentaje);
            test::pulsar(socios, "cmdAceptar");
        }
        test::pulsar(socios, "cmdSalir");
    });
    EXPECT_EQ(avisos(), "");  // 100 % reached: leaving says nothing

    QStringList totalesConceptos;
    QString totalLicencias;
    abrirSeccion(QStringLiteral("frm617Licencias"), [&](QWidget* licencias) {
        EXPECT_EQ(cargarLicencia(licencias, "Cable Sur", "2", "31/02/2005"),
                  "Televisión por suscripción por vínculo físico (cable)|Atención: La fecha de Inicio de Actividades "
                  "no es válida|FhInicioActividades");
        test::escribir(licencias, "FhInicioActividades", "28/02/2005");
        test::pulsar(licencias, "cmdAceptar");
        EXPECT_EQ(cargarLicencia(licencias, "Cable Sur", "02", "01/01/2000"),
                  "Televisión por suscripción por vínculo físico (cable)|Atención: La Licencia ya existe para la "
                  "Declaración Jurada.|txtApellidoNombre");
        QTest::keyClick(licencias, Qt::Key_Escape);
        EXPECT_EQ(cargarLicencia(licencias, "Canal 9", "1", "15/07/2004"), "Televisión abierta||Grilla");

        // The razón social header sorts one way, then the other.
        auto* grilla = test::hijo<QTableView>(*licencias, "Grilla");
        QStringList orden;
        for (int clic = 0; clic < 2; ++clic) {
            emit grilla->horizontalHeader()->sectionClicked(0);
            orden += grilla->model()->index(0, 0).data().toString();
        }
        EXPECT_EQ(orden, QStringList({"Cable Sur", "Canal 9"}));

        grilla->selectRow(1);  // Cable Sur: 10000 less 1000 at 5 %
        // A decree number without its date is refused; with it, stored.
        cargarDetalle(licencias, {{"txtNroDecreto", "123", "fhFechaNroDecreto", ""}});
        EXPECT_EQ(avisos(),
                  "Información: Si completa el número de decreto debe completar la fecha del mismo|"
                  "Atención: Debe ingresar por lo menos un Número con su respectiva Fecha.");
        cargarDetalle(licencias, {{"txtNroDecreto", "123", "fhFechaNroDecreto", "02/01/2001"}});
        cargarConceptos(licencias, {{"100", "6000"}, {"120", "4000"}, {"120", "1"}}, totalesConceptos);
        EXPECT_EQ(avisos(), "Atención: El Concepto que intenta agregar ya existe.");
        abrirDeLicencia<frm617LicenciasTotalLicencias>(licencias, "Totales", [&](frm617LicenciasTotalLicencias* t) {
            test::escribir(t, "txtDescuentosBonificaciones", "1000");
            auto* exenciones = test::hijo<QComboBox>(*t, "ComboExenciones");
            exenciones->setCurrentIndex(exenciones->findData(2));
            emit exenciones->activated(exenciones->currentIndex());
            test::escribir(t, "txtNumero", "12");
            test::escribir(t, "txtPorcentaje", "50");
            test::escribir(t, "txtImporteExentoIngresar", "451");
            EXPECT_EQ(cifras(t), "10000 9000 5 450 225 -1");
            test::pulsar(t, "CmdAceptar");
            test::escribir(t, "txtImporteExentoIngresar", "300");
            test::pulsar(t, "CmdAceptar");
            test::escribir(t, "txtNroArticulo", "3");
            EXPECT_EQ(cifras(t), "10000 9000 5 450 225 150");
            test::pulsar(t, "CmdAceptar");
        });
        EXPECT_EQ(avisos(),
                  "Atención: El Importe exento a ingresar es inválido|"
                  "Atención: Falta ingresar Número de Artículo.");
        EXPECT_EQ(test::imagenesDe(*test::hijo<QTreeWidget>(*licencias, "arbol")),
                  QStringList({"LIC=abierto", "Detalle=lleno", "Ingresos=lleno", "Totales=lleno"}));

        grilla->selectRow(0);  // Canal 9: 1250 at 8 %
        cargarDetalle(licencias, {{"txtNroInscripcion", "77", "FhFechaNroInscripcion", "15/07/2004"}});
        cargarConceptos(licencias, {{"116", "1250"}}, totalesConceptos);
        totalLicencias = test::texto(licencias, "txtTotalLicencias");
        test::pulsar(licencias, "cmdSalir");
    });
    EXPECT_EQ(totalesConceptos.join(' '),
              "6.000,00 6.000,00 0,00 0,00 0,00 10.000,00 1.250,00 0,00 0,00 1.250,00 0,00 1.250,00");
    EXPECT_EQ(totalLicencias, "250");
    EXPECT_TRUE(imagenesDelArbol().contains("frm617TotalAPagar=lleno"));

    const QString pdf = salida.filePath(QStringLiteral("f617.pdf"));
    QString total;
    abrirSeccion(QStringLiteral("frm617TotalAPagar"), [&](QWidget* pagar) {
        total = test::texto(pagar, "txtTotalAPagar");
        imprimirYGenerarEnCd(pagar, pdf, carpetaCD.path());
    });
    EXPECT_EQ(total, "250");
    EXPECT_EQ(mensajes.mensajes.count(QStringLiteral("Información: El proceso finalizó correctamente.")), 1)
        << mensajes.mensajes.join('|').toStdString();
    const QStringList archivos = QDir(carpetaCD.path()).entryList(QDir::Files);
    ASSERT_EQ(archivos.size(), 1) << archivos.join(' ').toStdString();
    EXPECT_TRUE(archivos.first().contains(QStringLiteral("F0617307045182652005030")));
    const QString verificado =
        test::salidaDelVerificador(sesion.instalacion.carpetaPrograma(), {carpetaCD.filePath(archivos.first())});
    // Header, two partners, the records of two licences, three concepts and the closing ones.
    const QStringList registros = VerificarPresentacion({carpetaCD.filePath(archivos.first())}).registros;
    QStringList tipos;
    for (const QString& registro : registros)
        tipos += registro.left(2);
    EXPECT_EQ(tipos.join(' '), "01 02 02 03 03 04 04 04 05 05 06 06 07 20 99") << verificado.toStdString();
    EXPECT_EQ(registros.last(), "99306000000000025000");
    const QString textoPdf = test::textoDelPdf(pdf).value_or(QString());
    for (const char* esperado : {"03/2005", "Cable Sur", "Canal 9", "11.250,00", "1.000,00", "550,00", "300,00", "250,00"})
        EXPECT_TRUE(textoPdf.contains(QString::fromUtf8(esperado))) << esperado;
}
