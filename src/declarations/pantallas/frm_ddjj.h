#pragma once

#include "declarations/ddjj.h"
#include "pantallas/edicion.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace veluma {

class Formulario;
class Mensajes;
class ModeloDDJJ;
struct Sesion;

// The declaration manager: the declarations of the chosen form, their
// creation, rate change and deletion, and the tree of the form's sections.
class frmDDJJ : public QWidget {
    Q_OBJECT
public:
    // The declarations of the session's form. `menuFormulario` is the main
    // window's form menu, locked while the manager is open.
    frmDDJJ(Sesion& sesion, Mensajes& mensajes, QAction* menuFormulario, QWidget* parent = nullptr);
    ~frmDDJJ() override;

signals:
    void cerrado();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:

    void crearControles();
    void Form_Load();
    void ConfigurarPantalla();
    void CargarLista();  // reads the list and chooses its first declaration
    void leerLista();
    void CargarArbol();
    clsDDJJ CargarObjeto() const;
    void GridDDJJ_RowColChange();
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdEliminar_Click();
    void cmdCopiar_Click();
    void cmdExportar_Click();
    void cmdsalir_Click();
    void TreDDJJ_DblClick(QTreeWidgetItem* nodo);
    void txtMesFiscal_Change();
    bool ValidarDatos();
    void LimpiarCampos();
    void HabilitarEdicion(bool editando);
    void MostrarDatosDDJJ();
    void ActualizarEstadoNodos();
    void seleccionar(int fila);
    int filaSeleccionada() const;
    bool tieneFilas() const;
    void liberarMenu();
    QString valorEscrito() const;             // the form value as typed or chosen
    void mostrarValor(const QString& campo1);  // a stored CAMPO1, as the field shows it
    void ponerValor(const QString& valor);     // a value as the user would type or choose it

    Sesion& sesion_;
    Mensajes& mensajes_;
    const Formulario& formulario_;
    QPointer<QAction> menuFormulario_;
    ModoEdicion modo_ = ModoEdicion::Consulta;

    ModeloDDJJ* modelo_;
    QTableView* GridDDJJ_;
    QTreeWidget* TreDDJJ_;
    QGroupBox* fraDatos_;
    QLineEdit* txtMesFiscal_;
    QLineEdit* txtAnioFiscal_;
    QComboBox* cboSecuencia_;
    QGroupBox* fraServicio_;
    QButtonGroup* optServicio_;
    QWidget* fraCampo1_;
    QLabel* lblCampo1_;
    QLineEdit* txtCampo1_;
    QToolButton* cmdNuevo_;
    QToolButton* cmdModificar_;
    QToolButton* cmdEliminar_;
    QToolButton* cmdCopiar_;
    QToolButton* cmdExportar_;
    QToolButton* cmdAceptar_;
    QToolButton* cmdCancelar_;
    QToolButton* cmdSalir_;
};

}  // namespace veluma
