#include "declarations/pantallas/frm_ddjj.h"

#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/reloj.h"
#include "core/sesion.h"
#include "declarations/modificacion_ddjj.h"
#include "declarations/pantallas/formularios.h"
#include "declarations/pantallas/modelo_ddjj.h"
#include "declarations/pantallas/nodos_arbol.h"
#include "declarations/pantallas/registro_secciones.h"
#include "declarations/secciones.h"
#include "declarations/validacion_ddjj.h"

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

frmDDJJ::frmDDJJ(Sesion& sesion, Mensajes& mensajes, QAction* menuFormulario, const QString& titulo, QWidget* parent)
    : QWidget(parent), sesion_(sesion), mensajes_(mensajes), menuFormulario_(menuFormulario)
{
    setObjectName(QStringLiteral("frmDDJJ"));
    setAttribute(Qt::WA_DeleteOnClose);
    crearControles();
    Form_Load(titulo);
}

frmDDJJ::~frmDDJJ() { liberarMenu(); }

void frmDDJJ::crearControles()
{
    cmdNuevo_ = crearBoton(this, QStringLiteral("cmdNuevo"), QStringLiteral("&Nuevo"));
    cmdModificar_ = crearBoton(this, QStringLiteral("cmdModificar"), QStringLiteral("&Modificar"));
    cmdEliminar_ = crearBoton(this, QStringLiteral("cmdEliminar"), QStringLiteral("&Eliminar"));
    cmdCopiar_ = crearBoton(this, QStringLiteral("cmdCopiar"), QStringLiteral("C&opiar"));
    cmdCopiar_->setToolTip(QStringLiteral("Copiar la Declaración Jurada seleccionada"));
    cmdAceptar_ = crearBoton(this, QStringLiteral("cmdAceptar"), QStringLiteral("&Aceptar"));
    cmdCancelar_ = crearBoton(this, QStringLiteral("cmdCancelar"), QStringLiteral("&Cancelar"));
    cmdSalir_ = crearBoton(this, QStringLiteral("cmdSalir"), QStringLiteral("&Salir"));
    auto* picBarra =
        crearBarra(*this, {cmdNuevo_, cmdModificar_, cmdEliminar_, cmdCopiar_, cmdAceptar_, cmdCancelar_}, cmdSalir_);

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
    auto* servicio = new QVBoxLayout(fraServicio_);
    optServicio_ = new QButtonGroup(this);
    optServicio_->setObjectName(QStringLiteral("optServicio"));
    const QStringList servicios{QStringLiteral("Servicio de TV y Complementarios"), QStringLiteral("Servicio de Radio")};
    const QStringList etiquetas{QStringLiteral("306"), QStringLiteral("307")};
    for (int i = 0; i < 2; ++i) {
        auto* opcion = new QRadioButton(servicios[i], fraServicio_);
        opcion->setObjectName(QStringLiteral("optServicio_%1").arg(i));
        opcion->setProperty("tag", etiquetas[i]);
        optServicio_->addButton(opcion, i);
        servicio->addWidget(opcion);
    }
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
    GridDDJJ_ = new QTableView(this);
    GridDDJJ_->setObjectName(QStringLiteral("GridDDJJ"));
    GridDDJJ_->setModel(modelo_);
    GridDDJJ_->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridDDJJ_->setSelectionMode(QAbstractItemView::SingleSelection);
    GridDDJJ_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridDDJJ_->verticalHeader()->hide();
    GridDDJJ_->horizontalHeader()->setStretchLastSection(true);
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
    connect(cmdAceptar_, &QToolButton::clicked, this, &frmDDJJ::cmdAceptar_Click);
    connect(cmdCancelar_, &QToolButton::clicked, this, &frmDDJJ::CmdCancelar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &frmDDJJ::cmdsalir_Click);
    connect(optServicio_, &QButtonGroup::idClicked, this, &frmDDJJ::optServicio_Click);
    connect(txtMesFiscal_, &QLineEdit::textEdited, this, &frmDDJJ::txtMesFiscal_Change);
    connect(TreDDJJ_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* nodo) { TreDDJJ_DblClick(nodo); });
    imagenesDeApertura(*TreDDJJ_);
    connect(GridDDJJ_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { GridDDJJ_RowColChange(); });
}

void frmDDJJ::Form_Load(const QString& titulo)
{
    ConfigurarPantalla(titulo);
    ConfigurarBotones(*this, kAyudaDDJJ);
    CargarSecuencias(*cboSecuencia_, 3);
    // The tree first: choosing the first declaration colours it.
    CargarArbol();
    CargarLista();
    HabilitarEdicion(false);
}

