#include "f708/pantallas/frm708_listado_salas.h"

#include "f708/importacion_708.h"
#include "intercambio/pantallas/frm_importar.h"
#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "f708/alicuota_708.h"
#include "f708/impuesto_determinado.h"
#include "f708/pantallas/frm708_impuesto_determinado.h"
#include "f708/pantallas/modelo_salas.h"
#include "f708/reportes_708.h"
#include "f708/salas.h"
#include "pantallas/abm.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/listas.h"
#include "pantallas/nodos_arbol.h"
#include "printing/configuracion_reporte.h"
#include "printing/documento/reporte_armado.h"
#include "printing/pantallas/frm_impresion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

namespace veluma {

namespace {

struct Semana {
    const char* clave;
    const char* texto;
};
constexpr std::array<Semana, 4> kSemanas{
    {{"Primero", "1º Periodo"}, {"Segundo", "2º Periodo"}, {"Tercero", "3º Periodo"}, {"Cuarto", "4º Periodo"}}};

// The week a node stands for, 1 to 4; 0 for the root.
int semanaDelNodo(const QTreeWidgetItem* nodo)
{
    const QString clave = nodo->data(0, kRolClave).toString();
    for (std::size_t i = 0; i < kSemanas.size(); ++i)
        if (clave == QLatin1String(kSemanas[i].clave))
            return int(i) + 1;
    return 0;
}


// The first formula index the report settings leave free.
int primeraFormulaLibre(const ConfiguracionReporte& configuracion)
{
    int indice = 0;
    const auto& formulas = configuracion.formulas();
    while (true) {
        const auto formula = formulas.find(indice);
        if (formula == formulas.end() || formula->second.isEmpty())
            return indice;
        ++indice;
    }
}

}  // namespace

frm708ListadoSalas::frm708ListadoSalas(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes), campoOrden_(QStringLiteral("DENOMINACION_SALA")), direccionOrden_(QStringLiteral("DESC"))
{
    setObjectName(QStringLiteral("frm708ListadoSalas"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm708ListadoSalas::crearControles()
{
    cmdImprimir_ = crearBoton(this, Boton::Imprimir, QStringLiteral("&Imprimir"));
    cmdImprimir_->setToolTip(QStringLiteral("Imprimir el detalle de las salas"));
    cmdImportar_ = crearBoton(this, Boton::Importar, QStringLiteral("Im&portar…"));
    cmdImportar_->setToolTip(QStringLiteral("Importar las entradas de todas las salas y semanas (Ctrl + I)"));
    botones_ = crearBotonesABM(*this, {cmdImprimir_, cmdImportar_});

    frDatos_ = new QGroupBox(QStringLiteral("Datos de la Sala"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    txtDenominacion_ = crearCajaTexto(frDatos_, QStringLiteral("txtDenominacion"), 40);
    txtDomicilio_ = crearCajaTexto(frDatos_, QStringLiteral("txtDomicilio"), 40);
    txtCodINCAA_ = crearCajaTexto(frDatos_, QStringLiteral("txtCodINCAA"), 6);
    txtCodINCAA_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), txtCodINCAA_));
    txtCodINCAA_->setMaximumWidth(90);
    auto* datos = new QFormLayout(frDatos_);
    datos->addRow(QStringLiteral("Denominación:"), txtDenominacion_);
    datos->addRow(QStringLiteral("Domicilio:"), txtDomicilio_);
    datos->addRow(QStringLiteral("Código INCAA:"), txtCodINCAA_);

    modelo_ = new ModeloSalas(this);
    Grilla_ = crearGrilla(this, QStringLiteral("Grilla"), modelo_);
    Grilla_->horizontalHeader()->setSectionsClickable(true);
    Grilla_->setColumnWidth(0, 220);

    FrArbol_ = new QGroupBox(QStringLiteral("Entradas por Periodo"), this);
    FrArbol_->setObjectName(QStringLiteral("FrArbol"));
    arbol_ = new QTreeWidget(FrArbol_);
    arbol_->setObjectName(QStringLiteral("arbol"));
    arbol_->setHeaderHidden(true);
    arbol_->setMinimumWidth(180);
    abrirConEnter(*arbol_);
    auto* lblAlicuota = new QLabel(QStringLiteral("Alícuota: %1 %").arg(textoAlicuota(alicuotaDe(clave()))), FrArbol_);
    lblAlicuota->setObjectName(QStringLiteral("lblAlicuota"));
    auto* marcoArbol = new QVBoxLayout(FrArbol_);
    marcoArbol->addWidget(arbol_, 1);
    marcoArbol->addWidget(lblAlicuota);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(frDatos_);
    izquierda->addWidget(Grilla_, 1);
    auto* cuerpo = new QHBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addLayout(izquierda, 1);
    cuerpo->addWidget(FrArbol_);
    disponerPantalla(*this, botones_.barra, cuerpo);
    setWindowTitle(QStringLiteral("Salas"));
    resize(760, 460);

    connect(botones_.nuevo, &QToolButton::clicked, this, &frm708ListadoSalas::CmdNuevo_Click);
    connect(botones_.modificar, &QToolButton::clicked, this, &frm708ListadoSalas::cmdModificar_Click);
    connect(botones_.eliminar, &QToolButton::clicked, this, &frm708ListadoSalas::cmdeliminarabm_click);
    connect(botones_.eliminarTodos, &QToolButton::clicked, this, &frm708ListadoSalas::cmdEliminarTodos_Click);
    connect(cmdImprimir_, &QToolButton::clicked, this, &frm708ListadoSalas::cmdImprimir_Click);
    connect(cmdImportar_, &QToolButton::clicked, this, &frm708ListadoSalas::cmdImportar_Click);
    connect(botones_.aceptar, &QToolButton::clicked, this, &frm708ListadoSalas::cmdAceptar_Click);
    connect(botones_.cancelar, &QToolButton::clicked, this, &frm708ListadoSalas::CmdCancelar_Click);
    connect(botones_.salir, &QToolButton::clicked, this, &QDialog::accept);
    connect(Grilla_->horizontalHeader(), &QHeaderView::sectionClicked, this, &frm708ListadoSalas::Grilla_HeadClick);
    connect(Grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { RefrescarDatos(); });
    connect(arbol_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* nodo) { arbol_DblClick(nodo); });
    imagenesDeApertura(*arbol_);
}

void frm708ListadoSalas::Form_Load()
{
    ConfigurarBotones(*this, kAyudaSalas708);
    CargarGrilla();
    seleccionar(0);
    HabilitarEdicion(false);
}

const ClaveDDJJ& frm708ListadoSalas::clave() const { return sesion_.declaracion; }

void frm708ListadoSalas::CargarGrilla()
{
    std::vector<Sala> salas;
    conAvisoDeErrores(mensajes_,
                      [&] { salas = cls708Salas::GetAll(sesion_.base, clave(), campoOrden_, direccionOrden_); });
    modelo_->cambiarFilas(std::move(salas));
    const int columna = campoOrden_.compare(QLatin1String("DOMICILIO_SALA"), Qt::CaseInsensitive) == 0 ? 1 : 0;
    Grilla_->horizontalHeader()->setSortIndicatorShown(true);
    Grilla_->horizontalHeader()->setSortIndicator(
        columna, direccionOrden_ == QLatin1String("ASC") ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void frm708ListadoSalas::seleccionar(int fila)
{
    ponerFilaActual(*Grilla_, fila);
    RefrescarDatos();
}

int frm708ListadoSalas::filaSeleccionada() const { return filaActual(*Grilla_); }

bool frm708ListadoSalas::tieneFilas() const { return modelo_->rowCount() > 0; }

void frm708ListadoSalas::RefrescarDatos()
{
    const int fila = filaSeleccionada();
    if (fila < 0) {
        LimpiarCajas();
        arbol_->clear();
        return;
    }
    const Sala& sala = modelo_->fila(fila);
    txtCodINCAA_->setText(sala.codigoINCAA);
    txtDenominacion_->setText(sala.denominacion);
    txtDomicilio_->setText(sala.domicilio);
    CargarArbol();
}

void frm708ListadoSalas::CargarArbol()
{
    const int fila = filaSeleccionada();
    const int semanaActual = arbol_->currentItem() ? semanaDelNodo(arbol_->currentItem()) : 0;
    arbol_->clear();
    if (fila < 0)
        return;
    const qint32 sala = modelo_->fila(fila).codigo;
    std::array<bool, 4> conEntradas{};
    const bool leido = conAvisoDeErrores(
        mensajes_, [&] { conEntradas = cls708ImpuestoDeterminado::SemanasConEntradas(sesion_.base, clave(), sala); });
    if (!leido)
        return;
    auto* raiz = crearNodo(QStringLiteral("Salas"), QStringLiteral("Periodos"), QStringLiteral("cerrado"));
    arbol_->addTopLevelItem(raiz);
    for (std::size_t i = 0; i < kSemanas.size(); ++i)
        raiz->addChild(crearNodo(QString::fromLatin1(kSemanas[i].clave), QString::fromUtf8(kSemanas[i].texto),
                                 conEntradas[i] ? kImagenLleno : kImagenVacio));
    raiz->setExpanded(true);
    ponerImagen(raiz, QStringLiteral("abierto"));
    arbol_->setCurrentItem(semanaActual > 0 ? raiz->child(semanaActual - 1) : raiz);
}

void frm708ListadoSalas::LimpiarCajas()
{
    for (QLineEdit* campo : {txtDenominacion_, txtDomicilio_, txtCodINCAA_})
        campo->clear();
}

void frm708ListadoSalas::HabilitarEdicion(bool editando)
{
    HabilitarEdicionABM(*this, editando, tieneFilas(), frDatos_, {Grilla_, FrArbol_});
}

void frm708ListadoSalas::Grilla_HeadClick(int columna)
{
    if (modo_ != ModoEdicion::Consulta)
        return;
    if (columna == 0 || columna == 1) {
        campoOrden_ = columna == 0 ? QStringLiteral("DENOMINACION_SALA") : QStringLiteral("DOMICILIO_SALA");
        direccionOrden_ = direccionOrden_ == QLatin1String("ASC") ? QStringLiteral("DESC") : QStringLiteral("ASC");
    }
    CargarGrilla();
    seleccionar(0);
}

void frm708ListadoSalas::arbol_DblClick(QTreeWidgetItem* nodo)
{
    if (!nodo || !arbol_->isEnabled() || modo_ != ModoEdicion::Consulta)
        return;
    const int semana = semanaDelNodo(nodo);
    const int fila = filaSeleccionada();
    if (semana == 0 || fila < 0)
        return;
    {
        frm708ImpuestoDeterminado entradas(sesion_, mensajes_, semana, modelo_->fila(fila).codigo, this);
        entradas.exec();
    }
    CargarArbol();
    arbol_->setFocus();
}

void frm708ListadoSalas::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    LimpiarCajas();
    arbol_->clear();
    HabilitarEdicion(true);
    txtDenominacion_->setFocus();
}

void frm708ListadoSalas::cmdModificar_Click()
{
    if (filaSeleccionada() < 0)
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtDenominacion_->setFocus();
}

void frm708ListadoSalas::cmdAceptar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    const int fila = filaSeleccionada();
    if (modo_ == ModoEdicion::Modificar && fila < 0)
        return;
    const QString problema = ValidarSala(txtDenominacion_->text(), txtDomicilio_->text(), txtCodINCAA_->text());
    if (!problema.isEmpty()) {
        mensajes_.MensajeInformacion(problema);
        return;
    }
    cls708Salas sala;
    sala.Cuit = clave().cuit;
    sala.Periodo = clave().periodo;
    sala.Secuencia = qint16(clave().secuencia);
    // Blanks typed around a name would only show up in the printed list.
    sala.Denominacion = txtDenominacion_->text().trimmed();
    sala.Domicilio = txtDomicilio_->text().trimmed();
    sala.CodigoINCAA = txtCodINCAA_->text().trimmed();
    if (modo_ == ModoEdicion::Modificar)
        sala.codigo = modelo_->fila(fila).codigo;
    conAvisoDeErrores(mensajes_, [&] {
        const QString resultado = modo_ == ModoEdicion::Modificar ? sala.Modificar(sesion_.base) : sala.Agregar(sesion_.base);
        if (!resultado.isEmpty())
            mensajes_.MensajeInformacion(resultado);
    });
    modo_ = ModoEdicion::Consulta;
    CargarGrilla();
    seleccionar(std::max(0, modelo_->buscar(sala.codigo)));
    HabilitarEdicion(false);
}

void frm708ListadoSalas::CmdCancelar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    modo_ = ModoEdicion::Consulta;
    LimpiarCajas();
    RefrescarDatos();
    HabilitarEdicion(false);
}

void frm708ListadoSalas::cmdeliminarabm_click()
{
    const int fila = filaSeleccionada();
    if (fila < 0
        || mensajes_.PreguntaSiNo(QStringLiteral("¿ Confirma la eliminación de la sala seleccionada?"))
               != Respuesta::Si)
        return;
    const qint32 sala = modelo_->fila(fila).codigo;
    conAvisoDeErrores(mensajes_, [&] { cls708Salas::Eliminar(sesion_.base, clave(), sala); });
    LimpiarCajas();
    CargarGrilla();
    seleccionar(0);
    HabilitarEdicion(false);
}

void frm708ListadoSalas::cmdEliminarTodos_Click()
{
    if (!tieneFilas()
        || !mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("¿ Confirma eliminación de todas las salas ingresadas?"),
                                              QStringLiteral("Eliminación de todos")))
        return;
    conAvisoDeErrores(mensajes_, [&] { cls708Salas::EliminarTodos(sesion_.base, clave()); });
    LimpiarCajas();
    CargarGrilla();
    seleccionar(0);
    HabilitarEdicion(false);
}

