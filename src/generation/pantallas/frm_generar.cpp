#include "generation/pantallas/frm_generar.h"

#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "generation/copia_carpeta.h"
#include "generation/copia_disquetes.h"
#include "generation/destino_internet.h"
#include "generation/generacion.h"
#include "pantallas/botones.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <limits>

namespace veluma {

namespace {

const QString kSinDestino = QStringLiteral("No se ha especificado correctamente el destino.");

// The hourglass while the generation runs, whatever way it ends.
class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

QPushButton* boton(QWidget* padre, const QString& nombre, const QString& texto)
{
    auto* control = new QPushButton(texto, padre);
    control->setObjectName(nombre);
    control->setAutoDefault(false);
    return control;
}

struct NombresSelector {
    QString lista, arbol, etiqueta, crear, examinar;
};

}  // namespace

// A folder chosen by drive and tree; the label shows the choice, empty when
// there is none. A QObject so that its connections end with it, before the
// controls it listens to are gone.
class frmGenerar::SelectorCarpeta : public QObject {
public:
    SelectorCarpeta(QWidget* pestana, const NombresSelector& nombres, Mensajes& mensajes, const Unidades& unidades,
                    bool avisoInformativo)
        : mensajes_(mensajes), unidades_(unidades), avisoInformativo_(avisoInformativo)
    {
        auto* grupo = new QGroupBox(QStringLiteral("Destino"), pestana);
        lista_ = new QComboBox(grupo);
        lista_->setObjectName(nombres.lista);
        modelo_ = new QFileSystemModel(grupo);
        modelo_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
        arbol_ = new QTreeView(grupo);
        arbol_->setObjectName(nombres.arbol);
        arbol_->setModel(modelo_);
        arbol_->setHeaderHidden(true);
        for (int columna = 1; columna < modelo_->columnCount(); ++columna)
            arbol_->hideColumn(columna);
        destino_ = new QLabel(grupo);
        destino_->setObjectName(nombres.etiqueta);
        destino_->setFrameShape(QFrame::StyledPanel);
        destino_->setWordWrap(true);
        crear_ = boton(grupo, nombres.crear, QStringLiteral("Crea&r carpeta"));
        examinar_ = boton(grupo, nombres.examinar, QStringLiteral("examinar ..."));

        auto* capas = new QGridLayout(grupo);
        capas->addWidget(lista_, 0, 0);
        capas->addWidget(arbol_, 1, 0, 4, 1);
        capas->addWidget(new QLabel(QStringLiteral("Carpeta de destino:"), grupo), 0, 1);
        capas->addWidget(destino_, 1, 1);
        capas->addWidget(crear_, 2, 1);
        capas->addWidget(examinar_, 3, 1);
        capas->setColumnStretch(0, 1);
        auto* pagina = new QVBoxLayout(pestana);
        pagina->addWidget(grupo);

        cargarUnidades();
        ponerDestino(QString());
        connect(lista_, &QComboBox::activated, this, &SelectorCarpeta::unidadElegida);
        // A folder is chosen by selecting it: the focus entering the list
        // makes a folder current without choosing it.
        connect(arbol_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            const QModelIndexList elegidas = arbol_->selectionModel()->selectedIndexes();
            if (!elegidas.isEmpty())
                ponerDestino(modelo_->filePath(elegidas.first()));
        });
        connect(crear_, &QPushButton::clicked, this, &SelectorCarpeta::crearCarpeta);
        connect(examinar_, &QPushButton::clicked, this, &SelectorCarpeta::examinar);
    }

    QString carpeta() const { return destino_->text(); }

    // When its tab is shown: the drive is checked and the folder the list
    // shows is the destination, the selected one or else the drive's root.
    void activar()
    {
        const int unidad = lista_->currentIndex();
        if (unidad < 0) {
            ponerDestino(QString());
            return;
        }
        const QModelIndexList elegidas = arbol_->selectionModel()->selectedIndexes();
        if (!unidadLegible(unidad))
            return;
        ponerDestino(elegidas.isEmpty() ? lista_->itemData(unidad).toString() : modelo_->filePath(elegidas.first()));
    }

    void elegir(const QString& carpeta)
    {
        if (const int indice = unidadDe(carpeta); indice >= 0) {
            const QSignalBlocker bloqueo(lista_);
            lista_->setCurrentIndex(indice);
            mostrarUnidad(indice);
        }
        const QModelIndex indice = modelo_->index(carpeta);
        arbol_->setCurrentIndex(indice);
        arbol_->scrollTo(indice);
        ponerDestino(indice.isValid() ? modelo_->filePath(indice) : QString());
    }

private:
    // Starts where the user's files are, when a listed drive holds them.
    void cargarUnidades()
    {
        const QList<Unidad> unidades = unidades_.lista();
        for (const Unidad& unidad : unidades)
            lista_->addItem(unidad.etiqueta, unidad.raiz);
        const int inicial = std::max(0, unidadDe(QDir::homePath()));
        if (inicial < lista_->count()) {
            lista_->setCurrentIndex(inicial);
            mostrarUnidad(inicial);
        }
    }

