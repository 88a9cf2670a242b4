#include "f617/pantallas/frm617_ingresos_conceptos.h"

#include "f617/importacion_617.h"
#include "intercambio/pantallas/frm_importar.h"
#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/licencias_617.h"
#include "f617/pantallas/modelo_conceptos.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/listas.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

namespace {

const QStringList kTiposDeTotal = {
    QStringLiteral("Total de Comercialización de Publicidad"), QStringLiteral("Total de Comercialización de Abonos"),
    QStringLiteral("Total de Comercialización de Programas"), QStringLiteral("Total de Otros conceptos"),
    QStringLiteral("Total de Facturación Bruta")};

}  // namespace

frm617IngresosConceptos::frm617IngresosConceptos(Sesion& sesion, Mensajes& mensajes, cls617Licencias& licencia,
                                                 QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes), LicenciaActual(licencia)
{
    setObjectName(QStringLiteral("frm617IngresosConceptos"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm617IngresosConceptos::crearControles()
{
    cmdImportar_ = crearBoton(this, Boton::Importar, QStringLiteral("Im&portar…"));
    botones_ = crearBotonesABM(*this, {cmdImportar_});

    frDatos_ = new QGroupBox(QStringLiteral("Concepto"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    txtTipoConcepto_ = new QLineEdit(frDatos_);
    txtTipoConcepto_->setObjectName(QStringLiteral("txtTipoConcepto"));
    txtTipoConcepto_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), txtTipoConcepto_));
    txtTipoConcepto_->setMaximumWidth(50);
    ComboConcepto_ = new QComboBox(frDatos_);
    ComboConcepto_->setObjectName(QStringLiteral("ComboConcepto"));
    ComboConcepto_->setMinimumWidth(300);
    txtFacturacionBruta_ =
        crearCajaNumerica(frDatos_, QStringLiteral("txtFacturacionBruta"), QStringLiteral("[0-9.,-]{0,22}"), 160);
    auto* codigo = new QHBoxLayout;
    codigo->addWidget(txtTipoConcepto_);
    codigo->addWidget(ComboConcepto_, 1);
    auto* datos = new QFormLayout(frDatos_);
    auto* lblCodigo = new QLabel(QStringLiteral("C&oncepto:"), frDatos_);
    lblCodigo->setBuddy(txtTipoConcepto_);
    datos->addRow(lblCodigo, codigo);
    datos->addRow(QStringLiteral("&Facturación Bruta:"), txtFacturacionBruta_);
    setTabOrder(txtTipoConcepto_, ComboConcepto_);
    setTabOrder(ComboConcepto_, txtFacturacionBruta_);

    modelo_ = new ModeloConceptos(this);
    Grilla_ = crearGrilla(this, QStringLiteral("Grilla"), modelo_);
    Grilla_->setColumnWidth(0, 80);
    Grilla_->setMinimumWidth(260);

    GrillaTotales_ = new QTableWidget(int(kTiposDeTotal.size()), 2, this);
    GrillaTotales_->setObjectName(QStringLiteral("GrillaTotales"));
    GrillaTotales_->setHorizontalHeaderLabels({QStringLiteral("Tipo de Total"), QStringLiteral("Total Importe")});
    GrillaTotales_->verticalHeader()->hide();
    GrillaTotales_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrillaTotales_->setFocusPolicy(Qt::NoFocus);
    GrillaTotales_->setSelectionMode(QAbstractItemView::NoSelection);
    GrillaTotales_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    GrillaTotales_->setColumnWidth(1, 160);
    for (int fila = 0; fila < kTiposDeTotal.size(); ++fila) {
        GrillaTotales_->setItem(fila, 0, new QTableWidgetItem(kTiposDeTotal[fila]));
        auto* importe = new QTableWidgetItem;
        importe->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        GrillaTotales_->setItem(fila, 1, importe);
    }
    GrillaTotales_->setFixedHeight(GrillaTotales_->horizontalHeader()->sizeHint().height()
                                   + 5 * GrillaTotales_->verticalHeader()->defaultSectionSize() + 4);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(frDatos_);
    derecha->addWidget(GrillaTotales_);
    derecha->addStretch();
    auto* cuerpo = new QHBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(Grilla_);
    cuerpo->addLayout(derecha, 1);
    disponerPantalla(*this, botones_.barra, cuerpo);
    resize(860, 440);

    connect(botones_.nuevo, &QToolButton::clicked, this, &frm617IngresosConceptos::CmdNuevo_Click);
    connect(botones_.modificar, &QToolButton::clicked, this, &frm617IngresosConceptos::cmdModificar_Click);
    connect(botones_.eliminar, &QToolButton::clicked, this, &frm617IngresosConceptos::cmdeliminarabm_click);
    connect(botones_.eliminarTodos, &QToolButton::clicked, this, &frm617IngresosConceptos::cmdEliminarTodos_Click);
    connect(botones_.aceptar, &QToolButton::clicked, this, &frm617IngresosConceptos::cmdAceptar_Click);
    connect(botones_.cancelar, &QToolButton::clicked, this, &frm617IngresosConceptos::CmdCancelar_Click);
    connect(botones_.salir, &QToolButton::clicked, this, &QDialog::accept);
    connect(cmdImportar_, &QToolButton::clicked, this, &frm617IngresosConceptos::cmdImportar_Click);
    connect(Grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { RefrescarDatos(); });
    connect(txtTipoConcepto_, &QLineEdit::textChanged, this, &frm617IngresosConceptos::txtTipoConcepto_Change);
    connect(ComboConcepto_, &QComboBox::activated, this, &frm617IngresosConceptos::ComboConcepto_Click);
}

void frm617IngresosConceptos::Form_Load()
{
    setWindowTitle(QStringLiteral("Ingreso de Conceptos - ") + LicenciaActual.ApellidoNombre);
    ConfigurarBotones(*this, kAyudaIngresosConceptos617);
    std::vector<ConceptoCatalogo> catalogo;
    conAvisoDeErrores(mensajes_, [&] { catalogo = cls617LicIngresoConceptos::Catalogo(sesion_.base); });
    for (const ConceptoCatalogo& concepto : catalogo)
        ComboConcepto_->addItem(concepto.descripcion, QString::number(concepto.codigo));
    ComboConcepto_->setCurrentIndex(-1);
    CargarGrilla();
    seleccionar(0);
    HabilitarEdicion(false);
}

void frm617IngresosConceptos::CargarGrilla()
{
    std::vector<cls617LicIngresoConceptos> conceptos;
    conAvisoDeErrores(mensajes_, [&] {
        conceptos = cls617LicIngresoConceptos::CargarConceptos(sesion_.base, LicenciaActual.clave,
                                                               LicenciaActual.CodigoLicencia);
    });
    modelo_->cambiarFilas(std::move(conceptos));
}

void frm617IngresosConceptos::seleccionar(int fila)
{
    ponerFilaActual(*Grilla_, fila);
    RefrescarDatos();
}

int frm617IngresosConceptos::filaSeleccionada() const { return filaActual(*Grilla_); }

bool frm617IngresosConceptos::tieneFilas() const { return modelo_->rowCount() > 0; }

void frm617IngresosConceptos::RefrescarDatos()
{
    const int fila = filaSeleccionada();
    if (fila < 0) {
        LimpiarCampos();
    } else {
        const cls617LicIngresoConceptos& concepto = modelo_->fila(fila);
        txtTipoConcepto_->setText(QString::number(concepto.Concepto));
        txtFacturacionBruta_->setText(textoNumero(concepto.FacturacionBruta));
    }
    RefrescarGrillaTotales();
}

void frm617IngresosConceptos::RefrescarGrillaTotales()
{
    const double totales[] = {LicenciaActual.TotalComerPublicidad(), LicenciaActual.TotalComerAbonos(),
                              LicenciaActual.TotalComerProgramas(), LicenciaActual.TotalOtrosConceptos(),
                              LicenciaActual.TotalFacturacionBruta()};
    for (int fila = 0; fila < int(std::size(totales)); ++fila)
        GrillaTotales_->item(fila, 1)->setText(formatearNumero(totales[fila], QStringLiteral("#,###,###,###,##0.00")));
}

void frm617IngresosConceptos::LimpiarCampos()
{
    txtTipoConcepto_->clear();
    txtFacturacionBruta_->clear();
}

void frm617IngresosConceptos::HabilitarEdicion(bool editando)
{
    HabilitarEdicionABM(*this, editando, tieneFilas(), frDatos_, {Grilla_});
}

void frm617IngresosConceptos::txtTipoConcepto_Change()
{
    ComboConcepto_->setCurrentIndex(
        txtTipoConcepto_->text().isEmpty() ? -1 : ComboConcepto_->findData(txtTipoConcepto_->text()));
}

void frm617IngresosConceptos::ComboConcepto_Click()
{
    if (ComboConcepto_->currentIndex() < 0)
        return;
    const QString codigo = ComboConcepto_->currentData().toString();
    txtTipoConcepto_->setText(leerNumero(codigo) ? codigo : QString());
}

void frm617IngresosConceptos::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    LimpiarCampos();
    HabilitarEdicion(true);
    txtTipoConcepto_->setFocus();
}

void frm617IngresosConceptos::cmdModificar_Click()
{
    if (filaSeleccionada() < 0)
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtTipoConcepto_->setFocus();
    txtTipoConcepto_->selectAll();
}

void frm617IngresosConceptos::cmdAceptar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    const int fila = filaSeleccionada();
    if (modo_ == ModoEdicion::Modificar && fila < 0)
        return;
    const qint64 codigo = ComboConcepto_->currentIndex() >= 0 ? qint64(Val(txtTipoConcepto_->text())) : 0;
    const LecturaConcepto lectura = leerConcepto(codigo, txtFacturacionBruta_->text());
    if (!lectura.problema.isEmpty()) {
        mensajes_.MensajeAtencion(lectura.problema);
        QLineEdit* campo = lectura.campo == LecturaConcepto::Campo::Concepto ? txtTipoConcepto_ : txtFacturacionBruta_;
        campo->setFocus();
        campo->selectAll();
        return;
    }
    const bool nuevo = modo_ == ModoEdicion::Nuevo;
    const qint64 anterior = nuevo ? 0 : modelo_->fila(fila).Concepto;
    auto guardado = cls617LicIngresoConceptos::Guardado::Hecho;
    if (!conAvisoDeErrores(mensajes_, [&] {
            guardado = lectura.concepto.GuardarConcepto(sesion_.base, LicenciaActual.clave,
                                                        LicenciaActual.CodigoLicencia, nuevo, anterior);
        }))
        return;
    if (guardado == cls617LicIngresoConceptos::Guardado::Duplicado) {
        // What was typed stays, so only the concept needs changing.
        mensajes_.MensajeAtencion(QStringLiteral("El Concepto que intenta agregar ya existe."));
        txtTipoConcepto_->setFocus();
        txtTipoConcepto_->selectAll();
        return;
    }
    volverALaLista(lectura.concepto.Concepto);
}

