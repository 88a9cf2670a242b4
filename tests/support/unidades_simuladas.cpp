#include "support/unidades_simuladas.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <stdexcept>

namespace veluma::test {

QChar UnidadesSimuladas::agregar(const QString& nombre, qint64 capacidad, bool extraible)
{
    Disco nuevo;
    nuevo.letra = QChar(static_cast<char16_t>(u'a' + discos_.size()));
    nuevo.nombre = nombre;
    nuevo.capacidad = capacidad;
    nuevo.extraible = extraible;
    nuevo.medios.append(nuevoMedio(nuevo));
    discos_.append(nuevo);
    return nuevo.letra;
}

QString UnidadesSimuladas::nuevoMedio(const Disco& disco) const
{
    const QString raiz = carpeta_.path() + QStringLiteral("/%1%2").arg(disco.letra).arg(disco.medios.size() + 1);
    if (!QDir().mkpath(raiz))
        throw std::runtime_error("no se puede crear un medio simulado");
    return raiz;
}

QString UnidadesSimuladas::cambiarMedio(QChar letra)
{
    Disco* d = disco(letra);
    d->medios.append(nuevoMedio(*d));
    d->conMedio = true;
    return d->medios.last();
}

QStringList UnidadesSimuladas::medios(QChar letra) const
{
    const Disco* d = discoSiHay(letra);
    return d ? d->medios : QStringList();
}

void UnidadesSimuladas::protegerContraEscritura(QChar letra, bool protegido) { disco(letra)->protegido = protegido; }

void UnidadesSimuladas::quitarMedio(QChar letra) { disco(letra)->conMedio = false; }

void UnidadesSimuladas::ponerMedio(QChar letra) { disco(letra)->conMedio = true; }

void UnidadesSimuladas::desaparecer(QChar letra)
{
    Disco* d = disco(letra);
    d->presente = false;
    QDir(d->medios.last()).removeRecursively();
}

QList<veluma::Unidad> UnidadesSimuladas::lista() const
{
    QList<veluma::Unidad> unidades;
    for (const Disco& d : discos_)
        if (d.presente)
            unidades.append({d.letra, veluma::etiquetaDeUnidad(d.letra, d.nombre, d.medios.last()), d.medios.last(),
                             QString(), d.extraible});
    return unidades;
}

std::optional<qint64> UnidadesSimuladas::espacioLibre(QChar letra) const
{
    const Disco* d = discoSiHay(letra);
    if (!d || !d->presente || !d->conMedio)
        return std::nullopt;
    qint64 ocupado = 0;
    for (QDirIterator archivos(d->medios.last(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         archivos.hasNext();)
        ocupado += QFileInfo(archivos.next()).size();
    return std::max<qint64>(0, d->capacidad - ocupado);
}

int UnidadesSimuladas::probar(QChar letra) const
{
    const Disco* d = discoSiHay(letra);
    if (!d || !d->presente)
        return veluma::kDiscoNoDisponible;
    if (!d->conMedio)
        return veluma::kDiscoSinMedio;
    return d->protegido ? veluma::kDiscoProtegido : veluma::kDiscoListo;
}

UnidadesSimuladas::Disco* UnidadesSimuladas::disco(QChar letra)
{
    if (const Disco* d = discoSiHay(letra))
        return const_cast<Disco*>(d);
    throw std::invalid_argument("no hay una unidad simulada con esa letra");
}

const UnidadesSimuladas::Disco* UnidadesSimuladas::discoSiHay(QChar letra) const
{
    const auto d = std::find_if(discos_.begin(), discos_.end(), [letra](const Disco& x) { return x.letra == letra; });
    return d == discos_.end() ? nullptr : &*d;
}

}  // namespace veluma::test
