#include "declarations/pantallas/formularios.h"

#include "core/error.h"
#include "core/mensajes.h"
#include "shell/iconos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QStringList>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <array>

namespace veluma {

namespace {

const char* const kPropiedadContexto = "contextoAyuda";
const char* const kPropiedadAtajos = "conAtajos";

struct Convencion {
    const char* boton;
    const char* tooltip;  // nullptr: the button keeps its own
    const char* imagen;
};

constexpr std::array<Convencion, 19> kConvenciones{{
    {"cmdAceptar", "Aceptar", "aceptar"},
    {"cmdCancelar", "Cancelar", "cancelar"},
    {"cmdNuevo", "Nuevo (Ctrl + N)", "agregar"},
    {"cmdModificar", "Modificar (Ctrl + M)", "modificar"},
    {"cmdEliminar", "Eliminar (Ctrl + Supr)", "eliminar"},
    {"cmdEliminarABM", "Eliminar (Ctrl + E)", "eliminar"},
    {"cmdEliminarTodos", "Eliminar Todos (Ctrl + T)", "eliminartodos"},
    {"cmdDetallar", "Detalle (Ctrl + D)", "detallar"},
    {"cmdAnterior", "Anterior (Re. Pág)", "anterior"},
    {"cmdSiguiente", "Siguiente (Av. Pág)", "siguiente"},
    {"cmdFinal", "Fin (Fin)", "final"},
    {"cmdInicio", "Inicio (Inicio)", "inicio"},
    {"cmdImportar", "Importar (Ctrl + I)", "importar"},
    {"cmdSalir", "Salir", "salir"},
    {"cmdCopiar", nullptr, "copiar"},
    {"cmdConsultar", nullptr, "consultar"},
    {"cmdGenerar", nullptr, "generar"},
    {"cmdFormulario", nullptr, "formulario"},
    {"cmdImprimir", nullptr, "imprimir"},
}};

const Convencion* convencionDe(const QString& nombre)
{
    for (const Convencion& convencion : kConvenciones)
        if (nombre.compare(QLatin1String(convencion.boton), Qt::CaseInsensitive) == 0)
            return &convencion;
    return nullptr;
}

// The shortcut keys: with exactly Ctrl held, the editing commands; in any
// other modifier state, the moving keys. Each names the control it acts on.
const char* destinoDeTecla(int tecla, Qt::KeyboardModifiers modificadores)
{
    const Qt::KeyboardModifiers soloTeclas = modificadores & ~Qt::KeypadModifier;
    if (soloTeclas == Qt::ControlModifier) {
        switch (tecla) {
        case Qt::Key_N: return "cmdNuevo";
        case Qt::Key_M: return "cmdModificar";
        case Qt::Key_Delete: return "cmdEliminar";
        case Qt::Key_E: return "cmdEliminarABM";
        case Qt::Key_I: return "cmdImportar";
        case Qt::Key_T: return "cmdEliminarTodos";
        case Qt::Key_D: return "cmdDetallar";
        default: return nullptr;
        }
    }
    switch (tecla) {
    case Qt::Key_Escape: return "cmdCancelar";
    case Qt::Key_PageUp: return "cmdAnterior";
    case Qt::Key_PageDown: return "cmdSiguiente";
    case Qt::Key_Home: return "cmdInicio";
    case Qt::Key_End: return "cmdFinal";
    case Qt::Key_L: return "grilla";
    case Qt::Key_A: return "arbol";
    default: return nullptr;
    }
}

QWidget* controlDisponible(const QWidget& pantalla, const QString& nombre)
{
    const auto controles = pantalla.findChildren<QWidget*>();
    for (QWidget* control : controles)
        if (control->objectName().compare(nombre, Qt::CaseInsensitive) == 0 && control->isVisibleTo(&pantalla)
            && control->isEnabled())
            return control;
    return nullptr;
}

// Sees every key released inside the screen before its controls act on it,
// so shortcuts work from any field.
class FiltroAtajos : public QObject {
public:
    explicit FiltroAtajos(QWidget& pantalla) : QObject(&pantalla), pantalla_(pantalla)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyRelease || !objeto->isWidgetType())
            return false;
        auto* receptor = static_cast<QWidget*>(objeto);
        if (receptor != &pantalla_ && !pantalla_.isAncestorOf(receptor))
            return false;
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->isAutoRepeat())
            return false;
        // Handled once: the release goes no further once a shortcut acted.
        return AtajosTeclado(tecla->key(), tecla->modifiers(), pantalla_);
    }

private:
    QWidget& pantalla_;
};

class EnterAbreNodo : public QObject {
public:
    explicit EnterAbreNodo(QTreeWidget& arbol) : QObject(&arbol), arbol_(arbol) { arbol.installEventFilter(this); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto != &arbol_ || evento->type() != QEvent::KeyPress)
            return false;
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if ((tecla != Qt::Key_Return && tecla != Qt::Key_Enter) || !arbol_.currentItem())
            return false;
        emit arbol_.itemDoubleClicked(arbol_.currentItem(), 0);
        return true;
    }

private:
    QTreeWidget& arbol_;
};

}  // namespace

void abrirConEnter(QTreeWidget& arbol) { new EnterAbreNodo(arbol); }

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

QToolButton* crearBoton(QWidget* padre, const QString& nombre, const QString& titulo)
{
    auto* boton = new QToolButton(padre);
    boton->setObjectName(nombre);
    boton->setText(titulo);
    boton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    boton->setIconSize(QSize(24, 24));
    boton->setAutoRaise(true);
    boton->setMinimumWidth(64);
    return boton;
}

