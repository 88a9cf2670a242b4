#pragma once

#include "printing/configuracion_reporte.h"
#include "printing/pantallas/impresora.h"

#include <QDialog>
#include <functional>
#include <memory>

class QPrintPreviewWidget;
class QTimer;
class QToolButton;

namespace veluma {

class Database;
class Liquidacion;
class Mensajes;
class ReporteArmado;
struct Sesion;

// The print screen: the report shown as its pages, to print on the default
// printer or save as PDF. The report is read the first time the screen is
// shown; the buttons wake one second after the pages are shown.
class frmImpresion : public QDialog {
    Q_OBJECT
public:
    // Sends the report to the printer and gives the job's result code.
    using Impresora = std::function<int(const ReporteArmado&)>;

    frmImpresion(ConfiguracionReporte configuracion, Database& base, Mensajes& mensajes, QWidget* parent = nullptr,
                 Impresora impresora = imprimirEnPredeterminada);
    ~frmImpresion() override;

    static constexpr int kEsperaBotonesMs = 1000;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void crearControles();
    void EjecutarReporte();
    void cmdImprimir_Click();
    void cmdPdf_Click();

    ConfiguracionReporte configuracion_;
    Database& base_;
    Mensajes& mensajes_;
    Impresora impresora_;
    bool yaMostrado_ = false;
    std::unique_ptr<ReporteArmado> reporte_;

    QPrintPreviewWidget* vista_;
    QTimer* tmrBotones_;
    QToolButton* cmdImprimir_;
    QToolButton* cmdPdf_;
    QToolButton* cmdSalir_;
};

// The printed form of a settled declaration on the print screen, over
// `padre`; a failure is told.
void imprimirFormulario(QWidget* padre, const Liquidacion& liquidacion, Sesion& sesion, Mensajes& mensajes);

}  // namespace veluma
