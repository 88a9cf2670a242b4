#pragma once

#include "core/reloj.h"
#include "core/sesion.h"
#include "declarations/pantallas/frm_ddjj.h"
#include "support/arboles.h"
#include "support/controles.h"
#include "support/modal.h"
#include "support/sesion_de_prueba.h"

#include <QAction>
#include <QComboBox>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace veluma::test {

// A declaration manager over a fresh installation, for the session's first
// demo taxpayer, with the clock fixed.
class PantallaDDJJ : public SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        fijarReloj([this] { return reloj; });
    }
    void TearDown() override
    {
        delete pantalla.data();
        fijarReloj({});
    }

    frmDDJJ& abrir(int formulario)
    {
        sesion.formulario = formulario;
        pantalla = new frmDDJJ(sesion, mensajes, &menu);
        pantalla->show();
        pantalla->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(pantalla));
        return *pantalla;
    }

    template <class T = QWidget>
    T* control(const char* nombre)
    {
        return test::hijo<T>(*pantalla, nombre);
    }
    QToolButton* boton(const char* nombre) { return control<QToolButton>(nombre); }
    bool visible(const char* nombre) { return control(nombre)->isVisibleTo(pantalla); }
    void pulsar(const char* nombre) { test::pulsar(pantalla, nombre); }
    void escribir(const char* campo, const QString& texto) { test::escribir(pantalla, campo, texto); }

    // Creates a declaration through the screen, as the user would; `servicio` is the option chosen, if any.
    void crear(const QString& mes, const QString& anio, int secuencia = 0, const QString& campo1 = {},
               int servicio = 0)
    {
        pulsar("cmdNuevo");
        escribir("txtMesFiscal", mes);
        escribir("txtAñoFiscal", anio);
        control<QComboBox>("cboSecuencia")->setCurrentIndex(secuencia);
        if (!campo1.isNull())
            escribir("txtCampo1", campo1);
        if (auto* opcion = pantalla->findChild<QAbstractButton*>(QStringLiteral("optServicio_%1").arg(servicio)))
            opcion->click();
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

    QStringList imagenesDelArbol() { return imagenesDe(*control<QTreeWidget>("TreDDJJ")); }

    // Opens a node of the manager's tree with a double click; the screen it
    // opens, if any, is handed to `accion`.
    void abrirSeccion(const QString& clave, std::function<void(QWidget*)> accion = {})
    {
        QTreeWidgetItem* nodo = nodoDeClave(*control<QTreeWidget>("TreDDJJ"), clave);
        ASSERT_NE(nodo, nullptr) << clave.toStdString();
        if (accion)
            alAparecerModal(std::move(accion));
        emit control<QTreeWidget>("TreDDJJ")->itemDoubleClicked(nodo, 0);
    }

    QDateTime reloj{QDate(2026, 12, 6), QTime(10, 30, 0)};
    QAction menu{QStringLiteral("&Impuestos")};
    QPointer<frmDDJJ> pantalla;
};

}  // namespace veluma::test
