#include "lote.h"

#include "importacion_lote.h"
#include "intercambio/exportacion.h"

#include "core/arranque.h"
#include "core/cierre.h"
#include "core/clave.h"
#include "core/config_regional.h"
#include "core/database.h"
#include "core/error.h"
#include "core/instalacion.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "declarations/contribuyente.h"
#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"
#include "generation/confirmacion_generacion.h"
#include "generation/copia_carpeta.h"
#include "generation/generacion.h"
#include "generation/generar_disquete.h"
#include "generation/interfaz_registros.h"
#include "generation/medios.h"
#include "printing/configuracion_reporte.h"
#include "printing/documento/pdf.h"
#include "printing/documento/reporte_armado.h"
#include "printing/textos_impresos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veluma::lote {

namespace {

// Nobody watches the copy's progress in a script.
class AvanceSilencioso : public AvisoDeAvance {
public:
    void ponerMaximo(qint64) override {}
    void ponerValor(qint64) override {}
    void ponerEstado(const QString&) override {}
    void ponerEtiqueta(const QString&) override {}
};

// The stored form values of the declarations of the key's period and
// sequence, or only `valor` when it is given and stored.
QStringList valoresGuardados(Database& base, const ClaveDDJJ& clave, const QString& valor)
{
    Statement consulta =
        base.prepare(QStringLiteral("SELECT CAMPO1 FROM DDJJ WHERE CUIT = ? AND PERIODO = ? "
                                    "AND SECUENCIA = ? AND FORMULARIO = ? AND (? = '' OR CAMPO1 = ?) "
                                    "ORDER BY CAMPO1"));
    consulta.bindAll(clave.cuit, clave.periodo, clave.secuencia, clave.formulario, valor, valor);
    QStringList valores;
    while (consulta.next())
        valores += consulta.text(0).value_or(QString());
    return valores;
}

QByteArray contenido(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// The copy only counts when the destination holds exactly what was generated:
// a refused or failed copy leaves nothing, or an older file, there.
bool copiaCompleta(const QString& destino, const QString& generado)
{
    if (!QFileInfo(destino).isFile() || !QFileInfo(generado).isFile())
        return false;
    const QByteArray esperado = contenido(generado);
    return !esperado.isEmpty() && contenido(destino) == esperado;
}

// What cannot work whatever the database holds, found before anything is touched.
QString problemaDeCarpetas(const OpcionesLote& opciones, const Instalacion& instalacion)
{
    if (!QFileInfo(opciones.instalacion).isDir())
        return QStringLiteral("No existe la carpeta de instalación %1.").arg(opciones.instalacion);
    if (!QFileInfo::exists(instalacion.rutaBaseAuxiliar()))
        return QStringLiteral("La carpeta %1 no tiene una instalación de Veluma: falta %2.")
            .arg(instalacion.carpetaPrograma(), NombreBaseAuxiliar(instalacion.version()));
    // Start-up would create an empty one, where no declaration can be.
    if (!QFileInfo::exists(instalacion.rutaBaseTrabajo()))
        return QStringLiteral("No existe la base de datos de trabajo %1: el programa todavía no se usó en esa "
                              "instalación.")
            .arg(instalacion.rutaBaseTrabajo());
    if (opciones.tarea == Tarea::Exportar && !QFileInfo(QFileInfo(opciones.archivo).absolutePath()).isDir())
        return QStringLiteral("No existe la carpeta del archivo %1.").arg(opciones.archivo);
    if (opciones.tarea != Tarea::Generar)
        return QString();
    const QFileInfo destino(opciones.destino);
    if (destino.exists() && !destino.isDir())
        return QStringLiteral("El destino %1 es un archivo: indique una carpeta.").arg(opciones.destino);
    if (!destino.isDir())
        return QStringLiteral("No existe la carpeta de destino %1.").arg(opciones.destino);
    if (!destino.isWritable())
        return textoDestinoSinEscritura(opciones.destino);
    if (!opciones.pdf.isEmpty() && !QFileInfo(QFileInfo(opciones.pdf).absolutePath()).isDir())
        return QStringLiteral("No existe la carpeta del archivo PDF %1.").arg(opciones.pdf);
    return QString();
}

// Everything between opening the database and closing it. The file written
// stays in `resultado` even when printing fails afterwards.
void procesar(Sesion& sesion, const Formulario& formulario, const OpcionesLote& opciones, Mensajes& mensajes,
              ResultadoLote& resultado)
{
    abrirBaseDeTrabajo(sesion, mensajes);
    ConfigurarSeparadores();
    cargarContribuyente(sesion);
    sesion.formulario = formulario.numero();
    sesion.declaracion = {sesion.cuit, opciones.periodo, opciones.secuencia, formulario.numero(), {}};
    const QStringList valores = valoresGuardados(sesion.base, sesion.declaracion, opciones.valor);
    const QString declaracion =
        QStringLiteral("del formulario %1 de la CUIT %2 para el período %3, secuencia %4")
            .arg(formulario.numero())
            .arg(sesion.cuit, textoPeriodoImpreso(opciones.periodo), textoSecuenciaImpresa(opciones.secuencia));
    if (valores.isEmpty()) {
        mensajes.MensajeInformacion(
            QStringLiteral("No existe la declaración jurada ") + declaracion
            + (opciones.valor.isEmpty() ? QString() : QStringLiteral(" con el valor ") + opciones.valor)
            + QLatin1Char('.'));
        return;
    }
    // Generating one of them at random would hand in the wrong declaration.
    if (valores.size() > 1) {
        mensajes.MensajeAtencion(QStringLiteral("Hay más de una declaración jurada ") + declaracion
                                 + QStringLiteral(": indique cuál con --valor (") + valores.join(QStringLiteral(", "))
                                 + QStringLiteral(")."));
        return;
    }
    sesion.declaracion.campo1 = valores.first();
    if (opciones.tarea == Tarea::Importar) {
        if (importarEnDeclaracion(sesion, formulario, opciones, mensajes))
            resultado.codigo = kSalidaCorrecta;
        return;
    }
    if (opciones.tarea == Tarea::Exportar) {
        resultado.archivo =
            exportarDeclaracion(sesion, QFileInfo(opciones.archivo).absoluteFilePath()).join(QLatin1Char('\n'));
        resultado.codigo = kSalidaCorrecta;
        return;
    }

    // One settlement for the file and the printed form.
    const std::unique_ptr<Liquidacion> liquidacion = formulario.liquidar(sesion);
    // The balance screen never offers a file or a form for such a declaration.
    if (!liquidacion->admitePresentacion()) {
        mensajes.MensajeInformacion(liquidacion->motivoSinPresentacion());
        return;
    }
    resultado.archivo = generarEnCarpeta(sesion, *liquidacion, QDir(opciones.destino).absolutePath(), mensajes);
    if (resultado.archivo.isEmpty())
        return;
    if (!opciones.pdf.isEmpty())
        guardarPdf(armarReporte(liquidacion->formularioImpreso(sesion), sesion.base),
                   QFileInfo(opciones.pdf).absoluteFilePath());
    resultado.codigo = kSalidaCorrecta;
}

}  // namespace

Instalacion instalacionDeCarpeta(const QString& carpeta)
{
    return Instalacion::delEjecutable(QDir(carpeta).filePath(QStringLiteral("veluma")));
}

QString generarEnCarpeta(Sesion& sesion, const Liquidacion& liquidacion, const QString& carpeta, Mensajes& mensajes)
{
    AvanceSilencioso avance;
    QString escrito;
    // The sequence of "Aceptar" on the CD tab of the destination screen, then
    // what closing that screen does.
    const auto enCarpeta = [&](const DatosGeneracion& datos) {
        const ccGeneracion generacion(sesion.instalacion);
        try {
            if (PrepararArchivo(generacion, datos, DestinoGeneracion::CD, mensajes)) {
                ViaEstandard(carpeta, datos.fileDestinoCD, generacion.directorio(), mensajes, avance);
                const QString destino = carpeta + QLatin1Char('/') + datos.fileDestinoCD;
                if (copiaCompleta(destino, generacion.ruta(kArchivoGenerado)))
                    escrito = destino;
            }
            LimpiarTrasGeneracion(generacion);
        } catch (const Error& error) {
            mensajes.MensajeError(error.descripcion(), error.numero());
        }
        QFile::remove(generacion.ruta(datos.ArchivoTMP));
    };
    clsGenerarDisquete generacion(sesion, mensajes, enCarpeta);
    generacion.GenerarDisquete(liquidacion);
    return escrito;
}

ResultadoLote ejecutarLote(const OpcionesLote& opciones, Mensajes& mensajes)
{
    ResultadoLote resultado;
    const Formulario* formulario = buscarFormulario(opciones.formulario);
    if (!formulario || !formulario->tieneLiquidacion()) {
        mensajes.MensajeInformacion(textoSinPresentacion(opciones.formulario));
        return resultado;
    }
    if (opciones.periodo < formulario->periodoMinimo()) {
        mensajes.MensajeAtencion(QStringLiteral("El Periodo Fiscal no puede ser inferior al %1.")
                                     .arg(textoPeriodoImpreso(formulario->periodoMinimo())));
        return resultado;
    }
    Sesion sesion(instalacionDeCarpeta(opciones.instalacion));
    if (const QString problema = problemaDeCarpetas(opciones, sesion.instalacion); !problema.isEmpty()) {
        mensajes.MensajeAtencion(problema);
        return resultado;
    }

    InstanciaUnica instancia;
    if (!instancia.adquirir()) {
        mensajes.MensajeInformacion(textoYaEnEjecucion());
        return resultado;
    }
    sesion.cuit = opciones.cuit;
    sesion.clave = textoClave();
    try {
        procesar(sesion, *formulario, opciones, mensajes, resultado);
    } catch (const FinDelPrograma&) {
        // The user has already been told.
    } catch (const Error& error) {
        mensajes.MensajeError(error.descripcion(), error.numero());
    } catch (const std::exception& error) {
        mensajes.MensajeError(QString::fromUtf8(error.what()), 0);
    }

    // Whatever happened, the database rests as a closed session leaves it.
    const QString aviso = mensajeCierre(CerrarBaseTrabajo(sesion.base, sesion.instalacion));
    if (!aviso.isEmpty()) {
        mensajes.MensajeAtencion(aviso);
        resultado.codigo = kSalidaFallida;
    }
    instancia.liberar();
    return resultado;
}

}  // namespace veluma::lote