void frm617IngresosConceptos::CmdCancelar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    modo_ = ModoEdicion::Consulta;
    LimpiarCampos();
    HabilitarEdicion(false);
    RefrescarDatos();
    Grilla_->setFocus();
}

void frm617IngresosConceptos::cmdeliminarabm_click()
{
    const int fila = filaSeleccionada();
    if (fila < 0)
        return;
    const qint64 concepto = modelo_->fila(fila).Concepto;
    if (mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("Confirma eliminación del concepto?"),
                                          QStringLiteral("Eliminación")))
        conAvisoDeErrores(mensajes_, [&] {
            cls617LicIngresoConceptos::EliminarConcepto(sesion_.base, LicenciaActual.clave,
                                                        LicenciaActual.CodigoLicencia, concepto);
        });
    volverALaLista(concepto);
}

void frm617IngresosConceptos::cmdEliminarTodos_Click()
{
    if (tieneFilas()
        && mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("Confirma eliminación de todos los conceptos?"),
                                             QStringLiteral("Eliminación de todos")))
        conAvisoDeErrores(mensajes_, [&] {
            cls617LicIngresoConceptos::EliminarTodos(sesion_.base, LicenciaActual.clave, LicenciaActual.CodigoLicencia);
        });
    volverALaLista(0);
}

void frm617IngresosConceptos::cmdImportar_Click()
{
    const auto importador = [this] {
        return std::make_unique<ImportadorConceptos617>(sesion_.base, LicenciaActual.clave,
                                                        LicenciaActual.CodigoLicencia);
    };
    if (importarArchivo(this, sesion_, mensajes_, importador) > 0)
        volverALaLista(0);
    Grilla_->setFocus();
}

void frm617IngresosConceptos::volverALaLista(qint64 concepto)
{
    modo_ = ModoEdicion::Consulta;
    conAvisoDeErrores(mensajes_, [&] { LicenciaActual.CalcularTotales(sesion_.base); });
    CargarGrilla();
    seleccionar(std::max(0, modelo_->buscar(concepto)));
    HabilitarEdicion(false);
    Grilla_->setFocus();
}

}  // namespace veluma