void frmDDJJ::ConfigurarPantalla(const QString& titulo)
{
    if (menuFormulario_)
        menuFormulario_->setEnabled(false);
    const int formulario = sesion_.formulario;
    setWindowTitle(QStringLiteral("Formulario %1 %2").arg(formulario).arg(titulo));
    if (formulario == 618) {
        lblCampo1_->setText(QStringLiteral("Código del Instituto:"));
        txtCampo1_->setAlignment(Qt::AlignLeft);
    } else if (formulario == 708) {
        lblCampo1_->setText(QStringLiteral("Alícuota:"));
        txtCampo1_->setAlignment(Qt::AlignRight);
        txtCampo1_->setFixedWidth(72);
    }
    fraServicio_->setVisible(formulario == 617);
    fraCampo1_->setVisible(formulario == 618 || formulario == 708);
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
    for (const SeccionDDJJ& seccion : seccionesDelFormulario(sesion_.base, sesion_.formulario))
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
    sesion_.periodo = declaracion.periodo;
    sesion_.secuencia = declaracion.secuencia;
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
    switch (sesion_.formulario) {
    case 618:
        txtCampo1_->setText(declaracion.campo1);
        sesion_.codigoInstituto = declaracion.campo1;
        break;
    case 708: txtCampo1_->setText(formatearNumero(Val(declaracion.campo1), QStringLiteral("##0.00"))); break;
    case 617:
        if (declaracion.campo1 == QLatin1String("306"))
            optServicio_->button(0)->setChecked(true);
        else if (declaracion.campo1 == QLatin1String("307"))
            optServicio_->button(1)->setChecked(true);
        sesion_.impServicio = int(Val(declaracion.campo1));
        break;
    default: break;
    }
}

void frmDDJJ::ActualizarEstadoNodos()
{
    if (!tieneFilas() || sesion_.periodo == 0)
        return;
    const ClaveDDJJ clave{sesion_.cuit, sesion_.periodo, sesion_.secuencia, sesion_.formulario};
    const auto estados = estadosDeSecciones(sesion_.base, clave, sesion_.impServicio);
    for (int r = 0; r < TreDDJJ_->topLevelItemCount(); ++r) {
        QTreeWidgetItem* raiz = TreDDJJ_->topLevelItem(r);
        for (int i = 0; i < raiz->childCount(); ++i) {
            QTreeWidgetItem* nodo = raiz->child(i);
            if (const auto estado = estados.find(nodo->data(0, kRolClave).toString()); estado != estados.end())
                ponerImagen(nodo, estado->second);
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
    cmdCopiar_->setVisible(sesion_.formulario == 617 && filas && navegando);
    cmdModificar_->setVisible(filas && navegando);
    cmdModificar_->setEnabled(sesion_.formulario == 708);
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
}

void frmDDJJ::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    HabilitarEdicion(true);
    LimpiarCampos();
    CargarArbol();
    if (sesion_.formulario == 708)
        txtCampo1_->setText(QStringLiteral("10"));
    if (sesion_.formulario == 617) {
        optServicio_->button(0)->setChecked(true);
        optServicio_Click(0);
    }
    txtMesFiscal_->setFocus();
}

void frmDDJJ::cmdModificar_Click()
{
    if (sesion_.formulario != 708 || !tieneFilas())
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtCampo1_->setFocus();
    txtCampo1_->selectAll();
}

void frmDDJJ::optServicio_Click(int indice)
{
    if (QAbstractButton* opcion = optServicio_->button(indice))
        sesion_.impServicio = int(Val(opcion->property("tag").toString()));
}

void frmDDJJ::txtMesFiscal_Change()
{
    if (txtMesFiscal_->text().size() == 2)
        txtAnioFiscal_->setFocus();
}

bool frmDDJJ::ValidarDatos()
{
    const DatosDDJJ datos{txtMesFiscal_->text(), txtAnioFiscal_->text(), cboSecuencia_->currentIndex(),
                          txtCampo1_->text()};
    const ResultadoValidacion resultado = veluma::ValidarDatos(sesion_.formulario, datos);
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
    declaracion.Formulario = sesion_.formulario;
    if (sesion_.formulario == 617) {
        const QAbstractButton* opcion = optServicio_->checkedButton();
        declaracion.campo1 = opcion ? opcion->property("tag").toString() : QString();
    } else {
        declaracion.campo1 = campo1DeTexto(sesion_.formulario, txtCampo1_->text());
    }
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
            problema = ModificarDDJJ(sesion_.base, declaracion, sesion_.periodo, sesion_.secuencia);
        } else {
            if (sesion_.formulario == 708 && !declaracion.BuscarDDJJ(sesion_.base, mensajes_))
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
    const QString problema = clsDDJJ::Eliminar(sesion_.base, sesion_.cuit, sesion_.periodo, sesion_.secuencia,
                                               sesion_.formulario, modelo_->fila(fila).campo1);
    if (!problema.isEmpty())
        mensajes_.MensajeError(problema, 0);
    CargarArbol();
    CargarLista();
    modo_ = ModoEdicion::Consulta;
    HabilitarEdicion(false);
}

void frmDDJJ::cmdCopiar_Click()
{
    if (sesion_.formulario != 617 || filaSeleccionada() < 0)
        return;
    const QString clave = QStringLiteral("frmCopiarDDJJ");
    if (const AbrirSeccion abrir = seccionRegistrada(clave))
        abrir(this, sesion_, mensajes_, ContextoSeccion{clave});
    else
        mensajes_.MensajeInformacion(textoPantallaNoDisponible());
    CargarLista();
    HabilitarEdicion(false);
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
    ContextoSeccion contexto{nodo->data(0, kRolClave).toString()};
    if (contexto.clave == QLatin1String("frm618Ingresos2"))
        contexto.tipoIngreso = 1;
    if (sesion_.formulario == 708)
        contexto.textoAlicuota = txtCampo1_->text();
    const AbrirSeccion abrir = seccionRegistrada(contexto.clave);
    if (!abrir) {
        mensajes_.MensajeInformacion(textoPantallaNoDisponible());
        return;
    }
    abrir(this, sesion_, mensajes_, contexto);
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
