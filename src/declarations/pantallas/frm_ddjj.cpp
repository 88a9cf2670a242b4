#include "declarations/pantallas/frm_ddjj.h"

#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/reloj.h"
#include "core/sesion.h"
#include "declarations/formulario.h"
#include "declarations/modificacion_ddjj.h"
#include "declarations/pantallas/modelo_ddjj.h"
#include "declarations/pantallas/registro_secciones.h"
#include "declarations/registro_formularios.h"
#include "declarations/secciones.h"
#include "declarations/validacion_ddjj.h"
#include "intercambio/pantallas/exportar_ddjj.h"
#include "pantallas/abm.h"
#include "pantallas/botones.h"
#include "pantallas/listas.h"
#include "pantallas/nodos_arbol.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veluma {

namespace {

const QString kDetalle = QStringLiteral("Detalle");
const QString kResultado = QStringLiteral("Resultado");
const QString kCopiaDDJJ = QStringLiteral("frmCopiarDDJJ");

bool esRaiz(const QTreeWidgetItem* nodo) { return nodo->parent() == nullptr; }

QLineEdit* campoDeTexto(QWidget* padre, const QString& nombre, const QString& patron, int ancho)
{
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    campo->setValidator(new QRegularExpressionValidator(QRegularExpression(patron), campo));
    campo->setAlignment(Qt::AlignRight);
    campo->setFixedWidth(ancho);
    return campo;
}

}  // namespace

frmDDJJ::frmDDJJ(Sesion& sesion, Mensajes& mensajes, QAction* menuFormulario, QWidget* parent)
    : QWidget(parent), sesion_(sesion), mensajes_(mensajes), formulario_(formularioDe(sesion.formulario)),
      menuFormulario_(menuFormulario)
{
    setObjectName(QStringLiteral("frmDDJJ"));
    setAttribute(Qt::WA_DeleteOnClose);
    crearControles();
    Form_Load();
}

frmDDJJ::~frmDDJJ() { liberarMenu(); }

