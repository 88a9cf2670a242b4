#pragma once

#include "core/clave_ddjj.h"
#include "pantallas/abm.h"
#include "pantallas/edicion.h"
#include "pantallas/pantalla_entrada.h"

class QGroupBox;
class QLineEdit;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace veluma {

class Mensajes;
class ModeloSalas;
struct Sesion;

// The cinema rooms of the declaration: list, editing, the tree of the four
// weeks of the selected room (from which its tickets are entered) and the
// printed list of rooms.
class frm708ListadoSalas : public PantallaEntrada {
    Q_OBJECT
public:
    // The rooms of the session's declaration; the ticket screens compute at its rate.
    frm708ListadoSalas(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

    // The screen opens with the focus on the week tree, its first week chosen.
    void empezarEnArbol();

protected:
    void showEvent(QShowEvent* evento) override;

private:

    void crearControles();
    void Form_Load();
    const ClaveDDJJ& clave() const;
    void CargarGrilla();
    void seleccionar(int fila);
    int filaSeleccionada() const;
    bool tieneFilas() const;
    void RefrescarDatos();
    void CargarArbol();
    void LimpiarCajas();
    void HabilitarEdicion(bool editando);
    void Grilla_HeadClick(int columna);
    void arbol_DblClick(QTreeWidgetItem* nodo);
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdeliminarabm_click();
    void cmdEliminarTodos_Click();
    void cmdImprimir_Click();
    // Ticket lines of any room and week from a CSV file that names them.
    void cmdImportar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    ModoEdicion modo_ = ModoEdicion::Consulta;
    QString campoOrden_;
    QString direccionOrden_;
    bool focoEnArbol_ = false;

    ModeloSalas* modelo_;
    QTableView* Grilla_;
    QGroupBox* frDatos_;
    QLineEdit* txtDenominacion_;
    QLineEdit* txtDomicilio_;
    QLineEdit* txtCodINCAA_;
    QGroupBox* FrArbol_;
    QTreeWidget* arbol_;
    BotonesABM botones_;
    QToolButton* cmdImprimir_;
    QToolButton* cmdImportar_;
};

}  // namespace veluma
