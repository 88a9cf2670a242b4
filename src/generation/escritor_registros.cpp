#include "generation/escritor_registros.h"

#include "core/error.h"
#include "core/mensajes.h"
#include "generation/codificacion.h"
#include "generation/windows1252.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace veluma {

EscritorRegistros::EscritorRegistros(const Instalacion& instalacion, const QString& archivo)
{
    const QString carpeta = DirectorioWindows(instalacion);
    if (carpeta.isEmpty()) {
        anotarMotivo(QStringLiteral("No se pudo crear la carpeta de trabajo para el archivo ") + archivo
                     + QStringLiteral(".\n"));
        return;
    }
    ruta_ = carpeta + archivo;
    archivo_.setFileName(ruta_ + QStringLiteral(".part"));
    if (!archivo_.open(QIODevice::WriteOnly)) {
        anotarMotivo(QStringLiteral("No se pudo crear el archivo ") + ruta_ + QStringLiteral(": ")
                     + archivo_.errorString() + QStringLiteral("\n"));
    }
}

EscritorRegistros::~EscritorRegistros()
{
    if (!cerrado_)
        descartar();
}

bool EscritorRegistros::agregar(QString registro, int largo, const QString& detalle)
{
    return escribir(registro, largo, "\n", detalle);
}

bool EscritorRegistros::agregarUltimo(QString registro, int largo) { return escribir(registro, largo, "\r\n"); }

bool EscritorRegistros::escribir(QString& registro, int largo, const char* finDeLinea, const QString& detalle)
{
    if (!motivo_.isEmpty())
        return false;
    LimpiarCaracteres(registro);
    if (registro.size() != largo) {
        anotarMotivo(QStringLiteral("La longitud del Registro ") + registro.left(2) + QStringLiteral(" es incorrecta")
                     + (detalle.isEmpty() ? QString() : QStringLiteral(" ( ") + detalle + QLatin1Char(')'))
                     + QStringLiteral(".\r\n"));
        return false;
    }
    const QByteArray linea = aWindows1252(registro);
    if (archivo_.write(linea) != linea.size() || archivo_.write(finDeLinea) != qint64(qstrlen(finDeLinea))) {
        anotarMotivo(QStringLiteral("No se pudo escribir el archivo ") + ruta_ + QStringLiteral(": ")
                     + archivo_.errorString() + QStringLiteral("\n"));
        return false;
    }
    ++cantidad_;
    return true;
}

bool EscritorRegistros::cerrar()
{
    if (motivo_.isEmpty()) {
        archivo_.close();
        QString fallo;
        if (archivo_.error() != QFileDevice::NoError)
            fallo = archivo_.errorString();
        // rename() replaces the earlier file in one step, which QFile::rename does not.
        else if (std::rename(QFile::encodeName(archivo_.fileName()).constData(), QFile::encodeName(ruta_).constData())
                 != 0)
            fallo = QString::fromLocal8Bit(std::strerror(errno));
        if (!fallo.isEmpty())
            anotarMotivo(QStringLiteral("No se pudo guardar el archivo ") + ruta_ + QStringLiteral(": ") + fallo
                         + QStringLiteral("\n"));
    }
    if (!motivo_.isEmpty())
        return false;
    cerrado_ = true;
    return true;
}

void EscritorRegistros::anotarMotivo(const QString& motivo)
{
    if (motivo_.isEmpty())
        motivo_ = motivo;
    descartar();
}

void EscritorRegistros::descartar()
{
    archivo_.close();
    if (!ruta_.isEmpty()) {
        archivo_.remove();
        QFile::remove(ruta_);
    }
}

void informarFalloGeneracion(Mensajes& mensajes, const QString& motivo)
{
    mensajes.MensajeInformacion(QStringLiteral("La generación no se efectuó por el siguiente motivo:\r\n\r\n")
                                + motivo);
}

bool generarRegistros(EscritorRegistros& salida, const std::vector<OperacionRegistro>& operaciones,
                      const QString& finDeMotivo, Mensajes& mensajes)
{
    bool generado = salida.motivo().isEmpty();
    for (const OperacionRegistro& operacion : operaciones) {
        if (!generado)
            break;
        try {
            generado = operacion.generar(salida);
        } catch (const Error& error) {
            salida.anotarMotivo(error.descripcion() + QStringLiteral(" en el registro ") + QLatin1String(operacion.tipo)
                                + finDeMotivo);
            generado = false;
        }
    }
    if (generado)
        generado = salida.cerrar();
    if (!generado)
        informarFalloGeneracion(mensajes, salida.motivo());
    return generado;
}

}  // namespace veluma