void frmDDJJ::crearControles()
{
    cmdNuevo_ = crearBoton(this, Boton::Nuevo, QStringLiteral("&Nuevo"));
    cmdModificar_ = crearBoton(this, Boton::Modificar, QStringLiteral("&Modificar"));
    cmdEliminar_ = crearBoton(this, Boton::Eliminar, QStringLiteral("&Eliminar"));
    cmdCopiar_ = crearBoton(this, Boton::Copiar, QStringLiteral("C&opiar"));
    cmdCopiar_->setToolTip(QStringLiteral("Copiar la Declaración Jurada seleccionada"));
    cmdExportar_ = crearBoton(this, Boton::Exportar, QStringLiteral("E&xportar…"));
    cmdExportar_->setToolTip(QStringLiteral("Exportar la Declaración Jurada seleccionada a Excel o CSV"));
    cmdAceptar_ = crearBoton(this, Boton::Aceptar, QStringLiteral("&Aceptar"));
    cmdCancelar_ = crearBoton(this, Boton::Cancelar, QStringLiteral("&Cancelar"));
    cmdSalir_ = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"));
    auto* picBarra =
        crearBarra(*this, {cmdNuevo_, cmdModificar_, cmdEliminar_, cmdCopiar_, cmdExportar_, cmdAceptar_, cmdCancelar_},
                   cmdSalir_);

    fraDatos_ = new QGroupBox(QStringLiteral("Datos de la Declaración Jurada"), this);
    fraDatos_->setObjectName(QStringLiteral("fraDatos"));
    auto* datos = new QGridLayout(fraDatos_);
    txtMesFiscal_ = campoDeTexto(fraDatos_, QStringLiteral("txtMesFiscal"), QStringLiteral("\\d{0,2}"), 36);
    txtAnioFiscal_ = campoDeTexto(fraDatos_, QStringLiteral("txtAñoFiscal"), QStringLiteral("\\d{0,4}"), 56);
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(txtMesFiscal_);
    periodo->addWidget(new QLabel(QStringLiteral("/"), fraDatos_));
    periodo->addWidget(txtAnioFiscal_);
    periodo->addStretch();
    datos->addWidget(new QLabel(QStringLiteral("Período Fiscal :"), fraDatos_), 0, 0);
    datos->addLayout(periodo, 0, 1);
    cboSecuencia_ = new QComboBox(fraDatos_);
    cboSecuencia_->setObjectName(QStringLiteral("cboSecuencia"));
    datos->addWidget(new QLabel(QStringLiteral("Secuencia :"), fraDatos_), 1, 0);
    datos->addWidget(cboSecuencia_, 1, 1);

    fraServicio_ = new QGroupBox(fraDatos_);
    fraServicio_->setObjectName(QStringLiteral("fraServicio"));
    new QVBoxLayout(fraServicio_);
    optServicio_ = new QButtonGroup(this);
    optServicio_->setObjectName(QStringLiteral("optServicio"));
    datos->addWidget(fraServicio_, 2, 0, 1, 2);

    fraCampo1_ = new QWidget(fraDatos_);
    fraCampo1_->setObjectName(QStringLiteral("fraCampo1"));
    auto* campo1 = new QHBoxLayout(fraCampo1_);
    campo1->setContentsMargins(0, 0, 0, 0);
    lblCampo1_ = new QLabel(fraCampo1_);
    lblCampo1_->setObjectName(QStringLiteral("lblCampo1"));
    txtCampo1_ = new QLineEdit(fraCampo1_);
    txtCampo1_->setObjectName(QStringLiteral("txtCampo1"));
    lblCampo1_->setBuddy(txtCampo1_);
    campo1->addWidget(lblCampo1_);
    campo1->addWidget(txtCampo1_);
    datos->addWidget(fraCampo1_, 3, 0, 1, 2);

    modelo_ = new ModeloDDJJ(this);
    GridDDJJ_ = crearGrilla(this, QStringLiteral("GridDDJJ"), modelo_);
    GridDDJJ_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    TreDDJJ_ = new QTreeWidget(this);
    TreDDJJ_->setObjectName(QStringLiteral("TreDDJJ"));
    TreDDJJ_->setHeaderHidden(true);
    TreDDJJ_->setMinimumWidth(260);
    abrirConEnter(*TreDDJJ_);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(fraDatos_);
    izquierda->addWidget(GridDDJJ_, 1);
    auto* cuerpo = new QHBoxLayout;
    cuerpo->addLayout(izquierda, 1);
    cuerpo->addWidget(TreDDJJ_, 1);
    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->addWidget(picBarra);
    auto* margen = new QVBoxLayout;
    margen->setContentsMargins(8, 4, 8, 8);
    margen->addLayout(cuerpo);
    principal->addLayout(margen, 1);

    connect(cmdNuevo_, &QToolButton::clicked, this, &frmDDJJ::CmdNuevo_Click);
    connect(cmdModificar_, &QToolButton::clicked, this, &frmDDJJ::cmdModificar_Click);
    connect(cmdEliminar_, &QToolButton::clicked, this, &frmDDJJ::cmdEliminar_Click);
    connect(cmdCopiar_, &QToolButton::clicked, this, &frmDDJJ::cmdCopiar_Click);
    connect(cmdExportar_, &QToolButton::clicked, this, &frmDDJJ::cmdExportar_Click);
    connect(cmdAceptar_, &QToolButton::clicked, this, &frmDDJJ::cmdAceptar_Click);
    connect(cmdCancelar_, &QToolButton::clicked, this, &frmDDJJ::CmdCancelar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &frmDDJJ::cmdsalir_Click);
    connect(txtMesFiscal_, &QLineEdit::textEdited, this, &frmDDJJ::txtMesFiscal_Change);
    connect(TreDDJJ_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* nodo) { TreDDJJ_DblClick(nodo); });
    imagenesDeApertura(*TreDDJJ_);
    connect(GridDDJJ_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { GridDDJJ_RowColChange(); });
}

void frmDDJJ::Form_Load()
{
    ConfigurarPantalla();
    ConfigurarBotones(*this, kAyudaDDJJ);
    CargarSecuencias(*cboSecuencia_, 3);
    // The tree first: choosing the first declaration colours it.
    CargarArbol();
    CargarLista();
    HabilitarEdicion(false);
}

