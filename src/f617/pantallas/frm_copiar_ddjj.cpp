#include "f617/pantallas/frm_copiar_ddjj.h"

#include "core/contextos_ayuda.h"
#include "core/sesion.h"
#include "f617/clave_617.h"
#include "f617/copia_617.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/listas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

namespace {

constexpr int kRectificativas = 3;

// A small box of fixed width; read-only without `patron`.
QLineEdit* crearCaja(QWidget* padre, const QString& nombre, const QString& patron, int ancho)
{
    QLineEdit* caja = crearCajaNumerica(padre, nombre, patron, ancho);
    caja->setFixedWidth(ancho);
    return caja;
}

QLabel* crearRotulo(QWidget* padre, const QString& nombre)
{
    auto* rotulo = new QLabel(padre);
    rotulo->setObjectName(nombre);
    rotulo->setFrameShape(QFrame::StyledPanel);
    rotulo->setMinimumWidth(130);
    return rotulo;
}

QHBoxLayout* enFila(std::initializer_list<QWidget*> controles)
{
    auto* fila = new QHBoxLayout;
    for (QWidget* control : controles)
        fila->addWidget(control);
    fila->addStretch();
    return fila;
}

}  // namespace

frmCopiarDDJJ::frmCopiarDDJJ(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frmCopiarDDJJ"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frmCopiarDDJJ::crearControles()
{
    cmdAceptar_ = crearBoton(this, Boton::Aceptar, QStringLiteral("&Aceptar"), QStringLiteral("cmdAceptar"));
    cmdsalir_ = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"), QStringLiteral("cmdsalir"));
    auto* picBarra = crearBarra(*this, {cmdAceptar_}, cmdsalir_);

    // The origin only shows: nothing in it takes the focus.
    auto* fraOrigen = new QGroupBox(QStringLiteral(" Origen "), this);
    fraOrigen->setObjectName(QStringLiteral("fraOrigen"));
    lblCuitOri_ = crearRotulo(fraOrigen, QStringLiteral("lblCuitOri"));
    txtMesOrigen_ = crearCaja(fraOrigen, QStringLiteral("txtMesOrigen"), {}, 36);
    txtAnioOrigen_ = crearCaja(fraOrigen, QStringLiteral("txtAñoOrigen"), {}, 56);
    lblSecOri_ = crearRotulo(fraOrigen, QStringLiteral("lblSecOri"));
    optServicio_[2] = new QRadioButton(QStringLiteral("Servicio de Radio"), fraOrigen);
    optServicio_[2]->setProperty("tag", QStringLiteral("307"));
    optServicio_[3] = new QRadioButton(QStringLiteral("Servicio de TV y Complementarios"), fraOrigen);
    optServicio_[3]->setProperty("tag", QStringLiteral("306"));
    auto* origen = new QGridLayout(fraOrigen);
    origen->addWidget(new QLabel(QStringLiteral("C.U.I.T o C.U.I.L."), fraOrigen), 0, 0);
    origen->addLayout(enFila({lblCuitOri_}), 0, 1);
    origen->addWidget(new QLabel(QStringLiteral("Periodo"), fraOrigen), 1, 0);
    origen->addLayout(enFila({txtMesOrigen_, new QLabel(QStringLiteral("/"), fraOrigen), txtAnioOrigen_}), 1, 1);
    origen->addWidget(new QLabel(QStringLiteral("Secuencia"), fraOrigen), 2, 0);
    origen->addLayout(enFila({lblSecOri_}), 2, 1);
    origen->addWidget(optServicio_[3], 3, 0, 1, 2);
    origen->addWidget(optServicio_[2], 4, 0, 1, 2);

    auto* fraDestino = new QGroupBox(QStringLiteral(" Destino "), this);
    fraDestino->setObjectName(QStringLiteral("fraDestino"));
    lblCuitDest_ = crearRotulo(fraDestino, QStringLiteral("lblCuitDest"));
    txtMesDestino_ = crearCaja(fraDestino, QStringLiteral("txtMesDestino"), QStringLiteral("\\d{0,2}"), 36);
    txtAnioDestino_ = crearCaja(fraDestino, QStringLiteral("txtAñoDestino"), QStringLiteral("\\d{0,4}"), 56);
    CboSecuencia_ = new QComboBox(fraDestino);
    CboSecuencia_->setObjectName(QStringLiteral("CboSecuencia"));
    // Only the positions of the sequence list can be typed.
    txtSecuencia_ = crearCaja(fraDestino, QStringLiteral("txtSecuencia"), QStringLiteral("[0-3]?"), 28);
    optServicio_[0] = new QRadioButton(QStringLiteral("Servicio de &TV y Complementarios"), fraDestino);
    optServicio_[0]->setProperty("tag", QStringLiteral("306"));
    optServicio_[1] = new QRadioButton(QStringLiteral("Servicio de &Radio"), fraDestino);
    optServicio_[1]->setProperty("tag", QStringLiteral("307"));
    auto* lblPeriodo = new QLabel(QStringLiteral("&Periodo"), fraDestino);
    lblPeriodo->setBuddy(txtMesDestino_);
    auto* lblSecuencia = new QLabel(QStringLiteral("Se&cuencia"), fraDestino);
    lblSecuencia->setBuddy(CboSecuencia_);
    auto* destino = new QGridLayout(fraDestino);
    destino->addWidget(new QLabel(QStringLiteral("C.U.I.T o C.U.I.L."), fraDestino), 0, 0);
    destino->addLayout(enFila({lblCuitDest_}), 0, 1);
    destino->addWidget(lblPeriodo, 1, 0);
    destino->addLayout(enFila({txtMesDestino_, new QLabel(QStringLiteral("/"), fraDestino), txtAnioDestino_}), 1, 1);
    destino->addWidget(lblSecuencia, 2, 0);
    destino->addLayout(enFila({CboSecuencia_, txtSecuencia_}), 2, 1);
    destino->addWidget(optServicio_[0], 3, 0, 1, 2);
    destino->addWidget(optServicio_[1], 4, 0, 1, 2);

    for (int i = 0; i < 4; ++i) {
        optServicio_[i]->setObjectName(QStringLiteral("optServicio_%1").arg(i));
        optServicio_[i]->setEnabled(i < 2);
    }
    setTabOrder(txtMesDestino_, txtAnioDestino_);
    setTabOrder(txtAnioDestino_, CboSecuencia_);
    setTabOrder(CboSecuencia_, txtSecuencia_);
    setTabOrder(txtSecuencia_, optServicio_[0]);
    setTabOrder(optServicio_[0], optServicio_[1]);

    auto* cuerpo = new QVBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(fraOrigen);
    cuerpo->addWidget(fraDestino);
    cuerpo->addStretch();
    disponerPantalla(*this, picBarra, cuerpo);
    setWindowTitle(QStringLiteral("Copiar Declaraciones Juradas"));

    connect(cmdAceptar_, &QToolButton::clicked, this, &frmCopiarDDJJ::cmdAceptar_Click);
    connect(cmdsalir_, &QToolButton::clicked, this, &QDialog::accept);
    connect(CboSecuencia_, &QComboBox::currentIndexChanged, this, &frmCopiarDDJJ::CboSecuencia_Click);
    connect(txtSecuencia_, &QLineEdit::textChanged, this, &frmCopiarDDJJ::txtSecuencia_Change);
    for (int i = 0; i < 2; ++i)
        connect(optServicio_[i], &QRadioButton::toggled, this, [this, i](bool elegida) {
            if (elegida)
                optServicio_Click(i);
        });
}

void frmCopiarDDJJ::Form_Load()
{
    ConfigurarBotones(*this, kAyudaCopiaDDJJ);
    CargarSecuencias(*CboSecuencia_, kRectificativas);
    MostrarOrigen();
    Vaciar_Cajas();
    txtMesDestino_->setFocus();
}

void frmCopiarDDJJ::MostrarOrigen()
{
    const ClaveDDJJ& origen = sesion_.declaracion;
    const QString periodo = QString::number(origen.periodo);
    lblCuitOri_->setText(sesion_.cuit);
    txtMesOrigen_->setText(periodo.right(2));
    txtAnioOrigen_->setText(periodo.left(4));
    lblSecOri_->setText(QLatin1Char(' ') + CboSecuencia_->itemText(origen.secuencia));
    lblCuitDest_->setText(sesion_.cuit);
    const QString servicio = QString::number(servicioDe(origen));
    for (int i : {2, 3})
        optServicio_[i]->setChecked(optServicio_[i]->property("tag").toString() == servicio);
    // The destination starts with the origin's service.
    optServicio_[0]->setChecked(optServicio_[3]->isChecked());
    optServicio_[1]->setChecked(optServicio_[2]->isChecked());
}

void frmCopiarDDJJ::Vaciar_Cajas()
{
    txtMesDestino_->clear();
    txtAnioDestino_->clear();
    txtSecuencia_->setText(QStringLiteral("0"));
}

void frmCopiarDDJJ::CboSecuencia_Click(int posicion)
{
    if (posicion >= 0 && txtSecuencia_->text() != QString::number(posicion))
        txtSecuencia_->setText(QString::number(posicion));
}

void frmCopiarDDJJ::txtSecuencia_Change(const QString& texto)
{
    // An emptied box waits for the new number: moving the list now would write "0" back into it.
    if (texto.isEmpty())
        return;
    const int posicion = texto.toInt();
    if (posicion != CboSecuencia_->currentIndex() && posicion < CboSecuencia_->count())
        CboSecuencia_->setCurrentIndex(posicion);
}

void frmCopiarDDJJ::optServicio_Click(int indice) { servicioDestino_ = optServicio_[indice]->property("tag").toInt(); }

void frmCopiarDDJJ::cmdAceptar_Click()
{
    const DestinoCopia617 destino{txtMesDestino_->text(), txtAnioDestino_->text(), txtSecuencia_->text(),
                                  servicioDestino_};
    const ResultadoCopia resultado = CopiarDeclaracion617(sesion_.base, sesion_.declaracion, destino, mensajes_);
    QLineEdit* campo = resultado.foco == CampoCopia::Anio        ? txtAnioDestino_
                       : resultado.foco == CampoCopia::Secuencia ? txtSecuencia_
                                                                 : txtMesDestino_;
    campo->setFocus();
    campo->selectAll();
}

}  // namespace veluma
