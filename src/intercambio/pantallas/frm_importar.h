#pragma once

#include "intercambio/importacion.h"
#include "pantallas/pantalla_entrada.h"

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTableView;
class QToolButton;

namespace veluma {

class Database;
class Mensajes;
class ModeloLineasImportadas;

// The preview of a file before it is imported: the columns it is read
// with, every line as it will be stored or why it is refused, and what to
// do with lines already stored. "Importar" stores them all in one
// transaction; nothing is stored before.
class frmImportar : public PantallaEntrada {
    Q_OBJECT
public:
    frmImportar(Importacion& importacion, Database& base, Mensajes& mensajes, QWidget* parent = nullptr);

    // How many lines were stored; 0 until "Importar" succeeds.
    int importadas() const { return importadas_; }

private:
    void crearControles();
    void crearColumnas();
    void columnaElegida(int columna);
    void encabezadoCambiado();
    void mostrarResultado();
    void cmdImportar_Click();

    Importacion& importacion_;
    Database& base_;
    Mensajes& mensajes_;
    int importadas_ = 0;

    QLabel* lblArchivo_;
    QCheckBox* chkEncabezado_;
    QGroupBox* frColumnas_;
    std::vector<QComboBox*> cboColumnas_;
    QTableView* grdLineas_;
    ModeloLineasImportadas* modelo_;
    QLabel* lblResumen_;
    QGroupBox* frCargadas_;
    QRadioButton* optReemplazar_;
    QRadioButton* optOmitir_;
    QToolButton* cmdImportar_;
    QToolButton* cmdCancelar_;
};

struct Sesion;

// Builds the screen's importer, asks for a CSV file, shows the preview and
// stores its lines when the user accepts. How many lines were stored: 0 when
// the user gave up or the file could not be read (the user has been told why).
int importarArchivo(QWidget* padre, Sesion& sesion, Mensajes& mensajes,
                    const std::function<std::unique_ptr<Importador>()>& crearImportador);

}  // namespace veluma
