#include "generation/medios.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace veluma {

namespace {

constexpr qsizetype kLetras = 26;

bool esExtraible(const QStorageInfo& volumen)
{
    const QString raiz = volumen.rootPath();
    return raiz.startsWith(QLatin1String("/media/")) || raiz.startsWith(QLatin1String("/run/media/"));
}

// The usable volumes in letter order: removable first, each group by mount point.
QList<QStorageInfo> volumenesOrdenados()
{
    QList<QStorageInfo> volumenes;
    const QList<QStorageInfo> montados = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volumen : montados)
        if (volumen.isValid())
            volumenes.append(volumen);
    std::stable_sort(volumenes.begin(), volumenes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        if (esExtraible(a) != esExtraible(b))
            return esExtraible(a);
        return a.rootPath() < b.rootPath();
    });
    // One letter each, 'a' to 'z': the rest cannot be named.
    if (volumenes.size() > kLetras)
        volumenes.resize(kLetras);
    return volumenes;
}

std::optional<QStorageInfo> volumenDe(QChar letra)
{
    const int indice = letra.unicode() - u'a';
    const QList<QStorageInfo> volumenes = volumenesOrdenados();
    if (indice < 0 || indice >= volumenes.size())
        return std::nullopt;
    return volumenes.at(indice);
}

}  // namespace

QList<Unidad> Unidades::extraibles() const
{
    QList<Unidad> resultado;
    const QList<Unidad> todas = lista();
    for (const Unidad& unidad : todas)
        if (unidad.extraible)
            resultado.append(unidad);
    return resultado;
}

std::optional<Unidad> Unidades::buscar(QChar letra) const
{
    const QList<Unidad> todas = lista();
    for (const Unidad& unidad : todas)
        if (unidad.letra == letra.toLower())
            return unidad;
    return std::nullopt;
}

QString Unidades::raiz(QChar letra) const
{
    const std::optional<Unidad> unidad = buscar(letra);
    return unidad ? unidad->raiz : QString();
}

QList<Unidad> UnidadesDelSistema::lista() const
{
    QList<Unidad> unidades;
    QChar letra = u'a';
    const QList<QStorageInfo> volumenes = volumenesOrdenados();
    for (const QStorageInfo& volumen : volumenes) {
        unidades.append({letra, etiquetaDeUnidad(letra, volumen.name(), volumen.rootPath()), volumen.rootPath(),
                         QString::fromLocal8Bit(volumen.device()), esExtraible(volumen)});
        letra = QChar(letra.unicode() + 1);
    }
    return unidades;
}

std::optional<qint64> UnidadesDelSistema::espacioLibre(QChar letra) const
{
    const std::optional<QStorageInfo> volumen = volumenDe(letra.toLower());
    if (!volumen || !volumen->isReady() || volumen->bytesAvailable() < 0)
        return std::nullopt;
    return volumen->bytesAvailable();
}

int UnidadesDelSistema::probar(QChar letra) const
{
    const std::optional<QStorageInfo> volumen = volumenDe(letra.toLower());
    if (!volumen)
        return kDiscoNoDisponible;
    if (!volumen->isReady())
        return kDiscoSinMedio;
    if (!QFileInfo(volumen->rootPath()).isDir())
        return kDiscoDefectuoso;
    if (volumen->isReadOnly())
        return kDiscoProtegido;
    return kDiscoListo;
}

QString etiquetaDeUnidad(QChar letra, const QString& nombre, const QString& raiz)
{
    const QString unidad = QString(letra) + QLatin1Char(':');
    if (nombre.isEmpty())
        return unidad + QLatin1Char(' ') + raiz;
    return unidad + QStringLiteral(" [") + nombre + QStringLiteral("] ") + raiz;
}

}  // namespace veluma
