#include "intercambio/pantallas/frm_importar.h"

#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "intercambio/columnas_recordadas.h"
#include "intercambio/pantallas/modelo_lineas_importadas.h"
#include "pantallas/abm.h"
#include "pantallas/botones.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

namespace {

constexpr int kSinCampo = -1;

// What the first line holds in a column, to tell the columns apart.
QString ejemplo(const Importacion& importacion, int columna)
{
    const std::vector<FilaCsv>& filas = importacion.tabla().filas;
    return filas.empty() ? QString() : filas.front().campos.value(columna).left(24);
}

}  // namespace

frmImportar::frmImportar(Importacion& importacion, Database& base, Mensajes& mensajes, QWidget* parent)
    : PantallaEntrada(parent), importacion_(importacion), base_(base), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frmImportar"));
    setModal(true);
    setWindowTitle(QStringLiteral("Importar ") + importacion.importador().titulo());
    crearControles();
    ConfigurarBotones(*this, kAyudaImportar);
    mostrarResultado();
    grdLineas_->setFocus();
}

void frmImportar::crearControles()
{
    cmdImportar_ = crearBoton(this, Boton::Aceptar, QStringLiteral("&Importar"), QStringLiteral("cmdImportar"));
    cmdCancelar_ = crearBoton(this, Boton::Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("cmdCancelar"));
    QWidget* barra = crearBarra(*this, {cmdImportar_}, cmdCancelar_);

    const TablaCsv& tabla = importacion_.tabla();
    lblArchivo_ = new QLabel(this);
    lblArchivo_->setObjectName(QStringLiteral("lblArchivo"));
    lblArchivo_->setText(QStringLiteral("%1: %2, valores separados por %3, %4.")
                             .arg(QFileInfo(tabla.archivo).fileName(), textoLineas(qsizetype(tabla.filas.size())),
                                  nombreDelSeparador(tabla.separador), tabla.codificacion));
    chkEncabezado_ = new QCheckBox(QStringLiteral("La primera línea tiene los &títulos de las columnas"), this);
    chkEncabezado_->setObjectName(QStringLiteral("chkEncabezado"));
    chkEncabezado_->setChecked(importacion_.asignacion().encabezado);
    crearColumnas();

    modelo_ = new ModeloLineasImportadas(importacion_, this);
    grdLineas_ = crearGrilla(this, QStringLiteral("grdLineas"), modelo_);
    grdLineas_->setColumnWidth(0, 60);
    for (int columna = 1; columna + 1 < modelo_->columnCount(); ++columna)
        grdLineas_->setColumnWidth(columna, 140);

    lblResumen_ = new QLabel(this);
    lblResumen_->setObjectName(QStringLiteral("lblResumen"));
    lblResumen_->setWordWrap(true);

    frCargadas_ = new QGroupBox(QStringLiteral("Líneas que ya están cargadas en la declaración"), this);
    frCargadas_->setObjectName(QStringLiteral("frCargadas"));
    optOmitir_ = new QRadioButton(QStringLiteral("&Dejar las cargadas como están"), frCargadas_);
    optOmitir_->setObjectName(QStringLiteral("optOmitir"));
    optReemplazar_ = new QRadioButton(QStringLiteral("&Reemplazarlas por las del archivo"), frCargadas_);
    optReemplazar_->setObjectName(QStringLiteral("optReemplazar"));
    optOmitir_->setChecked(true);
    auto* cargadas = new QHBoxLayout(frCargadas_);
    cargadas->addWidget(optOmitir_);
    cargadas->addWidget(optReemplazar_);
    cargadas->addStretch();

    auto* cuerpo = new QVBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(lblArchivo_);
    cuerpo->addWidget(chkEncabezado_);
    cuerpo->addWidget(frColumnas_);
    cuerpo->addWidget(grdLineas_, 1);
    cuerpo->addWidget(lblResumen_);
    cuerpo->addWidget(frCargadas_);
    disponerPantalla(*this, barra, cuerpo);
    resize(820, 560);

    connect(cmdImportar_, &QToolButton::clicked, this, &frmImportar::cmdImportar_Click);
    connect(cmdCancelar_, &QToolButton::clicked, this, &QDialog::reject);
    connect(chkEncabezado_, &QCheckBox::toggled, this, &frmImportar::encabezadoCambiado);
    connect(optReemplazar_, &QRadioButton::toggled, this, &frmImportar::mostrarResultado);
}

