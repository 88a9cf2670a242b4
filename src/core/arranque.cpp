#include "core/arranque.h"

#include "core/actualizacion.h"
#include "core/consultas.h"
#include "core/esquema.h"
#include "core/inicio.h"
#include "core/sesion.h"
#include "core/sincronizacion.h"
#include "core/vinculos.h"

#include <QDir>
#include <QFileInfo>

namespace veluma {

InstanciaUnica::InstanciaUnica() : bloqueo_(QDir::tempPath() + QStringLiteral("/veluma.lock"))
{
    // Only a lock whose process has ended counts as stale, however old it is.
    bloqueo_.setStaleLockTime(0);
}

bool InstanciaUnica::adquirir() { return bloqueo_.tryLock(0); }

void InstanciaUnica::liberar() { bloqueo_.unlock(); }

QString cuitDeArgumentos(const QStringList& argumentos) { return argumentos.join(QLatin1Char(' ')); }

QString textoYaEnEjecucion() { return QStringLiteral("Veluma ya se está ejecutando en esta máquina."); }

QString textoSinCuit() { return QStringLiteral("El ingreso al sistema se debe realizar por medio del módulo T.E.Vo."); }

void abrirBaseDeTrabajo(Sesion& sesion, Mensajes& mensajes)
{
    const Instalacion& instalacion = sesion.instalacion;
    const bool nueva = !QFileInfo::exists(instalacion.rutaBaseTrabajo());
    if (nueva)
        CrearBase(instalacion.carpetaPrograma(), instalacion.nombreBaseTrabajo());
    // Files of earlier versions were readable by everybody.
    soloDelPropietario(instalacion.rutaBaseTrabajo());
    clsInicio inicio(instalacion, sesion.clave);
    const clsInicio::Reposo reposo = nueva ? clsInicio::Reposo::Plana : clsInicio::Reposo::Mezclada;
    inicio.AbrirBase(instalacion.nombreBaseTrabajo(), sesion.base, reposo);
    try {
        verificarVersionEsquema(sesion.base);
    } catch (const Error&) {
        // A file this version cannot use is put back as it was found.
        sesion.base.close();
        if ((reposo == clsInicio::Reposo::Mezclada) == (inicio.intentosUltimaApertura() == 1))
            clsInicio::EncriptaDesencripta(instalacion.rutaBaseTrabajo());
        throw;
    }
    VincularTablasReferencia(sesion.base, instalacion);
    ActualizarEsquema(sesion.base, mensajes);
    InstanciarConsultas(sesion.base);
}

}  // namespace veluma
