#include "f708/pantallas/frm708_pago_cuenta.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f708/pago_cuenta.h"
#include "pantallas/botones.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

frm708PagoCuenta::frm708PagoCuenta(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frm708PagoCuenta"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm708PagoCuenta::crearControles()
{
    cmdNuevo_ = crearBoton(this, Boton::Nuevo, QStringLiteral("&Nuevo"), QStringLiteral("CmdNuevo"));
    cmdModificar_ = crearBoton(this, Boton::Modificar, QStringLiteral("&Modificar"), QStringLiteral("CmdModificar"));
    cmdEliminarTodos_ =
        crearBoton(this, Boton::EliminarTodos, QStringLiteral("Eliminar &Todos"), QStringLiteral("CmdEliminarTodos"));
    cmdAceptar_ = crearBoton(this, Boton::Aceptar, QStringLiteral("&Aceptar"));
    cmdCancelar_ = crearBoton(this, Boton::Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("CmdCancelar"));
    cmdSalir_ = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"));
    auto* picBarra =
        crearBarra(*this, {cmdNuevo_, cmdModificar_, cmdEliminarTodos_, cmdAceptar_, cmdCancelar_}, cmdSalir_);

    frDatos_ = new QGroupBox(QStringLiteral("Pagos a cuenta"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    auto* datos = new QFormLayout(frDatos_);
    const std::array<const char*, 4> nombres{"txtuno", "txtdos", "txttres", "txtCuatro"};
    for (std::size_t i = 0; i < semanas_.size(); ++i) {
        auto* campo = new QLineEdit(frDatos_);
        campo->setObjectName(QString::fromLatin1(nombres[i]));
        campo->setAlignment(Qt::AlignRight);
        campo->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,]{0,20}")), campo));
        semanas_[i] = campo;
        datos->addRow(QStringLiteral("%1º Periodo:").arg(i + 1), campo);
    }

    disponerPantalla(*this, picBarra, frDatos_);
    setWindowTitle(QStringLiteral("Pagos a Cuenta"));

    connect(cmdNuevo_, &QToolButton::clicked, this, &frm708PagoCuenta::CmdNuevo_Click);
    connect(cmdModificar_, &QToolButton::clicked, this, &frm708PagoCuenta::cmdModificar_Click);
    connect(cmdEliminarTodos_, &QToolButton::clicked, this, &frm708PagoCuenta::cmdEliminarTodos_Click);
    connect(cmdAceptar_, &QToolButton::clicked, this, &frm708PagoCuenta::cmdAceptar_Click);
    connect(cmdCancelar_, &QToolButton::clicked, this, &frm708PagoCuenta::CmdCancelar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &QDialog::accept);
}

void frm708PagoCuenta::Form_Load()
{
    ConfigurarBotones(*this, kAyudaPagoCuenta708);
    MostrarPagos();
    HabilitarEdicion(false);
}

const ClaveDDJJ& frm708PagoCuenta::clave() const { return sesion_.declaracion; }

void frm708PagoCuenta::MostrarPagos()
{
    LimpiarCajas();
    hayPagos_ = false;
    conAvisoDeErrores(mensajes_, [&] {
        const auto pagos = cls708PagoCuenta::GetPagoInterfaz(sesion_.base, clave());
        hayPagos_ = pagos.has_value();
        if (!pagos)
            return;
        for (std::size_t i = 0; i < semanas_.size(); ++i)
            if ((*pagos)[i] > 0)
                semanas_[i]->setText(textoNumero((*pagos)[i]));
    });
}

void frm708PagoCuenta::LimpiarCajas()
{
    for (QLineEdit* campo : semanas_)
        campo->clear();
}

// Without a list, the stored payments row is what Modificar and Eliminar
// Todos act on.
void frm708PagoCuenta::HabilitarEdicion(bool editando)
{
    editando_ = editando;
    HabilitarEdicionABM(*this, editando, hayPagos_, frDatos_);
}

void frm708PagoCuenta::CmdNuevo_Click()
{
    LimpiarCajas();
    HabilitarEdicion(true);
    semanas_[0]->setFocus();
}

void frm708PagoCuenta::cmdModificar_Click()
{
    HabilitarEdicion(true);
    semanas_[0]->setFocus();
}

void frm708PagoCuenta::cmdAceptar_Click()
{
    if (!editando_)
        return;
    std::array<QString, 4> cajas;
    bool todasVacias = true;
    for (std::size_t i = 0; i < semanas_.size(); ++i) {
        cajas[i] = semanas_[i]->text().trimmed();
        todasVacias = todasVacias && cajas[i].isEmpty();
    }
    if (todasVacias) {
        mensajes_.MensajeAtencion(QStringLiteral("Los campos no pueden estar todos vacíos"));
        return;
    }
    const LecturaPagos lectura = leerPagos(cajas);
    if (!lectura.problema.isEmpty()) {
        mensajes_.MensajeAtencion(lectura.problema);
        return;
    }
    cls708PagoCuenta pagos;
    pagos.Cuit = clave().cuit;
    pagos.Periodo = clave().periodo;
    pagos.Secuencia = qint16(clave().secuencia);
    pagos.Semana1 = lectura.semanas[0];
    pagos.Semana2 = lectura.semanas[1];
    pagos.Semana3 = lectura.semanas[2];
    pagos.Semana4 = lectura.semanas[3];
    QString resultado;
    if (!conAvisoDeErrores(mensajes_, [&] { resultado = pagos.Agregar(sesion_.base); }))
        return;
    if (!resultado.isEmpty()) {
        // The typed amounts stay on screen to try again.
        mensajes_.ConfirmacionAdvertencia(resultado);
        return;
    }
    MostrarPagos();
    HabilitarEdicion(false);
}

void frm708PagoCuenta::CmdCancelar_Click()
{
    if (!editando_)
        return;
    MostrarPagos();
    HabilitarEdicion(false);
}

void frm708PagoCuenta::cmdEliminarTodos_Click()
{
    if (mensajes_.PreguntaSiNo(QStringLiteral("Confirma eliminación de todos los Pagos?")) != Respuesta::Si)
        return;
    conAvisoDeErrores(mensajes_, [&] { cls708PagoCuenta::Eliminar(sesion_.base, clave()); });
    MostrarPagos();
    HabilitarEdicion(false);
}

}  // namespace veluma
