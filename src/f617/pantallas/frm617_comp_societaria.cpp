#include "f617/pantallas/frm617_comp_societaria.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/pantallas/modelo_socios.h"
#include "pantallas/botones.h"
#include "pantallas/caja_cuit.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/listas.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

frm617CompSocietaria::frm617CompSocietaria(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : PantallaEntrada(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frm617CompSocietaria"));
    setModal(true);
    SocioActual.clave = sesion_.declaracion;
    crearControles();
    Form_Load();
}

void frm617CompSocietaria::crearControles()
{
    botones_ = crearBotonesABM(*this);

    frDatos_ = new QGroupBox(QStringLiteral("Datos del Socio"), this);
    frDatos_->setObjectName(QStringLiteral("frDatos"));
    txtcuit_ = new CajaCuit(frDatos_, QStringLiteral("txtcuit"));
    txtNombreApellido_ = crearCajaTexto(frDatos_, QStringLiteral("txtNombreApellido"), kLargoNombreSocio);
    txtPorcentaje_ =
        crearCajaNumerica(frDatos_, QStringLiteral("txtPorcentaje"), QStringLiteral("[0-9.,-]{0,10}"), 100);
    txtPorcentaje_->setMaximumWidth(140);
    auto* datos = new QFormLayout(frDatos_);
    datos->addRow(QStringLiteral("C&UIT:"), txtcuit_);
    datos->addRow(QStringLiteral("A&pellido y Nombre:"), txtNombreApellido_);
    datos->addRow(QStringLiteral("Po&rcentaje de participación:"), txtPorcentaje_);

    modelo_ = new ModeloSocios(this);
    Grilla_ = crearGrilla(this, QStringLiteral("Grilla"), modelo_);
    Grilla_->setColumnWidth(0, 130);
    Grilla_->setColumnWidth(1, 320);

    auto* cuerpo = new QVBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(frDatos_);
    cuerpo->addWidget(Grilla_, 1);
    disponerPantalla(*this, botones_.barra, cuerpo);
    setWindowTitle(QStringLiteral("Composición Societaria"));
    resize(640, 440);

    connect(botones_.nuevo, &QToolButton::clicked, this, &frm617CompSocietaria::CmdNuevo_Click);
    connect(botones_.modificar, &QToolButton::clicked, this, &frm617CompSocietaria::cmdModificar_Click);
    connect(botones_.eliminar, &QToolButton::clicked, this, &frm617CompSocietaria::cmdeliminarabm_click);
    connect(botones_.eliminarTodos, &QToolButton::clicked, this, &frm617CompSocietaria::cmdEliminarTodos_Click);
    connect(botones_.aceptar, &QToolButton::clicked, this, &frm617CompSocietaria::cmdAceptar_Click);
    connect(botones_.cancelar, &QToolButton::clicked, this, &frm617CompSocietaria::CmdCancelar_Click);
    connect(botones_.salir, &QToolButton::clicked, this, &frm617CompSocietaria::cmdsalir_Click);
    connect(Grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { RefrescarDatos(); });
}

void frm617CompSocietaria::Form_Load()
{
    ConfigurarBotones(*this, kAyudaCompSocietaria617);
    volverALaLista({});
}

void frm617CompSocietaria::CargarGrilla()
{
    std::vector<Socio617> socios;
    conAvisoDeErrores(mensajes_,
                      [&] { socios = cls617CompSocietaria::CargarGrilla(sesion_.base, sesion_.declaracion); });
    modelo_->cambiarFilas(std::move(socios));
}

void frm617CompSocietaria::seleccionar(int fila)
{
    ponerFilaActual(*Grilla_, fila);
    RefrescarDatos();
}

int frm617CompSocietaria::filaSeleccionada() const { return filaActual(*Grilla_); }

bool frm617CompSocietaria::tieneFilas() const { return modelo_->rowCount() > 0; }

void frm617CompSocietaria::RefrescarDatos()
{
    const int fila = filaSeleccionada();
    if (fila < 0) {
        VaciarCajas();
        return;
    }
    // The list row holds the partner as stored.
    const Socio617& socio = modelo_->fila(fila);
    SocioActual.CodigoSocio = socio.CodigoSocio;
    SocioActual.NombreApellido = socio.NombreApellido;
    SocioActual.CuitSocio = socio.CuitSocio;
    SocioActual.Porcentaje = socio.Porcentaje;
    txtcuit_->ponerCuit(SocioActual.CuitSocio);
    txtNombreApellido_->setText(SocioActual.NombreApellido);
    txtPorcentaje_->setText(formatearNumero(SocioActual.Porcentaje, QStringLiteral("#,###,###,###,##0.00")));
}

void frm617CompSocietaria::VaciarCajas()
{
    for (QLineEdit* campo : {static_cast<QLineEdit*>(txtcuit_), txtNombreApellido_, txtPorcentaje_})
        campo->clear();
}

void frm617CompSocietaria::HabilitarEdicion(bool editando)
{
    HabilitarEdicionABM(*this, editando, tieneFilas(), frDatos_, {Grilla_});
    // The CUIT names the partner: only a new one takes it.
    txtcuit_->setEnabled(modo_ == ModoEdicion::Nuevo);
}

void frm617CompSocietaria::CmdNuevo_Click()
{
    modo_ = ModoEdicion::Nuevo;
    HabilitarEdicion(true);
    VaciarCajas();
    txtcuit_->setFocus();
    txtcuit_->setCursorPosition(0);
}

void frm617CompSocietaria::cmdModificar_Click()
{
    if (filaSeleccionada() < 0)
        return;
    modo_ = ModoEdicion::Modificar;
    HabilitarEdicion(true);
    txtNombreApellido_->setFocus();
    txtNombreApellido_->selectAll();
}

void frm617CompSocietaria::cmdAceptar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    const bool nuevo = modo_ == ModoEdicion::Nuevo;
    if (!nuevo && filaSeleccionada() < 0)
        return;
    LecturaSocio lectura;
    bool duplicado = false;
    const bool hecho = conAvisoDeErrores(mensajes_, [&] {
        // A partner being changed keeps the CUIT it was stored with.
        lectura = ValidarSocio(sesion_.base, sesion_.declaracion, nuevo ? txtcuit_->cuit() : SocioActual.CuitSocio,
                               txtNombreApellido_->text(), txtPorcentaje_->text(), !nuevo);
        if (!lectura.problema.isEmpty())
            return;
        lectura.socio.CodigoSocio = nuevo ? 0 : SocioActual.CodigoSocio;
        duplicado = nuevo && lectura.socio.BuscarDuplicado(sesion_.base);
        if (!duplicado)
            lectura.socio.GuardarSocio(sesion_.base, nuevo);
    });
    if (!hecho)
        return;
    if (!lectura.problema.isEmpty() || duplicado) {
        // What was typed stays, so only the field named needs changing.
        using Campo = LecturaSocio::Campo;
        mensajes_.MensajeAtencion(duplicado ? QStringLiteral("El Socio ya existe para la Declaración Jurada")
                                            : lectura.problema);
        QLineEdit* campo = duplicado || lectura.campo == Campo::Cuit ? txtcuit_
                           : lectura.campo == Campo::Nombre          ? txtNombreApellido_
                                                                     : txtPorcentaje_;
        campo->setFocus();
        campo->selectAll();
        return;
    }
    volverALaLista(lectura.socio.CuitSocio);
}

