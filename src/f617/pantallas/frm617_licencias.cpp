#include "f617/pantallas/frm617_licencias.h"

#include "core/contextos_ayuda.h"
#include "core/fechas.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/pantallas/frm617_ingresos_conceptos.h"
#include "f617/pantallas/frm617_licencias_detalle.h"
#include "f617/pantallas/frm617_total_licencias.h"
#include "f617/pantallas/modelo_licencias.h"
#include "f617/total_a_pagar_617.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/listas.h"
#include "pantallas/nodos_arbol.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

namespace veluma {

namespace {

const QString kNodoDetalle = QStringLiteral("Detalle");
const QString kNodoIngresos = QStringLiteral("Ingresos");
const QString kNodoTotales = QStringLiteral("Totales");


bool ascendente(OrdenLicencias orden)
{
    return orden == OrdenLicencias::RazonSocialAsc || orden == OrdenLicencias::DomicilioAsc;
}

}  // namespace

frm617Licencias::frm617Licencias(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frm617Licencias"));
    setModal(true);
    LicenciaActual.clave = sesion_.declaracion;
    crearControles();
    Form_Load();
}

void frm617Licencias::crearControles()
{
    botones_ = crearBotonesABM(*this);

    frDatos_ = new QGroupBox(QStringLiteral("Datos de la Licencia"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    txtApellidoNombre_ = crearCajaTexto(frDatos_, QStringLiteral("txtApellidoNombre"), 40);
    txtDomicilio_ = crearCajaTexto(frDatos_, QStringLiteral("txtDomicilio"), 40);
    txtTipoServicio_ = crearCajaTexto(frDatos_, QStringLiteral("txtTipoServicio"), 2);
    txtTipoServicio_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), txtTipoServicio_));
    txtTipoServicio_->setMaximumWidth(40);
    ComboTipo_ = new QComboBox(frDatos_);
    ComboTipo_->setObjectName(QStringLiteral("ComboTipo"));
    ComboTipo_->setMinimumWidth(260);
    FhInicioActividades_ = crearCajaTexto(frDatos_, QStringLiteral("FhInicioActividades"), 10);
    FhInicioActividades_->setPlaceholderText(QStringLiteral("DD/MM/AAAA"));
    FhInicioActividades_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9/]{0,10}")), FhInicioActividades_));
    FhInicioActividades_->setMaximumWidth(110);
    auto* tipo = new QHBoxLayout;
    tipo->addWidget(txtTipoServicio_);
    tipo->addWidget(ComboTipo_, 1);
    auto* datos = new QFormLayout(frDatos_);
    datos->addRow(QStringLiteral("&Razón Social:"), txtApellidoNombre_);
    datos->addRow(QStringLiteral("D&omicilio:"), txtDomicilio_);
    auto* lblTipoServicio = new QLabel(QStringLiteral("Tipo de Ser&vicio:"), frDatos_);
    lblTipoServicio->setBuddy(txtTipoServicio_);
    datos->addRow(lblTipoServicio, tipo);
    datos->addRow(QStringLiteral("&Inicio de Actividades:"), FhInicioActividades_);
    setTabOrder(txtTipoServicio_, ComboTipo_);
    setTabOrder(ComboTipo_, FhInicioActividades_);

    modelo_ = new ModeloLicencias(this);
    Grilla_ = crearGrilla(this, QStringLiteral("Grilla"), modelo_);
    Grilla_->horizontalHeader()->setSectionsClickable(true);
    Grilla_->setColumnWidth(0, 240);

    FrArbol_ = new QGroupBox(QStringLiteral("Secciones de la Licencia"), this);
    FrArbol_->setObjectName(QStringLiteral("FrArbol"));
    arbol_ = new QTreeWidget(FrArbol_);
    arbol_->setObjectName(QStringLiteral("arbol"));
    arbol_->setHeaderHidden(true);
    arbol_->setMinimumWidth(210);
    abrirConEnter(*arbol_);
    auto* marcoArbol = new QVBoxLayout(FrArbol_);
    marcoArbol->addWidget(arbol_, 1);

    auto* frTotal = new QGroupBox(QStringLiteral("Declaración Jurada"), this);
    txtTotalLicencias_ = crearCajaNumerica(frTotal, QStringLiteral("txtTotalLicencias"), {}, 160);
    auto* total = new QFormLayout(frTotal);
    total->addRow(QStringLiteral("Total Licencias:"), txtTotalLicencias_);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(FrArbol_, 1);
    derecha->addWidget(frTotal);
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(frDatos_);
    izquierda->addWidget(Grilla_, 1);
    auto* cuerpo = new QHBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addLayout(izquierda, 1);
    cuerpo->addLayout(derecha);
    disponerPantalla(*this, botones_.barra, cuerpo);
    setWindowTitle(QStringLiteral("Licencias"));
    resize(880, 520);

    connect(botones_.nuevo, &QToolButton::clicked, this, &frm617Licencias::CmdNuevo_Click);
    connect(botones_.modificar, &QToolButton::clicked, this, &frm617Licencias::cmdModificar_Click);
    connect(botones_.eliminar, &QToolButton::clicked, this, &frm617Licencias::cmdeliminarabm_click);
    connect(botones_.eliminarTodos, &QToolButton::clicked, this, &frm617Licencias::cmdEliminarTodos_Click);
    connect(botones_.aceptar, &QToolButton::clicked, this, &frm617Licencias::cmdAceptar_Click);
    connect(botones_.cancelar, &QToolButton::clicked, this, &frm617Licencias::CmdCancelar_Click);
    connect(botones_.salir, &QToolButton::clicked, this, &QDialog::accept);
    connect(Grilla_->horizontalHeader(), &QHeaderView::sectionClicked, this, &frm617Licencias::Grilla_HeadClick);
    connect(Grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { RefrescarDatos(); });
    connect(arbol_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* nodo) { arbol_DblClick(nodo); });
    connect(txtTipoServicio_, &QLineEdit::textChanged, this, &frm617Licencias::txtTipoServicio_Change);
    connect(ComboTipo_, &QComboBox::activated, this, &frm617Licencias::ComboTipo_Click);
    imagenesDeApertura(*arbol_);
}

