#include "f708/pantallas/frm708_impuesto_determinado.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f708/alicuota_708.h"
#include "f708/impuesto_determinado.h"
#include "f708/importacion_708.h"
#include "intercambio/pantallas/frm_importar.h"
#include "f708/pantallas/modelo_impuesto.h"
#include "pantallas/abm.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"
#include "pantallas/listas.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

frm708ImpuestoDeterminado::frm708ImpuestoDeterminado(Sesion& sesion, Mensajes& mensajes, int semana, qint32 sala,
                                                     QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes), semana_(semana), sala_(sala),
      alicuota_(alicuotaDe(sesion.declaracion))
{
    setObjectName(QStringLiteral("frm708ImpuestoDeterminado"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm708ImpuestoDeterminado::crearControles()
{
    cmdImportar_ = crearBoton(this, Boton::Importar, QStringLiteral("Im&portar…"));
    botones_ = crearBotonesABM(*this, {cmdImportar_});

    modelo_ = new ModeloImpuesto(this);
    Grilla_ = crearGrilla(this, QStringLiteral("Grilla"), modelo_);
    Grilla_->setColumnWidth(0, 120);
    Grilla_->setMinimumWidth(260);

    frDatos_ = new QGroupBox(QStringLiteral("Entradas vendidas"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    txtPrecioVenta_ =
        crearCajaNumerica(frDatos_, QStringLiteral("txtPrecioVenta"), QStringLiteral("[0-9.,]{0,16}"), 110);
    txtCantEntradas_ =
        crearCajaNumerica(frDatos_, QStringLiteral("txtCantEntradas"), QStringLiteral("[0-9.]{0,13}"), 110);
    txtPrecioBasico_ = crearCajaNumerica(frDatos_, QStringLiteral("txtPrecioBasico"), {}, 110);
    txtImpuestoDeterminado_ = crearCajaNumerica(frDatos_, QStringLiteral("txtImpuestoDeterminado"), {}, 110);
    auto* datos = new QFormLayout(frDatos_);
    datos->addRow(QStringLiteral("Precio de Venta:"), txtPrecioVenta_);
    datos->addRow(QStringLiteral("Cantidad de Entradas:"), txtCantEntradas_);
    datos->addRow(QStringLiteral("Precio Básico:"), txtPrecioBasico_);
    datos->addRow(QStringLiteral("Impuesto Determinado:"), txtImpuestoDeterminado_);

    auto* frTotales = new QGroupBox(QStringLiteral("Totales de la sala"), this);
    frTotales->setObjectName(QStringLiteral("frTotales"));
    txtTotalImpuestoSemana_ = crearCajaNumerica(frTotales, QStringLiteral("txtTotalImpuestoSemana"), {}, 110);
    TotalImpuestoMes_ = crearCajaNumerica(frTotales, QStringLiteral("TotalImpuestoMes"), {}, 110);
    auto* totales = new QFormLayout(frTotales);
    totales->addRow(QStringLiteral("Impuesto del Periodo:"), txtTotalImpuestoSemana_);
    totales->addRow(QStringLiteral("Impuesto del Mes:"), TotalImpuestoMes_);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(frDatos_);
    derecha->addWidget(frTotales);
    derecha->addStretch();
    auto* cuerpo = new QHBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(Grilla_, 1);
    cuerpo->addLayout(derecha);
    disponerPantalla(*this, botones_.barra, cuerpo);
    resize(640, 400);

    connect(botones_.nuevo, &QToolButton::clicked, this, &frm708ImpuestoDeterminado::CmdNuevo_Click);
    connect(botones_.modificar, &QToolButton::clicked, this, &frm708ImpuestoDeterminado::cmdModificar_Click);
    connect(botones_.eliminar, &QToolButton::clicked, this, &frm708ImpuestoDeterminado::cmdeliminarabm_click);
    connect(botones_.eliminarTodos, &QToolButton::clicked, this, &frm708ImpuestoDeterminado::cmdEliminarTodos_Click);
    connect(botones_.aceptar, &QToolButton::clicked, this, &frm708ImpuestoDeterminado::cmdAceptar_Click);
    connect(botones_.cancelar, &QToolButton::clicked, this, &frm708ImpuestoDeterminado::CmdCancelar_Click);
    connect(botones_.salir, &QToolButton::clicked, this, &QDialog::accept);
    connect(cmdImportar_, &QToolButton::clicked, this, &frm708ImpuestoDeterminado::cmdImportar_Click);
    connect(txtPrecioVenta_, &QLineEdit::textEdited, this, &frm708ImpuestoDeterminado::calcularLineaEscrita);
    connect(txtCantEntradas_, &QLineEdit::textEdited, this, &frm708ImpuestoDeterminado::calcularLineaEscrita);
    connect(Grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { Grilla_RowColChange(); });
}

void frm708ImpuestoDeterminado::Form_Load()
{
    setWindowTitle(caption() + QLatin1Char(' ') + QString::number(semana_) + QStringLiteral("º Periodo"));
    ConfigurarBotones(*this, kAyudaImpuestoDeterminado708);
    leerLineas();
    seleccionar(0);
    mostrarTotales();
    HabilitarEdicion(false);
}

const ClaveDDJJ& frm708ImpuestoDeterminado::clave() const { return sesion_.declaracion; }

void frm708ImpuestoDeterminado::leerLineas()
{
    std::vector<LineaImpuesto> lineas;
    conAvisoDeErrores(mensajes_, [&] {
        lineas = cls708ImpuestoDeterminado::GetAll(sesion_.base, clave(), semana_, sala_,
                                                   QStringLiteral("PRECIO_VENTA"), QStringLiteral("DESC"));
    });
    modelo_->cambiarFilas(std::move(lineas));
}

void frm708ImpuestoDeterminado::seleccionar(int fila)
{
    ponerFilaActual(*Grilla_, fila);
    Grilla_RowColChange();
}

int frm708ImpuestoDeterminado::filaSeleccionada() const { return filaActual(*Grilla_); }

bool frm708ImpuestoDeterminado::tieneFilas() const { return modelo_->rowCount() > 0; }

void frm708ImpuestoDeterminado::Grilla_RowColChange()
{
    const int fila = filaSeleccionada();
    if (fila < 0) {
        LimpiarCajas();
        return;
    }
    const LineaImpuesto& linea = modelo_->fila(fila);
    txtPrecioVenta_->setText(textoNumero(linea.precioVenta));
    txtCantEntradas_->setText(textoNumero(linea.entradas));
    mostrarLinea(linea.precioVenta, linea.entradas);
}

void frm708ImpuestoDeterminado::mostrarLinea(double precioVenta, double entradas)
{
    const double basico = cls708ImpuestoDeterminado::PrecioBasico(precioVenta, alicuota_);
    txtPrecioBasico_->setText(textoNumero(basico));
    txtImpuestoDeterminado_->setText(
        textoNumero(cls708ImpuestoDeterminado::impuestodeterminado(basico, qint64(entradas), alicuota_)));
}

// While a line is typed its base price and tax show at once; a box that
// cannot be read yet shows nothing rather than a figure of the wrong line.
void frm708ImpuestoDeterminado::calcularLineaEscrita()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    const LecturaLineaImpuesto lectura = leerLineaImpuesto(txtPrecioVenta_->text(), txtCantEntradas_->text());
    if (!lectura.problema.isEmpty() || lectura.precioVenta <= 0) {
        txtPrecioBasico_->clear();
        txtImpuestoDeterminado_->clear();
        return;
    }
    mostrarLinea(lectura.precioVenta, lectura.entradas);
}

void frm708ImpuestoDeterminado::mostrarTotales()
{
    // Without lines every box is empty, the totals as well.
    if (!tieneFilas()) {
        txtTotalImpuestoSemana_->clear();
        TotalImpuestoMes_->clear();
        return;
    }
    conAvisoDeErrores(mensajes_, [&] {
        txtTotalImpuestoSemana_->setText(textoNumero(
            cls708ImpuestoDeterminado::TotalImpuestoSemana(sesion_.base, clave(), semana_, sala_, alicuota_)));
        TotalImpuestoMes_->setText(
            textoNumero(cls708ImpuestoDeterminado::TotalImpuestoMes(sesion_.base, clave(), sala_, alicuota_)));
    });
}

void frm708ImpuestoDeterminado::LimpiarCajas()
{
    for (QLineEdit* campo : {txtPrecioVenta_, txtCantEntradas_, txtPrecioBasico_, txtImpuestoDeterminado_})
        campo->clear();
}

void frm708ImpuestoDeterminado::HabilitarEdicion(bool editando)
{
    HabilitarEdicionABM(*this, editando, tieneFilas(), frDatos_, {Grilla_});
    // The price names the line being changed: only a new line takes one.
    // Greyed as well, since a read-only box looks like any other.
    txtPrecioVenta_->setReadOnly(modo_ == ModoEdicion::Modificar);
    txtPrecioVenta_->setEnabled(modo_ != ModoEdicion::Modificar);
}

void frm708ImpuestoDeterminado::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    LimpiarCajas();
    HabilitarEdicion(true);
    txtPrecioVenta_->setFocus();
}

void frm708ImpuestoDeterminado::cmdModificar_Click()
{
    if (filaSeleccionada() < 0)
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtCantEntradas_->setFocus();
    txtCantEntradas_->selectAll();
}

void frm708ImpuestoDeterminado::cmdAceptar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    const int fila = filaSeleccionada();
    if (modo_ == ModoEdicion::Modificar && fila < 0)
        return;
    const LecturaLineaImpuesto lectura = leerLineaImpuesto(txtPrecioVenta_->text(), txtCantEntradas_->text());
    if (!lectura.problema.isEmpty()) {
        mensajes_.MensajeAtencion(lectura.problema);
        return;
    }
    cls708ImpuestoDeterminado linea;
    linea.Cuit = clave().cuit;
    linea.Periodo = clave().periodo;
    linea.Secuencia = qint16(clave().secuencia);
    linea.CodSala = sala_;
    linea.NroSemana = qint16(semana_);
    linea.PrecioVenta = lectura.precioVenta;
    linea.EntradasVendidas = lectura.entradas;
    if (const QString problema = linea.ValidarDatos(); !problema.isEmpty()) {
        mensajes_.MensajeAtencion(problema);
        return;
    }
    // A modified line keeps its price, so both cases find their line by it.
    const double precio = modo_ == ModoEdicion::Modificar ? modelo_->fila(fila).precioVenta : linea.PrecioVenta;
    conAvisoDeErrores(mensajes_, [&] {
        const QString resultado = modo_ == ModoEdicion::Modificar ? linea.Modificar(sesion_.base, semana_, sala_, precio)
                                                           : linea.Agregar(sesion_.base);
        if (!resultado.isEmpty())
            mensajes_.MensajeInformacion(resultado);
    });
    volverALaLista(precio);
}

void frm708ImpuestoDeterminado::CmdCancelar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    modo_ = ModoEdicion::Consulta;
    LimpiarCajas();
    Grilla_RowColChange();
    HabilitarEdicion(false);
}

void frm708ImpuestoDeterminado::cmdeliminarabm_click()
{
    const int fila = filaSeleccionada();
    if (fila < 0 || !mensajes_.ConfirmacionAdvertencia(QStringLiteral("¿Confirma la eliminación?")))
        return;
    const double precio = modelo_->fila(fila).precioVenta;
    conAvisoDeErrores(mensajes_,
                      [&] { cls708ImpuestoDeterminado::Eliminar(sesion_.base, clave(), semana_, sala_, precio); });
    LimpiarCajas();
    volverALaLista(-1);
}

void frm708ImpuestoDeterminado::cmdEliminarTodos_Click()
{
    if (!tieneFilas()
        || !mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("Confirma eliminación de todos los elementos?"),
                                              QStringLiteral("Eliminación de todos")))
        return;
    conAvisoDeErrores(mensajes_,
                      [&] { cls708ImpuestoDeterminado::EliminarSemana(sesion_.base, clave(), semana_, sala_); });
    LimpiarCajas();
    volverALaLista(-1);
}

void frm708ImpuestoDeterminado::cmdImportar_Click()
{
    const auto importador = [this] {
        return std::make_unique<ImportadorEntradas708>(sesion_.base, clave(), SalaYSemana{sala_, semana_});
    };
    if (importarArchivo(this, sesion_, mensajes_, importador) > 0)
        volverALaLista(-1);
    Grilla_->setFocus();
}

void frm708ImpuestoDeterminado::volverALaLista(double precioVenta)
{
    modo_ = ModoEdicion::Consulta;
    leerLineas();
    seleccionar(std::max(0, modelo_->buscar(precioVenta)));
    mostrarTotales();
    HabilitarEdicion(false);
}

}  // namespace veluma