void frmDDJJ::ConfigurarPantalla()
{
    if (menuFormulario_)
        menuFormulario_->setEnabled(false);
    setWindowTitle(QStringLiteral("Formulario %1 %2").arg(formulario_.numero()).arg(formulario_.tituloMenu()));
    const CampoValor campo = formulario_.campoValor();
    int indice = 0;
    for (const CampoValor::Opcion& opcion : campo.opciones) {
        auto* boton = new QRadioButton(opcion.texto, fraServicio_);
        boton->setObjectName(QStringLiteral("optServicio_%1").arg(indice));
        boton->setProperty("tag", opcion.valor);
        optServicio_->addButton(boton, indice++);
        fraServicio_->layout()->addWidget(boton);
    }
    lblCampo1_->setText(campo.etiqueta);
    if (campo.tipo == CampoValor::Tipo::Numero) {
        txtCampo1_->setAlignment(Qt::AlignRight);
        txtCampo1_->setFixedWidth(72);
        // Digits and separators only, as in every other number field; the value is checked on Aceptar.
        txtCampo1_->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,]{0,12}")), txtCampo1_));
    } else {
        txtCampo1_->setAlignment(Qt::AlignLeft);
    }
    fraServicio_->setVisible(campo.tipo == CampoValor::Tipo::Opciones);
    fraCampo1_->setVisible(campo.tipo != CampoValor::Tipo::Opciones);
}

void frmDDJJ::CargarLista()
{
    leerLista();
    seleccionar(0);
}

void frmDDJJ::leerLista()
{
    clsDDJJ declaraciones;
    declaraciones.Cuit = sesion_.cuit;
    declaraciones.Formulario = sesion_.formulario;
    modelo_->cambiarFilas(declaraciones.Cargar(sesion_.base));
}

void frmDDJJ::seleccionar(int fila)
{
    ponerFilaActual(*GridDDJJ_, fila);
    GridDDJJ_RowColChange();
}

int frmDDJJ::filaSeleccionada() const { return filaActual(*GridDDJJ_); }

bool frmDDJJ::tieneFilas() const { return modelo_->rowCount() > 0; }

void frmDDJJ::CargarArbol()
{
    TreDDJJ_->clear();
    auto* detalle = crearNodo(kDetalle, kDetalle, QStringLiteral("cerrado"));
    auto* resultado = crearNodo(kResultado, kResultado, QStringLiteral("cerrado"));
    TreDDJJ_->addTopLevelItems({detalle, resultado});
    for (const SeccionDDJJ& seccion : seccionesDelFormulario(sesion_.base, formulario_.numero()))
        (seccion.detalle ? detalle : resultado)->addChild(crearNodo(seccion.clave, seccion.descripcion, kImagenVacio));
    detalle->setExpanded(true);
    resultado->setExpanded(true);
    ponerImagen(detalle, QStringLiteral("abierto"));
    ponerImagen(resultado, QStringLiteral("abierto"));
}

void frmDDJJ::GridDDJJ_RowColChange()
{
    const int fila = filaSeleccionada();
    if (fila < 0) {
        LimpiarCampos();
        return;
    }
    const FilaDDJJ& declaracion = modelo_->fila(fila);
    sesion_.declaracion = {sesion_.cuit, declaracion.periodo, declaracion.secuencia, formulario_.numero(),
                           declaracion.campo1};
    MostrarDatosDDJJ();
    ActualizarEstadoNodos();
}

void frmDDJJ::MostrarDatosDDJJ()
{
    const int fila = filaSeleccionada();
    if (fila < 0)
        return;
    const FilaDDJJ& declaracion = modelo_->fila(fila);
    const QString periodo = QString::number(declaracion.periodo);
    txtMesFiscal_->setText(periodo.right(2));
    txtAnioFiscal_->setText(periodo.left(4));
    cboSecuencia_->setCurrentIndex(declaracion.secuencia);
    mostrarValor(declaracion.campo1);
}

void frmDDJJ::mostrarValor(const QString& campo1)
{
    if (formulario_.campoValor().tipo == CampoValor::Tipo::Opciones)
        ponerValor(campo1);
    else
        txtCampo1_->setText(formulario_.mostrarValor(campo1));
}

void frmDDJJ::ponerValor(const QString& valor)
{
    if (formulario_.campoValor().tipo != CampoValor::Tipo::Opciones) {
        txtCampo1_->setText(valor);
        return;
    }
    for (QAbstractButton* opcion : optServicio_->buttons())
        if (opcion->property("tag").toString() == valor)
            opcion->setChecked(true);
}

QString frmDDJJ::valorEscrito() const
{
    if (formulario_.campoValor().tipo != CampoValor::Tipo::Opciones)
        return txtCampo1_->text();
    const QAbstractButton* opcion = optServicio_->checkedButton();
    return opcion ? opcion->property("tag").toString() : QString();
}