void frm617Licencias::Form_Load()
{
    ConfigurarBotones(*this, kAyudaLicencias617);
    CargarCombo();
    CargarGrilla();
    seleccionar(0);
    HabilitarEdicion(false);
    mostrarTotal();
}

void frm617Licencias::CargarCombo()
{
    std::vector<TipoDeServicio> tipos;
    conAvisoDeErrores(mensajes_, [&] { tipos = cls617Licencias::TiposDeServicio(sesion_.base, sesion_.declaracion); });
    ComboTipo_->clear();
    for (const TipoDeServicio& tipo : tipos)
        ComboTipo_->addItem(tipo.descripcion, QStringLiteral("%1").arg(tipo.codigo, 2, 10, QLatin1Char('0')));
    ComboTipo_->setCurrentIndex(-1);
}

void frm617Licencias::CargarGrilla()
{
    std::vector<FilaLicencia> licencias;
    conAvisoDeErrores(mensajes_,
                      [&] { licencias = cls617Licencias::CargarGrilla(sesion_.base, sesion_.declaracion, orden_); });
    modelo_->cambiarFilas(std::move(licencias));
    QHeaderView* encabezado = Grilla_->horizontalHeader();
    encabezado->setSortIndicatorShown(orden_ != OrdenLicencias::Codigo);
    const bool porDomicilio = orden_ == OrdenLicencias::DomicilioAsc || orden_ == OrdenLicencias::DomicilioDesc;
    encabezado->setSortIndicator(porDomicilio ? 1 : 0, ascendente(orden_) ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void frm617Licencias::seleccionar(int fila)
{
    ponerFilaActual(*Grilla_, fila);
    RefrescarDatos();
}

int frm617Licencias::filaSeleccionada() const { return filaActual(*Grilla_); }

bool frm617Licencias::tieneFilas() const { return modelo_->rowCount() > 0; }

void frm617Licencias::RefrescarDatos()
{
    const int fila = filaSeleccionada();
    if (fila < 0) {
        VaciarCajas();
        arbol_->clear();
        return;
    }
    LicenciaActual.CodigoLicencia = modelo_->fila(fila).codigo;
    if (!conAvisoDeErrores(mensajes_, [&] { LicenciaActual.CargarLicencias(sesion_.base); }))
        return;
    txtApellidoNombre_->setText(LicenciaActual.ApellidoNombre);
    txtDomicilio_->setText(LicenciaActual.Domicilio);
    txtTipoServicio_->setText(QString::number(LicenciaActual.TipoServicio));
    FhInicioActividades_->setText(formatearFecha(LicenciaActual.InicioActividades));
    CargarArbol();
}

void frm617Licencias::CargarArbol()
{
    const QString actual = arbol_->currentItem() ? arbol_->currentItem()->data(0, kRolClave).toString() : kNodoIngresos;
    arbol_->clear();
    auto* raiz = crearNodo(QStringLiteral("LIC"), QStringLiteral("Licencia"), QStringLiteral("abierto"));
    const auto imagen = [](bool vacio) { return vacio ? kImagenVacio : kImagenLleno; };
    for (const auto& [clave, texto, vacio] :
         {std::tuple{kNodoDetalle, QStringLiteral("Detalle de la Licencia"), LicenciaActual.Detalle.EstaVacio()},
          std::tuple{kNodoIngresos, QStringLiteral("Ingreso de Conceptos"), LicenciaActual.CantidadConceptos() == 0},
          std::tuple{kNodoTotales, QStringLiteral("Total por Licencias"), LicenciaActual.Totales.EstaVacio()}})
        raiz->addChild(crearNodo(clave, texto, imagen(vacio)));
    arbol_->addTopLevelItem(raiz);
    raiz->setExpanded(true);
    // The section the user was on stays chosen from one licence to the next.
    for (int hijo = 0; hijo < raiz->childCount(); ++hijo)
        if (raiz->child(hijo)->data(0, kRolClave).toString() == actual)
            arbol_->setCurrentItem(raiz->child(hijo));
    if (!arbol_->currentItem())
        arbol_->setCurrentItem(raiz);
}

void frm617Licencias::mostrarTotal()
{
    conAvisoDeErrores(mensajes_, [&] {
        cls617TotalAPagar total;
        total.CargarDatos(sesion_.base, sesion_.declaracion);
        txtTotalLicencias_->setText(textoNumero(redondear(total.TotalAPagar, 4)));
    });
}

void frm617Licencias::VaciarCajas()
{
    for (QLineEdit* campo : {txtApellidoNombre_, txtDomicilio_, txtTipoServicio_, FhInicioActividades_})
        campo->clear();
    ComboTipo_->setCurrentIndex(-1);
}

void frm617Licencias::HabilitarEdicion(bool editando)
{
    HabilitarEdicionABM(*this, editando, tieneFilas(), frDatos_, {Grilla_, FrArbol_});
    // The razón social names the licence: only a new one takes it.
    txtApellidoNombre_->setEnabled(modo_ == ModoEdicion::Nuevo);
}

void frm617Licencias::Grilla_HeadClick(int columna)
{
    if (modo_ != ModoEdicion::Consulta || (columna != 0 && columna != 1))
        return;
    // Each click reverses the direction of the last sort, whichever column it was on.
    const bool nuevoAscendente = !ascendente(orden_);
    if (columna == 0)
        orden_ = nuevoAscendente ? OrdenLicencias::RazonSocialAsc : OrdenLicencias::RazonSocialDesc;
    else
        orden_ = nuevoAscendente ? OrdenLicencias::DomicilioAsc : OrdenLicencias::DomicilioDesc;
    const qint64 codigo = LicenciaActual.CodigoLicencia;
    CargarGrilla();
    seleccionar(std::max(0, modelo_->buscar(codigo)));
}

void frm617Licencias::arbol_DblClick(QTreeWidgetItem* nodo)
{
    if (!nodo || !arbol_->isEnabled() || modo_ != ModoEdicion::Consulta || filaSeleccionada() < 0)
        return;
    const QString clave = nodo->data(0, kRolClave).toString();
    if (clave == kNodoDetalle) {
        frm617LicenciasDetalle detalle(sesion_, mensajes_, LicenciaActual, this);
        detalle.exec();
    } else if (clave == kNodoIngresos) {
        frm617IngresosConceptos conceptos(sesion_, mensajes_, LicenciaActual, this);
        conceptos.exec();
    } else if (clave == kNodoTotales) {
        frm617LicenciasTotalLicencias totales(sesion_, mensajes_, LicenciaActual, this);
        totales.exec();
    } else {
        return;
    }
    // What the section screen stored shows at once in the tree and the total.
    conAvisoDeErrores(mensajes_, [&] { LicenciaActual.CargarLicencias(sesion_.base); });
    CargarArbol();
    mostrarTotal();
    arbol_->setFocus();
}

void frm617Licencias::txtTipoServicio_Change()
{
    const QString codigo = QStringLiteral("%1").arg(int(Val(txtTipoServicio_->text())), 2, 10, QLatin1Char('0'));
    ComboTipo_->setCurrentIndex(txtTipoServicio_->text().isEmpty() ? -1 : ComboTipo_->findData(codigo));
}

void frm617Licencias::ComboTipo_Click()
{
    if (ComboTipo_->currentIndex() < 0)
        return;
    const QString codigo = ComboTipo_->currentData().toString();
    txtTipoServicio_->setText(leerNumero(codigo) ? codigo : QString());
}

void frm617Licencias::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    HabilitarEdicion(true);
    VaciarCajas();
    arbol_->clear();
    txtApellidoNombre_->setFocus();
}

void frm617Licencias::cmdModificar_Click()
{
    if (filaSeleccionada() < 0)
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtDomicilio_->setFocus();
    txtDomicilio_->selectAll();
}

void frm617Licencias::cmdAceptar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    cls617Licencias licencia;
    licencia.clave = sesion_.declaracion;
    licencia.CodigoLicencia = modo_ == ModoEdicion::Modificar ? LicenciaActual.CodigoLicencia : 0;
    // Blanks typed around a name would tell two equal licences apart.
    licencia.ApellidoNombre = txtApellidoNombre_->text().trimmed();
    licencia.Domicilio = txtDomicilio_->text().trimmed();
    licencia.TipoServicio = ComboTipo_->currentIndex() >= 0 ? int(Val(txtTipoServicio_->text())) : 0;
    licencia.InicioActividades = leerFecha(FhInicioActividades_->text()).value_or(QDate());
    const LecturaLicencia lectura = ValidarLicencia(licencia);
    if (!lectura.problema.isEmpty()) {
        mensajes_.MensajeAtencion(lectura.problema);
        using Campo = LecturaLicencia::Campo;
        QWidget* campo = lectura.campo == Campo::Inicio        ? FhInicioActividades_
                         : lectura.campo == Campo::RazonSocial ? txtApellidoNombre_
                         : lectura.campo == Campo::Domicilio   ? txtDomicilio_
                                                               : static_cast<QWidget*>(txtTipoServicio_);
        campo->setFocus();
        return;
    }
    const bool nuevo = modo_ == ModoEdicion::Nuevo;
    bool duplicado = false;
    const bool guardada = conAvisoDeErrores(mensajes_, [&] {
        duplicado = nuevo && licencia.BuscarDuplicado(sesion_.base);
        if (!duplicado)
            licencia.GuardarLicencia(sesion_.base, nuevo);
    });
    if (duplicado) {
        mensajes_.MensajeAtencion(QStringLiteral("La Licencia ya existe para la Declaración Jurada."));
        txtApellidoNombre_->setFocus();
        return;
    }
    if (guardada)
        volverALaLista(licencia.CodigoLicencia);
}

