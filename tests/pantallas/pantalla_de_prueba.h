#pragma once

#include "core/reloj.h"
#include "declarations/pantallas/frm_ddjj.h"
#include "generation/pantallas/frm_generar.h"
#include "generation/pantallas/generar_presentacion.h"
#include "pantallas_instaladas.h"
#include "support/controles.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/modal.h"
#include "support/sesion_de_prueba.h"
#include "support/unidades_simuladas.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QPointer>
#include <QTabWidget>
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

    // The name of the control with the focus, empty when none has it.
    static QString foco()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // The messages shown since the last look, joined by '|'.
    QString avisos()
    {
        const QString vistos = mensajes.mensajes.join('|');
        mensajes.mensajes.clear();
        return vistos;
    }

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

    // On a balance screen: the form saved as `pdf` through the print screen's own dialog, the file generated for a CD
    // into `carpetaCD` (a USB drive offered beside it), and the screen closed.
    static void imprimirYGenerarEnCd(QWidget* saldo, const QString& pdf, const QString& carpetaCD)
    {
        UnidadesSimuladas unidades;
        unidades.agregar(QStringLiteral("USB"), 1'440'000);
        fijarUnidadesDeDestino(&unidades);
        imprimirEnPdf(saldo, pdf);
        alAparecerModalDe<frmGenerar>([&](frmGenerar* destino) {
            destino->elegirCarpeta(DestinoGeneracion::CD, carpetaCD);
            hijo<QTabWidget>(*destino, "tabDestino")->setCurrentIndex(int(DestinoGeneracion::CD));
            test::pulsar(destino, "cmdAceptar");
            test::pulsar(destino, "cmdSalir");
        });
        test::pulsar(saldo, "cmdGenerar");
        test::pulsar(saldo, "cmdSalir");
        fijarUnidadesDeDestino(nullptr);
    }

    // On a total screen: the form saved as `pdf` through the print screen's own dialog.
    static void imprimirEnPdf(QWidget* total, const QString& pdf)
    {
        alAparecerModal([&](QWidget* impresion) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return hijo<QWidget>(*impresion, "cmdPdf")->isEnabled(); }, 10000));
            alAparecerModalDe<QFileDialog>([&](QFileDialog* dialogo) {
                dialogo->setDirectory(QFileInfo(pdf).path());
                hijo<QLineEdit>(*dialogo, "fileNameEdit")->setText(QFileInfo(pdf).fileName());
                static_cast<QDialog*>(dialogo)->accept();
            });
            test::pulsar(impresion, "cmdPdf");
            test::pulsar(impresion, "cmdSalir");
        });
        test::pulsar(total, "cmdFormulario");
    }

    QDateTime reloj{QDate(2026, 12, 6), QTime(10, 30, 0)};
    QAction menu{QStringLiteral("&Impuestos")};
    QPointer<QWidget> pantalla;
};

}  // namespace veluma::test