    // The listed drive whose root holds `carpeta` most closely; -1 when none does.
    int unidadDe(const QString& carpeta) const
    {
        int elegida = -1;
        qsizetype largo = -1;
        for (int i = 0; i < lista_->count(); ++i) {
            const QString raiz = lista_->itemData(i).toString();
            const bool contiene =
                carpeta == raiz || raiz == QLatin1String("/") || carpeta.startsWith(raiz + QLatin1Char('/'));
            if (contiene && raiz.size() > largo) {
                elegida = i;
                largo = raiz.size();
            }
        }
        return elegida;
    }

    void mostrarUnidad(int indice)
    {
        const QString raiz = lista_->itemData(indice).toString();
        arbol_->setRootIndex(modelo_->setRootPath(raiz));
    }

    // False, with the message and no destination, for a drive that cannot be read.
    bool unidadLegible(int indice)
    {
        const int estado = unidades_.probar(lista_->itemText(indice).at(0));
        // A write-protected drive can still be looked into.
        if (estado == kDiscoListo || estado == kDiscoProtegido)
            return true;
        const QString texto = QStringLiteral("No se puede leer la unidad seleccionada.");
        if (avisoInformativo_)
            mensajes_.MensajeInformacion(texto);
        else
            mensajes_.MensajeAtencion(texto);
        ponerDestino(QString());
        return false;
    }

    void unidadElegida(int indice)
    {
        if (!unidadLegible(indice))
            return;
        mostrarUnidad(indice);
        ponerDestino(lista_->itemData(indice).toString());
    }

    void ponerDestino(const QString& carpeta)
    {
        destino_->setText(carpeta);
        crear_->setEnabled(!carpeta.isEmpty());
        examinar_->setEnabled(!carpeta.isEmpty());
    }

    void crearCarpeta()
    {
        bool aceptado = false;
        const QString nombre = QInputDialog::getText(arbol_->window(), QStringLiteral("Nueva carpeta"),
                                                     QStringLiteral("Ingrese el nombre para la carpeta nueva"),
                                                     QLineEdit::Normal, QString(), &aceptado)
                                   .trimmed();
        if (!aceptado || nombre.isEmpty())
            return;
        const QString ruta = QDir(carpeta()).filePath(nombre);
        if (!QDir().mkdir(ruta)) {
            mensajes_.MensajeInformacion(QStringLiteral("Imposible crear la carpeta ") + ruta);
            return;
        }
        elegir(ruta);  // the list moves into the new folder, which becomes the destination
    }

    void examinar()
    {
        if (!QProcess::startDetached(QStringLiteral("xdg-open"), {carpeta()}))
            mensajes_.MensajeAtencion(QStringLiteral("Imposible examinar la carpeta especificada."));
    }

    Mensajes& mensajes_;
    const Unidades& unidades_;
    bool avisoInformativo_;
    QComboBox* lista_;
    QFileSystemModel* modelo_;
    QTreeView* arbol_;
    QLabel* destino_;
    QPushButton* crear_;
    QPushButton* examinar_;
};