// One list per file column, to choose the field it holds.
void frmImportar::crearColumnas()
{
    frColumnas_ = new QGroupBox(QStringLiteral("Columnas del archivo"), this);
    frColumnas_->setObjectName(QStringLiteral("frColumnas"));
    auto* grilla = new QGridLayout(frColumnas_);
    const std::vector<CampoImportacion> campos = importacion_.importador().campos();
    const std::vector<int>& asignadas = importacion_.asignacion().columnas;
    for (int columna = 0; columna < importacion_.columnas(); ++columna) {
        auto* lista = new QComboBox(frColumnas_);
        lista->setObjectName(QStringLiteral("cboColumna_%1").arg(columna));
        lista->addItem(QStringLiteral("(no importar)"), kSinCampo);
        for (std::size_t i = 0; i < campos.size(); ++i) {
            lista->addItem(campos[i].titulo, int(i));
            if (asignadas[i] == columna)
                lista->setCurrentIndex(lista->count() - 1);
        }
        auto* rotulo = new QLabel(
            QStringLiteral("Columna %1 («%2»)").arg(columna + 1).arg(ejemplo(importacion_, columna)), frColumnas_);
        rotulo->setBuddy(lista);
        grilla->addWidget(rotulo, columna / 2, (columna % 2) * 2);
        grilla->addWidget(lista, columna / 2, (columna % 2) * 2 + 1);
        cboColumnas_.push_back(lista);
        connect(lista, &QComboBox::activated, this, [this, columna] { columnaElegida(columna); });
    }
}

void frmImportar::columnaElegida(int columna)
{
    // A field comes from one column: choosing it here takes it from any other.
    const int campo = cboColumnas_[std::size_t(columna)]->currentData().toInt();
    Asignacion asignacion = importacion_.asignacion();
    for (int& asignada : asignacion.columnas)
        if (asignada == columna)
            asignada = -1;
    if (campo != kSinCampo) {
        const int anterior = asignacion.columnas[std::size_t(campo)];
        if (anterior >= 0)
            cboColumnas_[std::size_t(anterior)]->setCurrentIndex(0);
        asignacion.columnas[std::size_t(campo)] = columna;
    }
    importacion_.asignar(asignacion);
    mostrarResultado();
}

void frmImportar::encabezadoCambiado()
{
    Asignacion asignacion = importacion_.asignacion();
    asignacion.encabezado = chkEncabezado_->isChecked();
    importacion_.asignar(asignacion);
    mostrarResultado();
}

void frmImportar::mostrarResultado()
{
    modelo_->actualizar(optReemplazar_->isChecked());
    const QString impedimento = importacion_.impedimento();
    const std::size_t lineas = importacion_.lineas().size();
    const int cargadas = importacion_.yaCargadas();
    frCargadas_->setVisible(cargadas > 0);
    if (!impedimento.isEmpty()) {
        lblResumen_->setText(impedimento);
        lblResumen_->setStyleSheet(QStringLiteral("color: darkred;"));
    } else {
        QString resumen = textoLineas(qsizetype(lineas)) + QStringLiteral(" para importar");
        if (cargadas > 0)
            resumen += QStringLiteral("; %1 ya cargadas en la declaración").arg(cargadas);
        lblResumen_->setText(resumen + QLatin1Char('.'));
        lblResumen_->setStyleSheet({});
    }
    const bool algoQueGuardar = optReemplazar_->isChecked() || std::size_t(cargadas) < lineas;
    cmdImportar_->setEnabled(impedimento.isEmpty() && algoQueGuardar);
}

void frmImportar::cmdImportar_Click()
{
    if (!cmdImportar_->isEnabled())
        return;
    try {
        importadas_ = importacion_.importar(base_, optReemplazar_->isChecked());
    } catch (const Error& error) {
        mensajes_.MensajeError(error.descripcion(), error.numero());
        return;
    }
    accept();
}

int importarArchivo(QWidget* padre, Sesion& sesion, Mensajes& mensajes,
                    const std::function<std::unique_ptr<Importador>()>& crearImportador)
{
    std::unique_ptr<Importador> importador;
    if (!conAvisoDeErrores(mensajes, [&] { importador = crearImportador(); }))
        return 0;
    const QString seccion = importador->seccion();
    QFileDialog dialogo(padre, QStringLiteral("Importar ") + importador->titulo(), QDir::homePath(),
                        QStringLiteral("Archivos CSV (*.csv *.txt);;Todos los archivos (*)"));
    dialogo.setObjectName(QStringLiteral("dlgImportar"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return 0;
    try {
        TablaCsv tabla = leerArchivoCsv(dialogo.selectedFiles().constFirst());
        Importacion importacion(std::move(importador), std::move(tabla),
                                columnasRecordadas(sesion.instalacion, seccion));
        frmImportar vista(importacion, sesion.base, mensajes, padre);
        if (vista.exec() != QDialog::Accepted)
            return 0;
        mensajes.MensajeInformacion(QStringLiteral("Se importaron %1.").arg(textoLineas(vista.importadas())));
        // The lines are stored: failing to remember the columns only costs choosing them again.
        if (!importacion.asignacion().encabezado)
            conAvisoDeErrores(mensajes, [&] {
                recordarColumnas(
                    sesion.instalacion, seccion,
                    clavesPorColumna(importacion.importador(), importacion.asignacion(), importacion.columnas()));
            });
        return vista.importadas();
    } catch (const Error& error) {
        mensajes.MensajeAtencion(error.descripcion());
        return 0;
    }
}

}  // namespace veluma
