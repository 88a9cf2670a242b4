#pragma once

#include "core/reloj.h"
#include "core/sesion.h"
#include "declarations/pantallas/frm_ddjj.h"
#include "support/sesion_de_prueba.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

namespace veluma::test {

// A declaration manager over a fresh installation, for the session's first
// demo taxpayer, with the clock fixed.
class PantallaDDJJ : public SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        sesion.cuit = instalacion.cuits().first();
        fijarReloj([this] { return reloj; });
    }
    void TearDown() override
    {
        delete pantalla.data();
        fijarReloj({});
    }

    frmDDJJ& abrir(int formulario, const QString& titulo = QStringLiteral("Prueba"))
    {
        sesion.formulario = formulario;
        pantalla = new frmDDJJ(sesion, mensajes, &menu, titulo);
        pantalla->show();
        pantalla->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(pantalla));
        return *pantalla;
    }

    template <class T = QWidget>
    T* control(const char* nombre)
    {
        auto* encontrado = pantalla->findChild<T*>(QString::fromUtf8(nombre));
        EXPECT_NE(encontrado, nullptr) << nombre;
        return encontrado;
    }

    QToolButton* boton(const char* nombre) { return control<QToolButton>(nombre); }
    bool visible(const char* nombre) { return control(nombre)->isVisibleTo(pantalla); }
    void pulsar(const char* nombre) { boton(nombre)->click(); }

    void escribir(const char* campo, const QString& texto)
    {
        auto* linea = control<QLineEdit>(campo);
        linea->clear();
        linea->insert(texto);
    }

    // Creates a declaration through the screen, as the user would.
    void crear(const QString& mes, const QString& anio, int secuencia = 0, const QString& campo1 = {},
               int servicio = 0)
    {
        pulsar("cmdNuevo");
        escribir("txtMesFiscal", mes);
        escribir("txtAñoFiscal", anio);
        control<QComboBox>("cboSecuencia")->setCurrentIndex(secuencia);
        if (!campo1.isNull())
            escribir("txtCampo1", campo1);
        if (sesion.formulario == 617)
            control<QAbstractButton>(servicio == 0 ? "optServicio_0" : "optServicio_1")->click();
        pulsar("cmdAceptar");
    }

    QStringList filasDeLaLista()
    {
        QStringList filas;
        auto* modelo = control<QTableView>("GridDDJJ")->model();
        for (int i = 0; i < modelo->rowCount(); ++i)
            filas += modelo->index(i, 0).data().toString() + QLatin1Char(' ') + modelo->index(i, 1).data().toString();
        return filas;
    }

    // Each DDJJ row of the taxpayer as "PERIODO/SECUENCIA/FORMULARIO/CAMPO1/HORA".
    QStringList filasDDJJ()
    {
        Statement consulta = sesion.base.prepare(QStringLiteral(
            "SELECT PERIODO, SECUENCIA, FORMULARIO, CAMPO1, HORA FROM DDJJ WHERE CUIT=? ORDER BY rowid"));
        consulta.bind(1, sesion.cuit);
        QStringList filas;
        while (consulta.next())
            filas += QStringLiteral("%1/%2/%3/%4/%5")
                         .arg(*consulta.integer(0))
                         .arg(*consulta.integer(1))
                         .arg(*consulta.integer(2))
                         .arg(*consulta.text(3), consulta.text(4).value_or(QString()));
        return filas;
    }

    // The image of each tree node, "key=image", in tree order.
    QStringList imagenesDelArbol()
    {
        QStringList imagenes;
        auto* arbol = control<QTreeWidget>("TreDDJJ");
        for (int r = 0; r < arbol->topLevelItemCount(); ++r) {
            QTreeWidgetItem* raiz = arbol->topLevelItem(r);
            imagenes += raiz->data(0, Qt::UserRole).toString() + '=' + raiz->data(0, Qt::UserRole + 1).toString();
            for (int i = 0; i < raiz->childCount(); ++i)
                imagenes += raiz->child(i)->data(0, Qt::UserRole).toString() + '='
                            + raiz->child(i)->data(0, Qt::UserRole + 1).toString();
        }
        return imagenes;
    }

    QDateTime reloj{QDate(2026, 12, 6), QTime(10, 30, 0)};
    QAction menu{QStringLiteral("&Impuestos")};
    QPointer<frmDDJJ> pantalla;
};

}  // namespace veluma::test