frmGenerar::frmGenerar(const Instalacion& instalacion, Mensajes& mensajes, const DatosGeneracion& datos,
                       Unidades& unidades, QWidget* parent)
    : QDialog(parent), instalacion_(instalacion), mensajes_(mensajes), datos_(datos), unidades_(unidades)
{
    setObjectName(QStringLiteral("frmGenerar"));
    setWindowTitle(QStringLiteral(" Generar Disquete / CD / Archivo "));
    setModal(true);

    tabDestino_ = new QTabWidget(this);
    tabDestino_->setObjectName(QStringLiteral("tabDestino"));
    // The three captions are read whole: the screen is as wide as they need.
    tabDestino_->setUsesScrollButtons(false);
    tabDestino_->setElideMode(Qt::ElideNone);
    tabDestino_->addTab(crearPestanaDisquete(), QStringLiteral("Generar &Disquete"));
    auto* pestanaCD = new QWidget(tabDestino_);
    selectorCD_ = std::make_unique<SelectorCarpeta>(
        pestanaCD,
        NombresSelector{QStringLiteral("drvLista"), QStringLiteral("dirDirectorio"), QStringLiteral("lblDest"),
                        QStringLiteral("cmdCrearCarpeta"), QStringLiteral("cmdExaminar")},
        mensajes_, unidades_, false);
    tabDestino_->addTab(pestanaCD, QStringLiteral("Generación de Archivo para presentación en &CD"));
    auto* pestanaInternet = new QWidget(tabDestino_);
    selectorInternet_ = std::make_unique<SelectorCarpeta>(
        pestanaInternet,
        NombresSelector{QStringLiteral("DrvLista1"), QStringLiteral("DirDirectorio1"), QStringLiteral("LblDest1"),
                        QStringLiteral("CmdCrearCarpeta1"), QStringLiteral("CmdExaminar1")},
        mensajes_, unidades_, true);
    tabDestino_->addTab(pestanaInternet, QStringLiteral("Generar Archivo para Presentaciones vía &Internet"));

    lblPorc_ = new QLabel(this);
    lblPorc_->setObjectName(QStringLiteral("lblPorc"));
    ProgressBar_ = new QProgressBar(this);
    ProgressBar_->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar_->setRange(0, 100);
    ProgressBar_->setValue(0);

    auto* barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("picBarra"));
    auto* cmdAceptar = crearBoton(barra, Boton::Aceptar, QStringLiteral("&Aceptar"));
    auto* cmdSalir = crearBoton(barra, Boton::Salir, QStringLiteral("Ca&ncelar"));
    auto* botones = new QHBoxLayout(barra);
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdSalir);

    auto* stbEstado = new QStatusBar(this);
    stbEstado->setObjectName(QStringLiteral("stbEstado"));
    stbEstado->setSizeGripEnabled(false);
    auto* panelTitulo = new QLabel(QStringLiteral("Porcentaje completado"), stbEstado);
    panelTitulo->setObjectName(QStringLiteral("panel1"));
    panelPorcentaje_ = new QLabel(stbEstado);
    panelPorcentaje_->setObjectName(QStringLiteral("panel2"));
    stbEstado->addWidget(panelTitulo, 1);
    stbEstado->addWidget(panelPorcentaje_);

    auto* capas = new QVBoxLayout(this);
    capas->addWidget(tabDestino_, 1);
    capas->addWidget(lblPorc_);
    capas->addWidget(ProgressBar_);
    capas->addWidget(barra);
    capas->addWidget(stbEstado);

    ConfigurarBotones(*this, kAyudaGenerar);
    connect(cmdAceptar, &QToolButton::clicked, this, &frmGenerar::cmdAceptar_Click);
    connect(tabDestino_, &QTabWidget::currentChanged, this, [this](int pestana) {
        if (const auto destino = static_cast<DestinoGeneracion>(pestana); destino != DestinoGeneracion::Disquete)
            selector(destino).activar();
    });
    connect(cmdSalir, &QToolButton::clicked, this, &frmGenerar::reject);
}

frmGenerar::~frmGenerar() = default;

QWidget* frmGenerar::crearPestanaDisquete()
{
    auto* pestana = new QWidget(tabDestino_);
    auto* grupo = new QGroupBox(QStringLiteral("Unidad de destino"), pestana);
    cboDisqueteras_ = new QComboBox(grupo);
    cboDisqueteras_->setObjectName(QStringLiteral("cboDisqueteras"));
    cmdFormatear_ = boton(grupo, QStringLiteral("cmdFormatear"), QString());
    auto* capas = new QVBoxLayout(grupo);
    capas->addWidget(cboDisqueteras_);
    capas->addWidget(cmdFormatear_);
    capas->addStretch();
    auto* pagina = new QVBoxLayout(pestana);
    pagina->addWidget(grupo);

    cargarDisqueteras();
    mostrarFormatear(cboDisqueteras_->currentText());
    connect(cboDisqueteras_, &QComboBox::currentTextChanged, this, &frmGenerar::mostrarFormatear);
    connect(cmdFormatear_, &QPushButton::clicked, this, &frmGenerar::cmdFormatear_Click);
    return pestana;
}

// The diskette drives are the removable volumes; a declaration that may go on
// any disk lists the fixed ones too.
void frmGenerar::cargarDisqueteras()
{
    const QList<Unidad> unidades = datos_.soloDisqueteras ? unidades_.extraibles() : unidades_.lista();
    for (const Unidad& unidad : unidades)
        cboDisqueteras_->addItem(unidad.etiqueta);
}

void frmGenerar::mostrarFormatear(const QString& entrada)
{
    cmdFormatear_->setText(QStringLiteral("Formatear unidad ") + entrada);
    cmdFormatear_->setEnabled(!entrada.isEmpty());
}