QWidget* crearBarra(QWidget& pantalla, std::initializer_list<QToolButton*> botones, QToolButton* salir)
{
    auto* barra = new QWidget(&pantalla);
    barra->setObjectName(QStringLiteral("picBarra"));
    auto* fila = new QHBoxLayout(barra);
    fila->setContentsMargins(4, 2, 4, 2);
    for (QToolButton* boton : botones)
        fila->addWidget(boton);
    fila->addStretch();
    fila->addWidget(salir);
    return barra;
}

void ConfigurarBotones(QWidget& pantalla, int contextoAyuda)
{
    ponerContextoAyuda(pantalla, contextoAyuda);
    if (auto* barra = pantalla.findChild<QWidget*>(QStringLiteral("picBarra")))
        pintarBarra(*barra);
    const auto botones = pantalla.findChildren<QAbstractButton*>();
    for (QAbstractButton* boton : botones) {
        if (boton->inherits("QRadioButton") || boton->inherits("QCheckBox"))
            continue;
        ponerContextoAyuda(*boton, contextoAyuda);
        const Convencion* convencion = convencionDe(boton->objectName());
        if (!convencion)
            continue;
        if (convencion->tooltip)
            boton->setToolTip(QString::fromUtf8(convencion->tooltip));
        boton->setIcon(imagenIcono(QString::fromLatin1(convencion->imagen)));
    }
    if (!pantalla.property(kPropiedadAtajos).toBool()) {
        new FiltroAtajos(pantalla);
        pantalla.setProperty(kPropiedadAtajos, true);
    }
}

bool AtajosTeclado(int tecla, Qt::KeyboardModifiers modificadores, QWidget& pantalla)
{
    const char* destino = destinoDeTecla(tecla, modificadores);
    if (!destino)
        return false;
    QWidget* control = controlDisponible(pantalla, QString::fromLatin1(destino));
    if (!control)
        return false;
    // A shortcut is a convenience: whatever goes wrong in it is not reported.
    try {
        if (auto* boton = qobject_cast<QAbstractButton*>(control))
            boton->click();
        else
            control->setFocus(Qt::ShortcutFocusReason);
    } catch (...) {
    }
    return true;
}

bool ControlDisponible(const QWidget& pantalla, const QString& nombre)
{
    return controlDisponible(pantalla, nombre) != nullptr;
}

void HabilitarEdicionABM(QWidget& pantalla, bool editando, bool tieneFilas, QWidget* datos,
                         std::initializer_list<QWidget*> navegacion)
{
    static const QStringList siempre{QStringLiteral("cmdNuevo"), QStringLiteral("cmdSalir")};
    static const QStringList conFilas{QStringLiteral("cmdModificar"), QStringLiteral("cmdEliminar"),
                                      QStringLiteral("cmdEliminarABM"), QStringLiteral("cmdEliminarTodos"),
                                      QStringLiteral("cmdDetallar"), QStringLiteral("cmdImprimir")};
    static const QStringList deEdicion{QStringLiteral("cmdAceptar"), QStringLiteral("cmdCancelar")};
    const bool navegando = !editando;
    const auto botones = pantalla.findChildren<QAbstractButton*>();
    for (QAbstractButton* boton : botones) {
        const QString nombre = boton->objectName();
        if (siempre.contains(nombre, Qt::CaseInsensitive))
            boton->setVisible(navegando);
        else if (conFilas.contains(nombre, Qt::CaseInsensitive))
            boton->setVisible(navegando && tieneFilas);
        else if (deEdicion.contains(nombre, Qt::CaseInsensitive))
            boton->setVisible(editando);
    }
    if (datos)
        datos->setEnabled(editando);
    for (QWidget* control : navegacion)
        if (control)
            control->setEnabled(navegando && tieneFilas);
}

bool conAvisoDeErrores(Mensajes& mensajes, const std::function<void()>& accion)
{
    try {
        accion();
        return true;
    } catch (const Error& error) {
        mensajes.MensajeError(error.descripcion(), error.numero());
        return false;
    }
}

int filaActual(const QTableView& lista)
{
    const int fila = lista.currentIndex().row();
    return lista.model() && fila >= 0 && fila < lista.model()->rowCount() ? fila : -1;
}

void ponerFilaActual(QTableView& lista, int fila)
{
    {
        const QSignalBlocker bloqueo(lista.selectionModel());
        if (lista.model() && fila >= 0 && fila < lista.model()->rowCount())
            lista.setCurrentIndex(lista.model()->index(fila, 0));
        else
            lista.setCurrentIndex({});
    }
    lista.viewport()->update();
}

void CargarSecuencias(QComboBox& lista, int rectificativas)
{
    lista.clear();
    lista.addItem(QStringLiteral("Original"));
    for (int i = 1; i <= rectificativas; ++i)
        lista.addItem(QStringLiteral("Rectificativa %1").arg(i));
}

void ponerContextoAyuda(QWidget& control, int contexto) { control.setProperty(kPropiedadContexto, contexto); }

int contextoAyudaDe(const QWidget* control)
{
    for (; control; control = control->parentWidget())
        if (const QVariant contexto = control->property(kPropiedadContexto); contexto.isValid())
            return contexto.toInt();
    return 0;
}

}  // namespace veluma