void frm617CompSocietaria::CmdCancelar_Click()
{
    if (modo_ == ModoEdicion::Consulta)
        return;
    volverALaLista(SocioActual.CuitSocio);
}

void frm617CompSocietaria::cmdeliminarabm_click()
{
    if (filaSeleccionada() >= 0
        && mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("Confirma eliminación del socio?"),
                                             QStringLiteral("Eliminación")))
        conAvisoDeErrores(mensajes_, [&] { SocioActual.EliminarSocio(sesion_.base); });
    volverALaLista(SocioActual.CuitSocio);
}

void frm617CompSocietaria::cmdEliminarTodos_Click()
{
    if (tieneFilas()
        && mensajes_.PreguntaSiNoAdvertencia(QStringLiteral("Confirma eliminación de todos los socios?"),
                                             QStringLiteral("Eliminación de todos")))
        conAvisoDeErrores(mensajes_, [&] { cls617CompSocietaria::EliminarTodos(sesion_.base, sesion_.declaracion); });
    volverALaLista(SocioActual.CuitSocio);
}

void frm617CompSocietaria::cmdsalir_Click()
{
    // Only a warning: the partners stay as stored and the screen closes.
    conAvisoDeErrores(mensajes_, [&] {
        if (const QString aviso = cls617CompSocietaria::ValidarTotalPorcentaje(sesion_.base, sesion_.declaracion);
            !aviso.isEmpty())
            mensajes_.MensajeAtencion(aviso);
    });
    accept();
}

void frm617CompSocietaria::volverALaLista(const QString& cuit)
{
    modo_ = ModoEdicion::Consulta;
    VaciarCajas();
    CargarGrilla();
    seleccionar(std::max(0, modelo_->buscar(cuit)));
    HabilitarEdicion(false);
    if (tieneFilas())
        Grilla_->setFocus();
    else
        botones_.nuevo->setFocus();
}

}  // namespace veluma