// Formatting is the desktop's business: its disk utility opens on the drive.
void frmGenerar::cmdFormatear_Click()
{
    const std::optional<Unidad> unidad = unidades_.buscar(cboDisqueteras_->currentText().at(0));
    const QString gnome = QStandardPaths::findExecutable(QStringLiteral("gnome-disks"));
    if (!gnome.isEmpty()) {
        QStringList argumentos;
        if (unidad && !unidad->dispositivo.isEmpty())
            argumentos << QStringLiteral("--block-device") << unidad->dispositivo;
        if (QProcess::startDetached(gnome, argumentos))
            return;
    }
    const QString kde = QStandardPaths::findExecutable(QStringLiteral("partitionmanager"));
    if (!kde.isEmpty() && QProcess::startDetached(kde, {}))
        return;
    mensajes_.MensajeAtencion(QStringLiteral("No se pudo abrir un programa para formatear la unidad. Instale Discos de "
                                             "GNOME (gnome-disks) o KDE Partition Manager."));
}

void frmGenerar::elegirCarpeta(DestinoGeneracion destino, const QString& carpeta) { selector(destino).elegir(carpeta); }

frmGenerar::SelectorCarpeta& frmGenerar::selector(DestinoGeneracion destino)
{
    return destino == DestinoGeneracion::Internet ? *selectorInternet_ : *selectorCD_;
}

void frmGenerar::keyPressEvent(QKeyEvent* evento)
{
    const bool enter = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (enter && (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        cmdAceptar_Click();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void frmGenerar::cmdAceptar_Click()
{
    const auto destino = static_cast<DestinoGeneracion>(tabDestino_->currentIndex());
    if (destino == DestinoGeneracion::Disquete && cboDisqueteras_->currentText().isEmpty()) {
        mensajes_.MensajeAtencion(kSinDestino);
        return;
    }
    const CursorOcupado ocupado;
    LimpiarProgesoCopia(*this);  // nothing of an earlier copy shows beside this one
    try {
        generar(destino);
    } catch (const Error& error) {
        mensajes_.MensajeError(error.descripcion(), error.numero());
    }
}

void frmGenerar::generar(DestinoGeneracion destino)
{
    const ccGeneracion generacion(instalacion_);
    if (PrepararArchivo(generacion, datos_, destino, mensajes_)) {
        switch (destino) {
        case DestinoGeneracion::Disquete: copiarEnDisquetes(generacion.ruta(kArchivoGenerado)); break;
        case DestinoGeneracion::CD:
            ViaEstandard(selectorCD_->carpeta(), datos_.fileDestinoCD, generacion.directorio(), mensajes_, *this);
            break;
        case DestinoGeneracion::Internet:
            ViaInternet(selectorInternet_->carpeta(), datos_.fileDestino, generacion.directorio(),
                        EncriptarFileWin(instalacion_, generacion.directorio(), kArchivoConCabecera, mensajes_),
                        mensajes_, *this);
            break;
        }
    }
    LimpiarTrasGeneracion(generacion);
}

void frmGenerar::copiarEnDisquetes(const QString& origen)
{
    CopiaDisquetes copia(unidades_, mensajes_, *this);
    const QChar letra = cboDisqueteras_->currentText().at(0);
    if (copia.MVolCopy(origen, datos_.fileDestino, letra, static_cast<qint64>(datos_.bytesPorDisquete), datos_.cantReg))
        return;
    mensajes_.MensajeInformacion(QStringLiteral("El proceso finalizó correctamente."));
    ponerEstado(QStringLiteral("0%"));
    ponerValor(0);
}

void frmGenerar::reject()
{
    const QFileInfo registros(instalacion_.carpetaTrabajo() + datos_.ArchivoTMP);
    if (registros.isFile())
        QFile::remove(registros.filePath());
    QDialog::reject();
}

void frmGenerar::ponerMaximo(qint64 maximo)
{
    escala_ = maximo / std::numeric_limits<int>::max() + 1;
    ProgressBar_->setMaximum(static_cast<int>(maximo / escala_));
}

void frmGenerar::ponerValor(qint64 valor) { ProgressBar_->setValue(static_cast<int>(valor / escala_)); }

// The copy runs without giving the event loop a turn: texts are painted at once.
void frmGenerar::ponerEstado(const QString& porcentaje)
{
    panelPorcentaje_->setText(porcentaje);
    panelPorcentaje_->repaint();
}

void frmGenerar::ponerEtiqueta(const QString& texto)
{
    lblPorc_->setText(texto);
    lblPorc_->repaint();
}

}  // namespace veluma