void frm708ListadoSalas::cmdImprimir_Click()
{
    conAvisoDeErrores(mensajes_, [&] {
        ConfiguracionReporte configuracion = reporteSalas(sesion_);
        // The list prints its page count on its last page: lay it out once to know it.
        const int hojas = paginas(armarReporte(configuracion, sesion_.base));
        configuracion.Formula(primeraFormulaLibre(configuracion), formulaUltimaHoja(hojas));
        configuracion.titulo = QStringLiteral("Impresión Detalle de Salas");
        frmImpresion impresion(std::move(configuracion), sesion_.base, mensajes_, this);
        impresion.exec();
    });
}

void frm708ListadoSalas::cmdImportar_Click()
{
    const auto importador = [this] { return std::make_unique<ImportadorEntradas708>(sesion_.base, clave()); };
    if (importarArchivo(this, sesion_, mensajes_, importador) > 0)
        RefrescarDatos();
    Grilla_->setFocus();
}

void frm708ListadoSalas::empezarEnArbol() { focoEnArbol_ = true; }

void frm708ListadoSalas::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (focoEnArbol_ && arbol_->isEnabled()) {
        if (QTreeWidgetItem* raiz = arbol_->topLevelItem(0); raiz && raiz->childCount() > 0)
            arbol_->setCurrentItem(raiz->child(0));
        arbol_->setFocus(Qt::OtherFocusReason);
    }
    focoEnArbol_ = false;
}

}  // namespace veluma