void frm617Licencias::CmdCancelar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    modo_ = ModoEdicion::Consulta;
    HabilitarEdicion(false);
    VaciarCajas();
    RefrescarDatos();
    Grilla_->setFocus();
}

void frm617Licencias::cmdeliminarabm_click()
{
    if (filaSeleccionada() >= 0
        && mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("Confirma eliminación de la empresa?"),
                                             QStringLiteral("Eliminación")))
        conAvisoDeErrores(mensajes_, [&] { LicenciaActual.EliminarLicencia(sesion_.base); });
    volverALaLista(-1);
}

void frm617Licencias::cmdEliminarTodos_Click()
{
    if (tieneFilas()
        && mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("Confirma eliminación de todas las empresas?"),
                                             QStringLiteral("Eliminación de todos")))
        conAvisoDeErrores(mensajes_, [&] { cls617Licencias::EliminarTodas(sesion_.base, sesion_.declaracion); });
    volverALaLista(-1);
}

void frm617Licencias::volverALaLista(qint64 codigo)
{
    modo_ = ModoEdicion::Consulta;
    VaciarCajas();
    CargarGrilla();
    seleccionar(std::max(0, modelo_->buscar(codigo >= 0 ? codigo : LicenciaActual.CodigoLicencia)));
    HabilitarEdicion(false);
    mostrarTotal();
    Grilla_->setFocus();
}

}  // namespace veluma
