#include "registros_de_prueba.h"

#include "core/sesion.h"
#include "generation/escritor_registros.h"
#include "printing/configuracion_reporte.h"

namespace veluma::test {

RegistrosDePrueba::RegistrosDePrueba(veluma::Sesion& sesion, QList<RegistroDePrueba> registros)
    : sesion_(sesion), registros_(std::move(registros))
{
}

bool RegistrosDePrueba::GenerarDisquete(const QString& ArchivoTMP, veluma::Mensajes& mensajes)
{
    veluma::EscritorRegistros escritor(sesion_.instalacion, ArchivoTMP);
    bool escrito = true;
    for (qsizetype i = 0; escrito && i < registros_.size(); ++i) {
        const RegistroDePrueba& registro = registros_[i];
        escrito = i + 1 < registros_.size() ? escritor.agregar(registro.texto, registro.largo)
                                            : escritor.agregarUltimo(registro.texto, registro.largo);
    }
    if (!escrito || !escritor.cerrar()) {
        veluma::informarFalloGeneracion(mensajes, escritor.motivo());
        return false;
    }
    // Named as the forms name theirs: verification number and form, then the key.
    const veluma::ClaveDDJJ& clave = sesion_.declaracion;
    const QString raiz = QStringLiteral("123456F%1").arg(clave.formulario, 4, 10, QLatin1Char('0'));
    ArchivoSalidaDKT = raiz + QStringLiteral(".dat");
    ArchivoSalidaCD = QStringLiteral("%1%2%3%4.dat")
                          .arg(raiz, QString(clave.cuit).remove(QLatin1Char('-')))
                          .arg(clave.periodo, 6, 10, QLatin1Char('0'))
                          .arg(clave.secuencia, 2, 10, QLatin1Char('0'));
    CantidadRegistros = escritor.cantidad();
    return true;
}

veluma::ConfiguracionReporte LiquidacionDePrueba::formularioImpreso(const veluma::Sesion&) const { return {}; }

QList<RegistroDePrueba> registrosDeUnaDeclaracion(const QString& textoLibre)
{
    QList<RegistroDePrueba> registros{{QStringLiteral("01307045182650202403000000000A"), 30}};
    for (int i = 1; i <= 3; ++i) {
        registros.append({QStringLiteral("02%1%2").arg(i, 18, 10, QLatin1Char('0')).arg(textoLibre.left(20), -20), 40});
    }
    registros.append({QStringLiteral("99%1    ").arg(registros.size() + 1, 6, 10, QLatin1Char('0')), 12});
    return registros;
}

}  // namespace veluma::test