void frmDDJJ::ActualizarEstadoNodos()
{
    if (!tieneFilas() || !sesion_.declaracion.elegida())
        return;
    const auto conDatos = formulario_.seccionesConDatos(sesion_.base, sesion_.declaracion);
    for (int r = 0; r < TreDDJJ_->topLevelItemCount(); ++r) {
        QTreeWidgetItem* raiz = TreDDJJ_->topLevelItem(r);
        for (int i = 0; i < raiz->childCount(); ++i) {
            QTreeWidgetItem* nodo = raiz->child(i);
            if (const auto estado = conDatos.find(nodo->data(0, kRolClave).toString()); estado != conDatos.end())
                ponerImagen(nodo, estado->second ? kImagenLleno : kImagenVacio);
        }
    }
}

void frmDDJJ::LimpiarCampos()
{
    for (QLineEdit* campo : {txtMesFiscal_, txtAnioFiscal_, txtCampo1_})
        campo->clear();
    cboSecuencia_->setCurrentIndex(cboSecuencia_->count() > 0 ? 0 : -1);
}

void frmDDJJ::HabilitarEdicion(bool editando)
{
    const bool filas = tieneFilas();
    const bool navegando = !editando;
    cmdNuevo_->setVisible(navegando);
    cmdEliminar_->setVisible(filas && navegando);
    cmdCopiar_->setVisible(formulario_.ofreceCopiar() && filas && navegando);
    cmdModificar_->setVisible(filas && navegando);
    cmdExportar_->setVisible(filas && navegando);
    cmdModificar_->setEnabled(formulario_.ofreceModificar());
    cmdAceptar_->setVisible(editando);
    cmdCancelar_->setVisible(editando);
    cmdSalir_->setVisible(navegando);
    GridDDJJ_->setEnabled(filas && navegando);
    TreDDJJ_->setEnabled(navegando);
    fraDatos_->setEnabled(editando);
    const bool claveLibre = modo_ != ModoEdicion::Modificar;
    txtMesFiscal_->setEnabled(claveLibre);
    txtAnioFiscal_->setEnabled(claveLibre);
    cboSecuencia_->setEnabled(claveLibre);
    fraServicio_->setEnabled(claveLibre);
    // Leaving the fields, whose control just went grey: the keys must still
    // reach the screen, so the focus goes to the list, or the tree without one.
    if (navegando && (!focusWidget() || !focusWidget()->isEnabled()))
        (filas ? static_cast<QWidget*>(GridDDJJ_) : TreDDJJ_)->setFocus();
}

void frmDDJJ::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    HabilitarEdicion(true);
    LimpiarCampos();
    CargarArbol();
    ponerValor(formulario_.campoValor().porDefecto);
    txtMesFiscal_->setFocus();
}

void frmDDJJ::cmdModificar_Click()
{
    if (!formulario_.ofreceModificar() || !tieneFilas())
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtCampo1_->setFocus();
    txtCampo1_->selectAll();
}

void frmDDJJ::txtMesFiscal_Change()
{
    if (txtMesFiscal_->text().size() == 2)
        txtAnioFiscal_->setFocus();
}

bool frmDDJJ::ValidarDatos()
{
    const DatosDDJJ datos{txtMesFiscal_->text(), txtAnioFiscal_->text(), cboSecuencia_->currentIndex(),
                          valorEscrito()};
    const ResultadoValidacion resultado = veluma::ValidarDatos(formulario_, datos);
    switch (resultado.foco) {
    case CampoDDJJ::Mes: txtMesFiscal_->setFocus(); break;
    case CampoDDJJ::Anio: txtAnioFiscal_->setFocus(); break;
    case CampoDDJJ::Secuencia: cboSecuencia_->setFocus(); break;
    case CampoDDJJ::Campo1: txtCampo1_->setFocus(); break;
    case CampoDDJJ::Ninguno: break;
    }
    if (!resultado.valido())
        mensajes_.MensajeAtencion(resultado.mensaje);
    return resultado.valido();
}

clsDDJJ frmDDJJ::CargarObjeto() const
{
    clsDDJJ declaracion;
    declaracion.Cuit = sesion_.cuit;
    declaracion.Periodo = periodoDeTexto(txtAnioFiscal_->text(), txtMesFiscal_->text());
    declaracion.Secuencia = cboSecuencia_->currentIndex();
    declaracion.Formulario = formulario_.numero();
    declaracion.campo1 = formulario_.valorAGuardar(valorEscrito());
    declaracion.hora = ahora();
    return declaracion;
}

