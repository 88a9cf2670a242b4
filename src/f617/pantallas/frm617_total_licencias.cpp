#include "f617/pantallas/frm617_total_licencias.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/licencias_617.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"
#include "printing/textos_impresos.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

namespace {

const QString kImporte = QStringLiteral("[0-9.,]{0,22}");

double valor(const QLineEdit* campo) { return leerNumero(campo->text().trimmed()).value_or(0); }

}  // namespace

frm617LicenciasTotalLicencias::frm617LicenciasTotalLicencias(Sesion& sesion, Mensajes& mensajes,
                                                             cls617Licencias& licencia, QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes), LicenciaActual(licencia)
{
    setObjectName(QStringLiteral("frm617LicenciasTotalLicencias"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm617LicenciasTotalLicencias::crearControles()
{
    cmdAceptar_ = crearBoton(this, Boton::Aceptar, QStringLiteral("&Aceptar"), QStringLiteral("CmdAceptar"));
    cmdCancelar_ = crearBoton(this, Boton::Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("CmdCancelar"));
    auto* picBarra = crearBarra(*this, {cmdAceptar_}, cmdCancelar_);

    auto* frDatos = new QGroupBox(QStringLiteral("Total por Licencia"), this);
    frDatos->setObjectName(QStringLiteral("frDatos"));
    txtTotalFacturacionBruta_ = crearCajaNumerica(frDatos, QStringLiteral("txtTotalFacturacionBruta"), {}, 170);
    txtDescuentosBonificaciones_ =
        crearCajaNumerica(frDatos, QStringLiteral("txtDescuentosBonificaciones"), kImporte, 170);
    txtSubTotal_ = crearCajaNumerica(frDatos, QStringLiteral("txtSubTotal"), {}, 170);
    txtAlicuota_ = crearCajaNumerica(frDatos, QStringLiteral("txtAlicuota"), {}, 170);
    txtImpuestoIngresar_ = crearCajaNumerica(frDatos, QStringLiteral("txtImpuestoIngresar"), {}, 170);
    ComboExenciones_ = new QComboBox(frDatos);
    ComboExenciones_->setObjectName(QStringLiteral("ComboExenciones"));
    ComboExenciones_->setMinimumWidth(260);
    auto* datos = new QFormLayout(frDatos);
    datos->addRow(QStringLiteral("Total Facturación Bruta:"), txtTotalFacturacionBruta_);
    datos->addRow(QStringLiteral("&Descuentos y Bonificaciones:"), txtDescuentosBonificaciones_);
    datos->addRow(QStringLiteral("Subtotal:  "), txtSubTotal_);
    datos->addRow(QStringLiteral("Alícuota:"), txtAlicuota_);
    datos->addRow(QStringLiteral("Impuesto a ingresar:"), txtImpuestoIngresar_);
    datos->addRow(QStringLiteral("Exenciones &otorgadas:"), ComboExenciones_);

    frExenciones_ = new QGroupBox(QStringLiteral("Exención"), this);
    frExenciones_->setObjectName(QStringLiteral("frExenciones"));
    // Its place stays when it hides, so the screen keeps its size while the user chooses.
    QSizePolicy politica = frExenciones_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    frExenciones_->setSizePolicy(politica);
    txtNumero_ = crearCajaNumerica(frExenciones_, QStringLiteral("txtNumero"), QStringLiteral("[0-9]{0,5}"), 100);
    txtNroArticulo_ =
        crearCajaNumerica(frExenciones_, QStringLiteral("txtNroArticulo"), QStringLiteral("[0-9]{0,3}"), 100);
    txtPorcentaje_ =
        crearCajaNumerica(frExenciones_, QStringLiteral("txtPorcentaje"), QStringLiteral("[0-9.,]{0,6}"), 100);
    txtImporteExento_ = crearCajaNumerica(frExenciones_, QStringLiteral("txtImporteExento"), {}, 170);
    txtImporteExentoIngresar_ =
        crearCajaNumerica(frExenciones_, QStringLiteral("txtImporteExentoIngresar"), kImporte, 170);
    auto* exencion = new QFormLayout(frExenciones_);
    exencion->addRow(QStringLiteral("&Número:"), txtNumero_);
    exencion->addRow(QStringLiteral("A&rtículo Número:"), txtNroArticulo_);
    exencion->addRow(QStringLiteral("&Porcentaje:"), txtPorcentaje_);
    exencion->addRow(QStringLiteral("Importe exento calculado:"), txtImporteExento_);
    exencion->addRow(QStringLiteral("Importe &exento:"), txtImporteExentoIngresar_);

    auto* frTotal = new QGroupBox(this);
    txtTotalPagarLicencias_ = crearCajaNumerica(frTotal, QStringLiteral("txtTotalPagarLicencias"), {}, 170);
    auto* total = new QFormLayout(frTotal);
    total->addRow(QStringLiteral("Total a pagar por licencias:"), txtTotalPagarLicencias_);

    auto* cuerpo = new QVBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(frDatos);
    cuerpo->addWidget(frExenciones_);
    cuerpo->addWidget(frTotal);
    cuerpo->addStretch();
    disponerPantalla(*this, picBarra, cuerpo);
    setWindowTitle(QStringLiteral("Total por Licencias"));

    connect(cmdAceptar_, &QToolButton::clicked, this, &frm617LicenciasTotalLicencias::cmdAceptar_Click);
    connect(cmdCancelar_, &QToolButton::clicked, this, &QDialog::reject);
    connect(ComboExenciones_, &QComboBox::activated, this, [this] { ComboExenciones_Click(true); });
    for (QLineEdit* campo : {txtDescuentosBonificaciones_, txtPorcentaje_, txtImporteExentoIngresar_})
        connect(campo, &QLineEdit::textChanged, this, &frm617LicenciasTotalLicencias::HacerCalculos);
}

void frm617LicenciasTotalLicencias::Form_Load()
{
    ConfigurarBotones(*this, kAyudaTotalLicencias617);
    std::vector<ExencionCatalogo> exenciones;
    conAvisoDeErrores(mensajes_, [&] { exenciones = cls617LicTotalLicencias::Exenciones(sesion_.base); });
    ComboExenciones_->addItem(QStringLiteral("(Ninguna)"), 0);
    for (const ExencionCatalogo& exencion : exenciones)
        ComboExenciones_->addItem(exencion.descripcion, exencion.codigo);
    CargarDatos();
    ComboExenciones_Click(false);
    txtDescuentosBonificaciones_->setFocus();
    if (!LicenciaActual.Totales.Alicuota)
        mensajes_.MensajeAtencion(
            QStringLiteral("No hay alícuota vigente en el período %1 para el tipo de servicio %2 de la licencia: "
                           "el impuesto se muestra en 0. Revise el tipo de servicio en la pantalla de licencias.")
                .arg(textoPeriodoImpreso(LicenciaActual.clave.periodo))
                .arg(LicenciaActual.TipoServicio));
}

void frm617LicenciasTotalLicencias::CargarDatos()
{
    const cls617LicTotalLicencias& totales = LicenciaActual.Totales;
    const double bruta = LicenciaActual.TotalFacturacionBruta();
    txtTotalFacturacionBruta_->setText(textoNumero(bruta));
    txtDescuentosBonificaciones_->setText(textoNumero(totales.DescuentosBonificaciones));
    txtSubTotal_->setText(textoNumero(totales.SubTotal(bruta)));
    txtAlicuota_->setText(totales.Alicuota ? textoNumero(*totales.Alicuota) : QString());
    ComboExenciones_->setCurrentIndex(std::max(0, ComboExenciones_->findData(totales.ExencionesOtorgadas)));
    txtNumero_->setText(QString::number(totales.Numero));
    txtNroArticulo_->setText(QString::number(totales.NroArticulo));
    txtPorcentaje_->setText(textoNumero(totales.Porcentaje));
    txtImporteExentoIngresar_->setText(textoNumero(totales.ImporteExentoIngresar));
    HacerCalculos();
}

int frm617LicenciasTotalLicencias::exencionElegida() const { return ComboExenciones_->currentData().toInt(); }

void frm617LicenciasTotalLicencias::ComboExenciones_Click(bool porElUsuario)
{
    frExenciones_->setVisible(exencionElegida() > 0);
    // Choosing no exemption clears what the frame held; opening the screen does not.
    if (porElUsuario && exencionElegida() == 0)
        for (QLineEdit* campo : {txtNumero_, txtNroArticulo_, txtPorcentaje_, txtImporteExentoIngresar_})
            campo->clear();
    HacerCalculos();
}

void frm617LicenciasTotalLicencias::HacerCalculos()
{
    const double subtotal = valor(txtTotalFacturacionBruta_) - valor(txtDescuentosBonificaciones_);
    const double impuesto = subtotal * valor(txtAlicuota_) / 100;
    txtSubTotal_->setText(textoNumero(subtotal));
    txtImpuestoIngresar_->setText(textoNumero(impuesto));
    txtImporteExento_->setText(textoNumero(impuesto * valor(txtPorcentaje_) / 100));
    txtTotalPagarLicencias_->setText(textoNumero(impuesto - valor(txtImporteExentoIngresar_)));
}

void frm617LicenciasTotalLicencias::cmdAceptar_Click()
{
    const double bruta = LicenciaActual.TotalFacturacionBruta();
    LecturaTotales lectura =
        leerTotales(bruta, txtDescuentosBonificaciones_->text(), exencionElegida(), txtNumero_->text(),
                    txtNroArticulo_->text(), txtPorcentaje_->text(), txtImporteExentoIngresar_->text());
    lectura.totales.Alicuota = LicenciaActual.Totales.Alicuota;
    using Campo = LecturaTotales::Campo;
    if (lectura.problema.isEmpty()) {
        const cls617LicTotalLicencias& totales = lectura.totales;
        if (QString problema = totales.ValidarTotales(bruta); !problema.isEmpty())
            lectura = {totales, problema, Campo::Exento};
        else if (frExenciones_->isVisible() && totales.Numero == 0)
            lectura = {totales, QStringLiteral("Falta ingresar Número."), Campo::Numero};
        else if (frExenciones_->isVisible() && totales.NroArticulo == 0)
            lectura = {totales, QStringLiteral("Falta ingresar Número de Artículo."), Campo::Articulo};
    }
    if (!lectura.problema.isEmpty()) {
        mensajes_.MensajeAtencion(lectura.problema);
        QLineEdit* campo = lectura.campo == Campo::Descuentos   ? txtDescuentosBonificaciones_
                           : lectura.campo == Campo::Numero     ? txtNumero_
                           : lectura.campo == Campo::Articulo   ? txtNroArticulo_
                           : lectura.campo == Campo::Porcentaje ? txtPorcentaje_
                                                                : txtImporteExentoIngresar_;
        campo->setFocus();
        campo->selectAll();
        return;
    }
    if (!conAvisoDeErrores(mensajes_, [&] {
            lectura.totales.GuardarDatos(sesion_.base, LicenciaActual.clave, LicenciaActual.CodigoLicencia);
        }))
        return;
    LicenciaActual.Totales = lectura.totales;
    accept();
}

}  // namespace veluma
