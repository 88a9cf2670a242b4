#pragma once

#include "core/instalacion.h"
#include "generation/confirmacion_generacion.h"
#include "generation/datos_generacion.h"
#include "generation/medios.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace veluma {

class Mensajes;

// The destination step: where the submission file of the declaration just
// generated goes (diskettes, a folder for a CD, a file for the Internet).
// Stays open after each copy, so one declaration can go to several places;
// leaving it deletes the declaration's working file.
class frmGenerar : public QDialog, private AvisoDeAvance {
    Q_OBJECT
public:
    frmGenerar(const Instalacion& instalacion, Mensajes& mensajes, const DatosGeneracion& datos, Unidades& unidades,
               QWidget* parent = nullptr);
    ~frmGenerar() override;

    // Points the folder picker of the CD or Internet tab at `carpeta`, as a
    // click on it in the tree does.
    void elegirCarpeta(DestinoGeneracion destino, const QString& carpeta);

    // Cancelar, Escape and closing the window.
    void reject() override;

protected:
    // Enter is Aceptar, as on a default button, wherever the list or field
    // with the focus does not take it.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    class SelectorCarpeta;

    QWidget* crearPestanaDisquete();
    void cargarDisqueteras();
    void mostrarFormatear(const QString& entrada);
    void cmdFormatear_Click();
    void cmdAceptar_Click();
    void generar(DestinoGeneracion destino);
    void copiarEnDisquetes(const QString& origen);
    SelectorCarpeta& selector(DestinoGeneracion destino);

    void ponerMaximo(qint64 maximo) override;
    void ponerValor(qint64 valor) override;
    void ponerEstado(const QString& porcentaje) override;
    void ponerEtiqueta(const QString& texto) override;

    Instalacion instalacion_;
    Mensajes& mensajes_;
    DatosGeneracion datos_;
    Unidades& unidades_;
    qint64 escala_ = 1;  // the bar counts in ints: big maxima are shown scaled down

    QTabWidget* tabDestino_;
    QComboBox* cboDisqueteras_;
    QPushButton* cmdFormatear_;
    std::unique_ptr<SelectorCarpeta> selectorCD_;
    std::unique_ptr<SelectorCarpeta> selectorInternet_;
    QLabel* lblPorc_;
    QProgressBar* ProgressBar_;
    QLabel* panelPorcentaje_;
};

}  // namespace veluma
