#pragma once

#include "core/reloj.h"
#include "declarations/pantallas/frm_ddjj.h"
#include "pantallas_instaladas.h"
#include "support/controles.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/modal.h"
#include "support/sesion_de_prueba.h"

#include <QAction>
#include <QComboBox>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace veluma::test {

// The tree node whose key (the data the screens keep at Qt::UserRole) is `clave`; null when none is.
inline QTreeWidgetItem* nodoDeClave(QTreeWidget& arbol, const QString& clave)
{
    for (QTreeWidgetItem* nodo : arbol.findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
        if (nodo->data(0, Qt::UserRole).toString() == clave)
            return nodo;
    return nullptr;
}

// "key=image" of every node, in tree order.
inline QStringList imagenesDe(QTreeWidget& arbol)
{
    QStringList imagenes;
    for (QTreeWidgetItem* nodo : arbol.findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
        imagenes += nodo->data(0, Qt::UserRole).toString() + '=' + nodo->data(0, Qt::UserRole + 1).toString();
    return imagenes;
}

// A screen over a fresh installation, for the session's first demo taxpayer, with the clock fixed and the sections
// registered; the screen is driven as the user would.
class PantallaDePrueba : public SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        registrarPantallas();
        fijarReloj([this] { return reloj; });
    }
    void TearDown() override
    {
        delete pantalla.data();
        fijarReloj({});
    }

    // Shows the screen, active, in place of the one before, as the manager would open it.
    template <class P>
    P& mostrar(P* nueva)
    {
        delete pantalla.data();
        pantalla = nueva;
        nueva->show();
        nueva->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(nueva));
        return *nueva;
    }
    // The declaration manager of a form.
    frmDDJJ& abrir(int formulario)
    {
        sesion.formulario = formulario;
        return mostrar(new frmDDJJ(sesion, mensajes, &menu));
    }

    template <class T = QWidget>
    T* control(const char* nombre)
    {
        return test::hijo<T>(*pantalla, nombre);
    }
    QString texto(const char* caja) { return test::texto(pantalla, caja); }
    void pulsar(const char* nombre) { test::pulsar(pantalla, nombre); }
    void escribir(const char* caja, const QString& valor) { test::escribir(pantalla, caja, valor); }

    // The visible buttons among `nombres`, by the letter after "cmd"; "-" for each hidden one.
    QString botones(std::initializer_list<const char*> nombres)
    {
        QString vistos;
        for (const char* nombre : nombres)
            vistos += control(nombre)->isVisibleTo(pantalla) ? QChar(QLatin1Char(nombre[3])) : QChar(u'-');
        return vistos;
    }

    // Creates a declaration through the manager; `servicio` is the option chosen, if any.
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

    // The manager's list, "MM/AAAA secuencia" a row.
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
        return filasDeConsulta(sesion.base, QStringLiteral("SELECT PERIODO || '/' || SECUENCIA || '/' || FORMULARIO "
                                                           "|| '/' || CAMPO1 || '/' || ifnull(HORA, '') FROM DDJJ "
                                                           "ORDER BY rowid"));
    }

    QStringList imagenesDelArbol() { return imagenesDe(*control<QTreeWidget>("TreDDJJ")); }

    // Opens a node of the manager's tree with a double click; the screen it opens, if any, is handed to `accion`.
    void abrirSeccion(const QString& clave, std::function<void(QWidget*)> accion = {})
    {
        QTreeWidgetItem* nodo = nodoDeClave(*control<QTreeWidget>("TreDDJJ"), clave);
        ASSERT_NE(nodo, nullptr) << clave.toStdString();
        if (accion)
            alAparecerModal(std::move(accion));
        emit control<QTreeWidget>("TreDDJJ")->itemDoubleClicked(nodo, 0);
    }

    // "COD_SALA|NRO_SEMANA|PRECIO_VENTA|CANT" of every ticket line of May 2004.
    QStringList lineas()
    {
        return filasDeConsulta(sesion.base, "SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA "
                                            "FROM [708ImpuestoDeterminado] WHERE PERIODO=200405 ORDER BY COD_SALA, "
                                            "NRO_SEMANA, PRECIO_VENTA");
    }

    QDateTime reloj{QDate(2026, 12, 6), QTime(10, 30, 0)};
    QAction menu{QStringLiteral("&Impuestos")};
    QPointer<QWidget> pantalla;
};

}  // namespace veluma::test
