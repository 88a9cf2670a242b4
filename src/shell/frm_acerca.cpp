#include "shell/frm_acerca.h"

#include "core/contextos_ayuda.h"
#include "core/version.h"
#include "pantallas/contexto_ayuda.h"
#include "shell/logotipo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veluma {

frmAcerca::frmAcerca(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAcerca"));
    setWindowTitle(QStringLiteral("Acerca de VELUMA"));
    setWindowIcon(iconoPrograma());
    setModal(true);
    // Read by the program's F1 handler, which opens the help at this section.
    ponerContextoAyuda(*this, kAyudaAcerca);

    auto* marca = new QLabel(this);
    marca->setObjectName(QStringLiteral("imgLogotipo"));
    marca->setPixmap(logotipo(64));

    auto* nombre = new QLabel(QStringLiteral("VELUMA"), this);
    nombre->setObjectName(QStringLiteral("lblNombre"));
    QFont fuente = nombre->font();
    fuente.setPointSize(20);
    fuente.setBold(true);
    nombre->setFont(fuente);

    auto* version = new QLabel(QStringLiteral("Versión ") + QString::fromLatin1(kVersionTexto), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* descripcion = new QLabel(QStringLiteral("Declaraciones juradas de los impuestos a los servicios de "
                                                  "radiodifusión (F. 617), a los videogramas grabados (F. 618) y a "
                                                  "las entradas de cine (F. 708)."),
                                   this);
    descripcion->setObjectName(QStringLiteral("lblDescripcion"));
    descripcion->setWordWrap(true);
    descripcion->setFixedWidth(340);

    auto* cmdAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setDefault(true);
    connect(cmdAceptar, &QPushButton::clicked, this, &QDialog::accept);

    auto* textos = new QVBoxLayout;
    textos->addWidget(nombre);
    textos->addWidget(version);
    textos->addSpacing(8);
    textos->addWidget(descripcion);
    auto* cuerpo = new QHBoxLayout;
    cuerpo->setSpacing(16);
    cuerpo->addWidget(marca, 0, Qt::AlignTop);
    cuerpo->addLayout(textos);
    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(20, 20, 20, 16);
    capas->addLayout(cuerpo);
    capas->addWidget(cmdAceptar, 0, Qt::AlignRight);
    capas->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace veluma
