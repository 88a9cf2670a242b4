#include "generation/medios.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace veluma {

namespace {

bool esExtraible(const QStorageInfo& volumen)
{
    const QString raiz = volumen.rootPath();
    return raiz.startsWith(QLatin1String("/media/")) || raiz.startsWith(QLatin1String("/run/media/"));
}

struct Volumen {
    QChar letra;
    QStorageInfo info;
};

// The usable volumes in letter order, removable first, each group by mount
// point, with their letters.
QList<Volumen> volumenesOrdenados()
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
    QList<bool> extraibles;
    for (const QStorageInfo& volumen : volumenes)
        extraibles.append(esExtraible(volumen));
    const QList<QChar> letras = letrasDeUnidades(extraibles);
    QList<Volumen> conLetra;
    for (qsizetype i = 0; i < letras.size(); ++i)
        conLetra.append({letras[i], volumenes[i]});
    return conLetra;
}

std::optional<QStorageInfo> volumenDe(QChar letra)
{
    const QList<Volumen> volumenes = volumenesOrdenados();
    for (const Volumen& volumen : volumenes)
        if (volumen.letra == letra)
            return volumen.info;
    return std::nullopt;
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
    const QList<Volumen> volumenes = volumenesOrdenados();
    for (const auto& [letra, volumen] : volumenes)
        unidades.append({letra, etiquetaDeUnidad(letra, volumen.name(), volumen.rootPath()), volumen.rootPath(),
                         QString::fromLocal8Bit(volumen.device()), esExtraible(volumen)});
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

QList<QChar> letrasDeUnidades(const QList<bool>& extraibles)
{
    QList<QChar> letras;
    char16_t disquete = u'a';
    char16_t otra = u'c';
    for (const bool extraible : extraibles) {
        const bool esDisquete = extraible && disquete <= u'b';
        if (!esDisquete && otra > u'z')
            break;
        letras.append(QChar(esDisquete ? disquete++ : otra++));
    }
    return letras;
}

QString etiquetaDeUnidad(QChar letra, const QString& nombre, const QString& raiz)
{
    const QString unidad = QString(letra) + QLatin1Char(':');
    if (nombre.isEmpty())
        return unidad + QLatin1Char(' ') + raiz;
    return unidad + QStringLiteral(" [") + nombre + QStringLiteral("] ") + raiz;
}

}  // namespace veluma
