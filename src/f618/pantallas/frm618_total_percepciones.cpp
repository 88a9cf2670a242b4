#include "f618/pantallas/frm618_total_percepciones.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

namespace veluma {

namespace {

// A figure as the boxes show it: plain, and 0 as nothing.
QString textoFigura(double valor)
{
    return valor == 0 ? QString() : textoNumero(valor);
}

}  // namespace

frm618TotalPercepcionesEfectuadas::frm618TotalPercepcionesEfectuadas(Sesion& sesion, Mensajes& mensajes,
                                                                     QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frm618TotalPercepcionesEfectuadas"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm618TotalPercepcionesEfectuadas::crearControles()
{
    cmdModificar_ = crearBoton(this, Boton::Modificar, QStringLiteral("&Modificar"), QStringLiteral("CmdModificar"));
    cmdAceptar_ = crearBoton(this, Boton::Aceptar, QStringLiteral("&Aceptar"));
    cmdCancelar_ = crearBoton(this, Boton::Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("CmdCancelar"));
    cmdSalir_ = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"));
    auto* picBarra = crearBarra(*this, {cmdModificar_, cmdAceptar_, cmdCancelar_}, cmdSalir_);

    frDatos_ = new QGroupBox(QStringLiteral("Percepciones efectuadas"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    const QString cantidad = QStringLiteral("[0-9.]{0,19}");
    const QString tasa = QStringLiteral("[0-9.,]{0,6}");
    txtCantidadV_ = crearCajaNumerica(frDatos_, QStringLiteral("txtCantidadV"), cantidad);
    txtCantidadA_ = crearCajaNumerica(frDatos_, QStringLiteral("txtCantidadA"), cantidad);
    txtNetoCobradoV_ = crearCajaNumerica(frDatos_, QStringLiteral("txtNetoCobradoV"));
    txtNetoCobradoA_ = crearCajaNumerica(frDatos_, QStringLiteral("txtNetoCobradoA"));
    txtTasaV_ = crearCajaNumerica(frDatos_, QStringLiteral("txtTasaV"), tasa);
    txtTasaA_ = crearCajaNumerica(frDatos_, QStringLiteral("txtTasaA"), tasa);
    txtTotalPercepcionV_ = crearCajaNumerica(frDatos_, QStringLiteral("txtTotalPercepcionV"));
    txtTotalPercepcionA_ = crearCajaNumerica(frDatos_, QStringLiteral("txtTotalPercepcionA"));
    txtTotalDepositar_ = crearCajaNumerica(frDatos_, QStringLiteral("txtTotalDepositar"));

    auto* datos = new QGridLayout(frDatos_);
    datos->addWidget(new QLabel(QStringLiteral("<b>Ventas</b>"), frDatos_), 0, 1, Qt::AlignCenter);
    datos->addWidget(new QLabel(QStringLiteral("<b>Alquiler</b>"), frDatos_), 0, 2, Qt::AlignCenter);
    const std::array<std::tuple<const char*, QLineEdit*, QLineEdit*>, 4> filas = {{
        {"Cantidad de Videogramas:", txtCantidadV_, txtCantidadA_},
        {"Neto Cobrado:", txtNetoCobradoV_, txtNetoCobradoA_},
        {"Tasa (%):", txtTasaV_, txtTasaA_},
        {"Percepción:", txtTotalPercepcionV_, txtTotalPercepcionA_},
    }};
    int fila = 1;
    for (const auto& [etiqueta, ventas, alquiler] : filas) {
        datos->addWidget(new QLabel(QString::fromUtf8(etiqueta), frDatos_), fila, 0);
        datos->addWidget(ventas, fila, 1);
        datos->addWidget(alquiler, fila, 2);
        ++fila;
    }
    datos->addWidget(new QLabel(QStringLiteral("<b>Total a Depositar:</b>"), frDatos_), fila, 0);
    datos->addWidget(txtTotalDepositar_, fila, 2);
    // Across the kinds first, as the form reads.
    QWidget::setTabOrder(txtCantidadV_, txtTasaV_);
    QWidget::setTabOrder(txtTasaV_, txtCantidadA_);
    QWidget::setTabOrder(txtCantidadA_, txtTasaA_);

    disponerPantalla(*this, picBarra, frDatos_);
    setWindowTitle(QStringLiteral("Total Percepciones efectuadas"));

    connect(cmdModificar_, &QToolButton::clicked, this, &frm618TotalPercepcionesEfectuadas::cmdModificar_Click);
    connect(cmdAceptar_, &QToolButton::clicked, this, &frm618TotalPercepcionesEfectuadas::cmdAceptar_Click);
    connect(cmdCancelar_, &QToolButton::clicked, this, &frm618TotalPercepcionesEfectuadas::CmdCancelar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &QDialog::accept);
}

void frm618TotalPercepcionesEfectuadas::Form_Load()
{
    ConfigurarBotones(*this, kAyudaPercepciones618);
    conAvisoDeErrores(mensajes_, [&] { percepciones_.CargarObjeto(sesion_.base, sesion_.declaracion); });
    mostrarFiguras();
    HabilitarEdicion(false);
}

void frm618TotalPercepcionesEfectuadas::mostrarFiguras()
{
    const cls618TotalPercepciones& p = percepciones_;
    const std::pair<QLineEdit*, double> figuras[] = {
        {txtCantidadV_, p.VideogramasV},
        {txtCantidadA_, p.VideogramasA},
        {txtNetoCobradoV_, p.NetoV},
        {txtNetoCobradoA_, p.NetoA},
        {txtTasaV_, p.TasaV},
        {txtTasaA_, p.TasaA},
        {txtTotalPercepcionV_, p.PercepcionV},
        {txtTotalPercepcionA_, p.PercepcionA},
        {txtTotalDepositar_, p.TotalADepositar},
    };
    for (const auto& [campo, valor] : figuras)
        campo->setText(textoFigura(valor));
}

void frm618TotalPercepcionesEfectuadas::HabilitarEdicion(bool editando)
{
    editando_ = editando;
    // The one row of perceptions is always there to modify; Modificar says when there is nothing to.
    HabilitarEdicionABM(*this, editando, true, nullptr);
    // Only a kind with incomes has videograms and a rate.
    const bool ventas = editando && percepciones_.NetoV != 0;
    const bool alquiler = editando && percepciones_.NetoA != 0;
    txtCantidadV_->setEnabled(ventas);
    txtTasaV_->setEnabled(ventas);
    txtCantidadA_->setEnabled(alquiler);
    txtTasaA_->setEnabled(alquiler);
}

void frm618TotalPercepcionesEfectuadas::cmdModificar_Click()
{
    if (editando_)
        return;
    QLineEdit* primero = percepciones_.NetoV != 0 ? txtCantidadV_ : percepciones_.NetoA != 0 ? txtCantidadA_ : nullptr;
    if (!primero) {
        mensajes_.MensajeInformacion(QStringLiteral("No existen datos para modificar."));
        return;
    }
    HabilitarEdicion(true);
    primero->setFocus();
    primero->selectAll();
}

void frm618TotalPercepcionesEfectuadas::cmdAceptar_Click()
{
    if (!editando_)
        return;
    const std::array<QLineEdit*, 4> cajas = {txtCantidadV_, txtCantidadA_, txtTasaV_, txtTasaA_};
    std::array<QString, 4> textos;
    for (std::size_t i = 0; i < cajas.size(); ++i)
        textos[i] = cajas[i]->text();
    const LecturaPercepciones lectura = leerPercepciones(textos);
    if (!lectura.problema.isEmpty()) {
        mensajes_.MensajeAtencion(lectura.problema);
        cajas[std::size_t(lectura.campo)]->setFocus();
        cajas[std::size_t(lectura.campo)]->selectAll();
        return;
    }
    cls618TotalPercepciones nuevas = percepciones_;
    nuevas.VideogramasV = lectura.valores[0];
    nuevas.VideogramasA = lectura.valores[1];
    nuevas.TasaV = lectura.valores[2];
    nuevas.TasaA = lectura.valores[3];
    nuevas.CalcularPercepcion();
    if (!conAvisoDeErrores(mensajes_, [&] { nuevas.AgregarDatos(sesion_.base, sesion_.declaracion); }))
        return;
    percepciones_ = nuevas;
    mostrarFiguras();
    HabilitarEdicion(false);
    cmdModificar_->setFocus();
}

void frm618TotalPercepcionesEfectuadas::CmdCancelar_Click()
{
    if (!editando_)
        return;
    mostrarFiguras();
    HabilitarEdicion(false);
    cmdModificar_->setFocus();
}

void frm618TotalPercepcionesEfectuadas::done(int resultado)
{
    QString aviso;
    if (percepciones_.NetoA != 0 && percepciones_.VideogramasA == 0)
        aviso = QStringLiteral("Debe ingresar la cantidad de Videogramas en Alquiler.\r\n");
    if (percepciones_.NetoV != 0 && percepciones_.VideogramasV == 0)
        aviso += QStringLiteral("Debe ingresar la cantidad de Videogramas en Ventas.");
    if (!aviso.isEmpty())
        mensajes_.MensajeInformacion(aviso);
    PantallaEntrada::done(resultado);
}

}  // namespace veluma