void frmDDJJ::cmdAceptar_Click()
{
    if (modo_ == ModoEdicion::Consulta || !ValidarDatos())
        return;
    const clsDDJJ declaracion = CargarObjeto();
    try {
        QString problema;
        if (modo_ == ModoEdicion::Modificar) {
            problema = ModificarDDJJ(sesion_.base, declaracion, sesion_.declaracion.periodo,
                                     sesion_.declaracion.secuencia);
        } else {
            if (!formulario_.valorDistingueDeclaraciones() && !declaracion.BuscarDDJJ(sesion_.base, mensajes_))
                return;
            problema = declaracion.Agregar(sesion_.base);
        }
        if (!problema.isEmpty()) {
            mensajes_.MensajeAtencion(problema);
            return;
        }
    } catch (const Error& error) {
        mensajes_.MensajeError(error.descripcion(), error.numero());
        return;
    }
    modo_ = ModoEdicion::Consulta;
    leerLista();
    CargarArbol();
    seleccionar(modelo_->buscar(declaracion.Periodo, declaracion.Secuencia, declaracion.campo1));
    HabilitarEdicion(false);
}

void frmDDJJ::CmdCancelar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    modo_ = ModoEdicion::Consulta;
    LimpiarCampos();
    HabilitarEdicion(false);
    MostrarDatosDDJJ();
    // After the fields show the selected declaration again, so the service
    // chosen while editing does not colour the tree.
    ActualizarEstadoNodos();
}

void frmDDJJ::cmdEliminar_Click()
{
    const int fila = filaSeleccionada();
    if (fila < 0
        || !mensajes_.ConfirmacionAdvertencia(QStringLiteral("¿Desea eliminar la Declaración Jurada seleccionada?")))
        return;
    const ClaveDDJJ& clave = sesion_.declaracion;
    const QString problema = clsDDJJ::Eliminar(sesion_.base, clave.cuit, clave.periodo, clave.secuencia,
                                               clave.formulario, modelo_->fila(fila).campo1);
    if (!problema.isEmpty())
        mensajes_.MensajeError(problema, 0);
    CargarArbol();
    CargarLista();
    modo_ = ModoEdicion::Consulta;
    HabilitarEdicion(false);
}

void frmDDJJ::cmdCopiar_Click()
{
    if (!formulario_.ofreceCopiar() || filaSeleccionada() < 0)
        return;
    if (const AbrirSeccion abrir = seccionRegistrada(kCopiaDDJJ))
        abrir(this, sesion_, mensajes_);
    else
        mensajes_.MensajeInformacion(textoPantallaNoDisponible());
    CargarLista();
    HabilitarEdicion(false);
}

void frmDDJJ::cmdExportar_Click()
{
    if (filaSeleccionada() < 0)
        return;
    exportarDDJJ(this, sesion_, mensajes_);
    GridDDJJ_->setFocus();
}

void frmDDJJ::cmdsalir_Click()
{
    liberarMenu();
    if (auto* ventana = qobject_cast<QMdiSubWindow*>(parentWidget()))
        ventana->close();
    else
        close();
}

void frmDDJJ::TreDDJJ_DblClick(QTreeWidgetItem* nodo)
{
    if (!nodo || esRaiz(nodo) || !TreDDJJ_->isEnabled())
        return;
    if (txtMesFiscal_->text().isEmpty()) {
        mensajes_.MensajeAtencion(QStringLiteral("No hay ninguna DDJJ seleccionada."));
        return;
    }
    const AbrirSeccion abrir = seccionRegistrada(nodo->data(0, kRolClave).toString());
    if (!abrir) {
        mensajes_.MensajeInformacion(textoPantallaNoDisponible());
        return;
    }
    abrir(this, sesion_, mensajes_);
    ActualizarEstadoNodos();
}

void frmDDJJ::liberarMenu()
{
    if (menuFormulario_)
        menuFormulario_->setEnabled(true);
}

void frmDDJJ::closeEvent(QCloseEvent* evento)
{
    // However the manager is closed, another form may be chosen afterwards.
    liberarMenu();
    emit cerrado();
    QWidget::closeEvent(evento);
}

}  // namespace veluma
