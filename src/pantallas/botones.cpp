#include "pantallas/botones.h"

#include "pantallas/atajos.h"
#include "pantallas/contexto_ayuda.h"
#include "pantallas/iconos.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QToolButton>
#include <array>

namespace veluma {

namespace {

const char* const kPropiedadRol = "rolBoton";

struct Convencion {
    Boton rol;
    const char* nombre;
    const char* tooltip;  // nullptr: the button keeps its own
    const char* imagen;
};

constexpr std::array<Convencion, 21> kConvenciones{{
    {Boton::Aceptar, "cmdAceptar", "Aceptar", "aceptar"},
    {Boton::Cancelar, "cmdCancelar", "Cancelar", "cancelar"},
    {Boton::Nuevo, "cmdNuevo", "Nuevo (Ctrl + N)", "agregar"},
    {Boton::Modificar, "cmdModificar", "Modificar (Ctrl + M)", "modificar"},
    {Boton::Eliminar, "cmdEliminar", "Eliminar (Ctrl + Supr)", "eliminar"},
    {Boton::EliminarABM, "cmdEliminarABM", "Eliminar (Ctrl + E)", "eliminar"},
    {Boton::EliminarTodos, "cmdEliminarTodos", "Eliminar Todos (Ctrl + T)", "eliminartodos"},
    {Boton::Detallar, "cmdDetallar", "Detalle (Ctrl + D)", "detallar"},
    {Boton::Anterior, "cmdAnterior", "Anterior (Re. Pág)", "anterior"},
    {Boton::Siguiente, "cmdSiguiente", "Siguiente (Av. Pág)", "siguiente"},
    {Boton::Final, "cmdFinal", "Fin (Fin)", "final"},
    {Boton::Inicio, "cmdInicio", "Inicio (Inicio)", "inicio"},
    {Boton::Importar, "cmdImportar", "Importar (Ctrl + I)", "importar"},
    {Boton::Salir, "cmdSalir", "Salir", "salir"},
    {Boton::Copiar, "cmdCopiar", nullptr, "copiar"},
    {Boton::Exportar, "cmdExportar", nullptr, "generar"},
    {Boton::Consultar, "cmdConsultar", nullptr, "consultar"},
    {Boton::Generar, "cmdGenerar", nullptr, "generar"},
    {Boton::Formulario, "cmdFormulario", nullptr, "formulario"},
    {Boton::Imprimir, "cmdImprimir", nullptr, "imprimir"},
    {Boton::GuardarPdf, "cmdPdf", nullptr, "formulario"},
}};

const Convencion& convencionDe(Boton rol)
{
    for (const Convencion& convencion : kConvenciones)
        if (convencion.rol == rol)
            return convencion;
    return kConvenciones.front();
}

}  // namespace

QToolButton* crearBoton(QWidget* padre, Boton rol, const QString& titulo, const QString& nombre)
{
    auto* boton = new QToolButton(padre);
    boton->setObjectName(nombre.isEmpty() ? QString::fromLatin1(convencionDe(rol).nombre) : nombre);
    boton->setProperty(kPropiedadRol, int(rol));
    boton->setText(titulo);
    boton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    boton->setIconSize(QSize(24, 24));
    boton->setAutoRaise(true);
    boton->setMinimumWidth(64);
    return boton;
}

std::optional<Boton> rolDe(const QAbstractButton& boton)
{
    const QVariant rol = boton.property(kPropiedadRol);
    return rol.isValid() ? std::optional<Boton>(Boton(rol.toInt())) : std::nullopt;
}

void pintarBarra(QWidget& barra)
{
    QLinearGradient gradiente(0, 0, 0, 64);
    gradiente.setColorAt(0, QColor(0xF4, 0xF6, 0xF9));
    gradiente.setColorAt(1, QColor(0xD5, 0xDD, 0xE8));
    QPalette paleta = barra.palette();
    paleta.setBrush(QPalette::Window, QBrush(gradiente));
    barra.setPalette(paleta);
    barra.setAutoFillBackground(true);
}

QWidget* crearBarra(QWidget& pantalla, const std::vector<QToolButton*>& botones, QToolButton* salir)
{
    auto* barra = new QWidget(&pantalla);
    barra->setObjectName(QStringLiteral("picBarra"));
    auto* fila = new QHBoxLayout(barra);
    fila->setContentsMargins(4, 2, 4, 2);
    for (QToolButton* boton : botones)
        fila->addWidget(boton);
    fila->addStretch();
    fila->addWidget(salir);
    // As wide as with every button shown, so the screen does not grow when
    // the buttons of another state appear.
    barra->setMinimumWidth(barra->sizeHint().width());
    return barra;
}

void ConfigurarBotones(QWidget& pantalla, int contextoAyuda)
{
    ponerContextoAyuda(pantalla, contextoAyuda);
    if (auto* barra = pantalla.findChild<QWidget*>(QStringLiteral("picBarra")))
        pintarBarra(*barra);
    const auto botones = pantalla.findChildren<QAbstractButton*>();
    for (QAbstractButton* boton : botones) {
        const std::optional<Boton> rol = rolDe(*boton);
        if (!rol)
            continue;
        ponerContextoAyuda(*boton, contextoAyuda);
        const Convencion& convencion = convencionDe(*rol);
        if (convencion.tooltip)
            boton->setToolTip(QString::fromUtf8(convencion.tooltip));
        boton->setIcon(imagenIcono(QString::fromLatin1(convencion.imagen)));
    }
    instalarAtajos(pantalla);
}

}  // namespace veluma
