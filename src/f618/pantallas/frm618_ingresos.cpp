#include "f618/pantallas/frm618_ingresos.h"

#include "f618/importacion_618.h"
#include "intercambio/pantallas/frm_importar.h"
#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f618/ingresos_618.h"
#include "f618/pantallas/modelo_ingresos.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/listas.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

frm618Ingresos::frm618Ingresos(Sesion& sesion, Mensajes& mensajes, int tipoIngreso, QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes), tipoIngreso_(tipoIngreso)
{
    setObjectName(QStringLiteral("frm618Ingresos"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm618Ingresos::crearControles()
{
    cmdImportar_ = crearBoton(this, Boton::Importar, QStringLiteral("Im&portar…"));
    botones_ = crearBotonesABM(*this, {cmdImportar_}, false);

    modelo_ = new ModeloIngresos(this);
    dbgIngresos_ = crearGrilla(this, QStringLiteral("dbgIngresos"), modelo_);
    dbgIngresos_->setColumnWidth(0, 50);
    dbgIngresos_->setColumnWidth(1, 130);
    dbgIngresos_->setMinimumWidth(330);

    frDatos_ = new QGroupBox(QStringLiteral("Ingreso del día"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    txtDia_ = crearCajaNumerica(frDatos_, QStringLiteral("txtDia"), QStringLiteral("[0-9]{0,2}"));
    txtNetoCobrado_ = crearCajaNumerica(frDatos_, QStringLiteral("txtNetoCobrado"), QStringLiteral("[0-9.,]{0,20}"));
    txtTotalCobrado_ = crearCajaNumerica(frDatos_, QStringLiteral("txtTotalCobrado"), QStringLiteral("[0-9.,]{0,20}"));
    auto* datos = new QFormLayout(frDatos_);
    datos->addRow(QStringLiteral("Día:"), txtDia_);
    datos->addRow(QStringLiteral("Neto Cobrado:"), txtNetoCobrado_);
    datos->addRow(QStringLiteral("Total Cobrado:"), txtTotalCobrado_);

    auto* frTotal = new QGroupBox(QStringLiteral("Total del mes"), this);
    frTotal->setObjectName(QStringLiteral("frTotal"));
    txtTotalNetoCobrado_ = crearCajaNumerica(frTotal, QStringLiteral("txtTotalNetoCobrado"));
    auto* total = new QFormLayout(frTotal);
    total->addRow(QStringLiteral("Total Neto Cobrado:"), txtTotalNetoCobrado_);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(frDatos_);
    derecha->addWidget(frTotal);
    derecha->addStretch();
    auto* cuerpo = new QHBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(dbgIngresos_, 1);
    cuerpo->addLayout(derecha);
    disponerPantalla(*this, botones_.barra, cuerpo);
    resize(680, 460);

    connect(botones_.nuevo, &QToolButton::clicked, this, &frm618Ingresos::CmdNuevo_Click);
    connect(botones_.modificar, &QToolButton::clicked, this, &frm618Ingresos::cmdModificar_Click);
    connect(botones_.eliminar, &QToolButton::clicked, this, &frm618Ingresos::cmdEliminar_Click);
    connect(botones_.aceptar, &QToolButton::clicked, this, &frm618Ingresos::cmdAceptar_Click);
    connect(botones_.cancelar, &QToolButton::clicked, this, &frm618Ingresos::CmdCancelar_Click);
    connect(botones_.salir, &QToolButton::clicked, this, &QDialog::accept);
    connect(cmdImportar_, &QToolButton::clicked, this, &frm618Ingresos::cmdImportar_Click);
    connect(dbgIngresos_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { dbgIngresos_RowColChange(); });
}

void frm618Ingresos::Form_Load()
{
    setWindowTitle(tituloTipoIngreso(tipoIngreso_));
    ConfigurarBotones(*this, kAyudaIngresos618);
    leerDias();
    seleccionar(0);
    mostrarTotal();
    HabilitarEdicion(false);
}

void frm618Ingresos::leerDias()
{
    std::vector<IngresoDia> dias;
    conAvisoDeErrores(mensajes_,
                      [&] { dias = cls618Ingresos::CargarData(sesion_.base, sesion_.declaracion, tipoIngreso_); });
    modelo_->cambiarFilas(std::move(dias));
}

void frm618Ingresos::seleccionar(int fila)
{
    ponerFilaActual(*dbgIngresos_, fila);
    dbgIngresos_RowColChange();
}

int frm618Ingresos::filaSeleccionada() const
{
    return filaActual(*dbgIngresos_);
}

bool frm618Ingresos::tieneFilas() const
{
    return modelo_->rowCount() > 0;
}

void frm618Ingresos::dbgIngresos_RowColChange()
{
    const int fila = filaSeleccionada();
    if (fila < 0) {
        LimpiarCampos();
        return;
    }
    const IngresoDia& ingreso = modelo_->fila(fila);
    txtDia_->setText(QString::number(ingreso.dia));
    txtNetoCobrado_->setText(textoNumero(ingreso.netoCobrado));
    txtTotalCobrado_->setText(textoNumero(ingreso.totalCobrado));
}

void frm618Ingresos::mostrarTotal()
{
    conAvisoDeErrores(mensajes_, [&] {
        txtTotalNetoCobrado_->setText(
            textoNumero(cls618Ingresos::SumarTotalNetoCobrado(sesion_.base, sesion_.declaracion, tipoIngreso_)));
    });
}

void frm618Ingresos::LimpiarCampos()
{
    for (QLineEdit* campo : {txtDia_, txtNetoCobrado_, txtTotalCobrado_})
        campo->clear();
}

void frm618Ingresos::HabilitarEdicion(bool editando)
{
    HabilitarEdicionABM(*this, editando, tieneFilas(), frDatos_, {dbgIngresos_});
    // The day names the row being changed: only a new day takes one.
    txtDia_->setEnabled(modo_ != ModoEdicion::Modificar);
}

void frm618Ingresos::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    LimpiarCampos();
    HabilitarEdicion(true);
    txtDia_->setFocus();
}

void frm618Ingresos::cmdModificar_Click()
{
    if (filaSeleccionada() < 0)
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtNetoCobrado_->setFocus();
    txtNetoCobrado_->selectAll();
}

void frm618Ingresos::cmdAceptar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    const LecturaIngreso lectura =
        leerIngreso(txtDia_->text(), txtNetoCobrado_->text(), txtTotalCobrado_->text(), sesion_.declaracion.periodo);
    if (!lectura.problema.isEmpty()) {
        mensajes_.MensajeInformacion(lectura.problema);
        QLineEdit* campo = lectura.campo == LecturaIngreso::Campo::Dia    ? txtDia_
                           : lectura.campo == LecturaIngreso::Campo::Neto ? txtNetoCobrado_
                                                                          : txtTotalCobrado_;
        campo->setFocus();
        campo->selectAll();
        return;
    }
    if (modo_ == ModoEdicion::Nuevo && modelo_->buscar(lectura.dia) >= 0) {
        // What was typed stays, so only the day needs changing.
        mensajes_.MensajeInformacion(textoDiaExistente());
        txtDia_->setFocus();
        txtDia_->selectAll();
        return;
    }
    cls618Ingresos ingreso;
    ingreso.Dia = lectura.dia;
    ingreso.NetoCobrado = lectura.neto;
    ingreso.TotalCobrado = lectura.total;
    if (!conAvisoDeErrores(mensajes_,
                           [&] { ingreso.AgregarIngresos(sesion_.base, sesion_.declaracion, tipoIngreso_); }))
        return;
    volverALaLista(lectura.dia);
}

void frm618Ingresos::CmdCancelar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    modo_ = ModoEdicion::Consulta;
    LimpiarCampos();
    dbgIngresos_RowColChange();
    HabilitarEdicion(false);
}

void frm618Ingresos::cmdEliminar_Click()
{
    const int fila = filaSeleccionada();
    if (fila < 0)
        return;
    const int dia = modelo_->fila(fila).dia;
    if (!mensajes_.ConfirmacionAdvertencia(QStringLiteral("¿Confirma la eliminación del día seleccionado?")))
        return;
    conAvisoDeErrores(mensajes_,
                      [&] { cls618Ingresos::EliminarIngresos(sesion_.base, sesion_.declaracion, tipoIngreso_, dia); });
    LimpiarCampos();
    volverALaLista(-1);
}

void frm618Ingresos::cmdImportar_Click()
{
    const auto importador = [this] {
        return std::make_unique<ImportadorIngresos618>(sesion_.base, sesion_.declaracion, tipoIngreso_);
    };
    if (importarArchivo(this, sesion_, mensajes_, importador) > 0)
        volverALaLista(0);
    dbgIngresos_->setFocus();
}

void frm618Ingresos::volverALaLista(int dia)
{
    modo_ = ModoEdicion::Consulta;
    leerDias();
    seleccionar(std::max(0, modelo_->buscar(dia)));
    mostrarTotal();
    HabilitarEdicion(false);
    dbgIngresos_->setFocus();
}

void frm618Ingresos::done(int resultado)
{
    if (!tieneFilas())
        conAvisoDeErrores(mensajes_, [&] {
            cls618Ingresos::ActualizarTotalPercepcionesEfectuadas(sesion_.base, sesion_.declaracion, tipoIngreso_);
        });
    PantallaEntrada::done(resultado);
}

}  // namespace veluma
