#include "generation/verificacion_archivo.h"

#include "filewin.h"
#include "formato_dkwin.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <optional>

namespace veluma {

namespace {

struct CabeceraVolumen {
    int volumen = 0;
    int volumenes = 0;
    QString registros;  // six digits, as written
};

ResultadoVerificacion fallo(const QString& problema)
{
    ResultadoVerificacion resultado;
    resultado.problema = problema;
    return resultado;
}

QString archivoDanado() { return QStringLiteral("El archivo está dañado: no se puede decodificar."); }

QString dosDigitos(int numero) { return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0')); }

std::optional<CabeceraVolumen> leerCabeceraVolumen(const QByteArray& contenido)
{
    static const QRegularExpression patron(QStringLiteral("^HEAD10 ([0-9]{2}) ([0-9]{2}) ([0-9]{6})\n$"));
    const QRegularExpressionMatch partes = patron.match(QString::fromLatin1(contenido.left(kLargoCabeceraDkwin)));
    if (!partes.hasMatch())
        return std::nullopt;
    return CabeceraVolumen{partes.captured(1).toInt(), partes.captured(2).toInt(), partes.captured(3)};
}

// The encoder's output the volumes were cut from, or why they do not make
// one. Every volume carries the record count of the original header, so the
// header is rebuilt from it.
std::optional<QByteArray> unirVolumenes(const QList<QByteArray>& volumenes, QString& problema)
{
    const std::optional<CabeceraVolumen> primera = leerCabeceraVolumen(volumenes.first());
    if (!primera || primera->volumenes < 1) {
        problema = QStringLiteral("El disquete 1 no tiene una cabecera de volumen válida.");
        return std::nullopt;
    }
    const int total = primera->volumenes;
    QByteArray codificado = "HEAD10 01 01 " + primera->registros.toLatin1() + '\n';
    for (int i = 0; i < volumenes.size(); ++i) {
        const int disquete = i + 1;
        const std::optional<CabeceraVolumen> cabecera = leerCabeceraVolumen(volumenes[i]);
        if (!cabecera) {
            problema = QStringLiteral("El disquete %1 no tiene una cabecera de volumen válida.").arg(disquete);
            return std::nullopt;
        }
        if (disquete > total) {
            problema =
                QStringLiteral("Sobra el disquete %1: la presentación tiene %2 disquetes.").arg(disquete).arg(total);
            return std::nullopt;
        }
        if (cabecera->volumen != disquete || cabecera->volumenes != total) {
            problema = QStringLiteral("El disquete %1 no corresponde: se esperaba el volumen %2 de %3.")
                           .arg(disquete)
                           .arg(dosDigitos(disquete), dosDigitos(total));
            return std::nullopt;
        }
        if (cabecera->registros != primera->registros) {
            problema = QStringLiteral("El disquete %1 no corresponde: indica %2 registros y el disquete 1, %3.")
                           .arg(disquete)
                           .arg(cabecera->registros, primera->registros);
            return std::nullopt;
        }
        codificado += volumenes[i].mid(kLargoCabeceraDkwin);
    }
    if (volumenes.size() < total) {
        problema = QStringLiteral("Falta el disquete %1: se esperaba el volumen %2 de %3.")
                       .arg(volumenes.size() + 1)
                       .arg(dosDigitos(int(volumenes.size()) + 1), dosDigitos(total));
        return std::nullopt;
    }
    return codificado;
}

bool tieneControles(const QByteArray& registro)
{
    for (const char c : registro)
        if (quint8(c) < 32)
            return true;
    return false;
}

// The checks on the decoded header and records.
ResultadoVerificacion verificarContenido(const QByteArray& contenido)
{
    ResultadoVerificacion resultado;
    const QByteArray lineaCabecera = contenido.left(kLargoCabeceraDkwin);
    resultado.cabecera = QString::fromLatin1(lineaCabecera.left(lineaCabecera.indexOf('\n')));
    static const QRegularExpression patron(QStringLiteral("^HEAD10 01 01 ([0-9]{6})\n$"));
    const QRegularExpressionMatch cabecera = patron.match(QString::fromLatin1(lineaCabecera));
    if (!cabecera.hasMatch()) {
        resultado.problema = QStringLiteral("La cabecera del archivo no es válida: \"%1\".").arg(resultado.cabecera);
        return resultado;
    }

    QByteArray cuerpo = contenido.mid(kLargoCabeceraDkwin);
    QList<QByteArray> lineas;
    if (!cuerpo.isEmpty()) {
        if (!cuerpo.endsWith("\r\n")) {
            resultado.problema = QStringLiteral("El último registro no termina con un fin de línea (CR LF).");
            return resultado;
        }
        cuerpo.chop(2);
        lineas = cuerpo.split('\n');
    }
    for (const QByteArray& linea : lineas)
        resultado.registros.append(QString::fromLatin1(linea));

    for (int i = 0; i < lineas.size(); ++i) {
        if (lineas[i].isEmpty()) {
            resultado.problema = QStringLiteral("El registro %1 está vacío.").arg(i + 1);
            return resultado;
        }
        if (tieneControles(lineas[i])) {
            resultado.problema = QStringLiteral("El registro %1 tiene caracteres de control.").arg(i + 1);
            return resultado;
        }
    }

    const QString declarados = cabecera.captured(1);
    if (declarados.toInt() != lineas.size()) {
        resultado.problema = QStringLiteral("La cantidad de registros de la cabecera (%1) no coincide con la del "
                                            "archivo (%2).")
                                 .arg(declarados)
                                 .arg(lineas.size());
        return resultado;
    }

    QHash<QByteArray, int> primeroDelTipo;  // type → index of its first record
    for (int i = 0; i < lineas.size(); ++i) {
        const QByteArray tipo = lineas[i].left(2);
        const int primero = primeroDelTipo.value(tipo, i);
        primeroDelTipo.insert(tipo, primero);
        if (lineas[i].size() != lineas[primero].size()) {
            resultado.problema = QStringLiteral("Los registros de tipo %1 no tienen todos el mismo largo: el registro "
                                                "%2 tiene %3 caracteres y el registro %4, %5.")
                                     .arg(QString::fromLatin1(tipo))
                                     .arg(i + 1)
                                     .arg(lineas[i].size())
                                     .arg(primero + 1)
                                     .arg(lineas[primero].size());
            return resultado;
        }
    }

    if (lineas.isEmpty() || !lineas.last().startsWith("99")) {
        resultado.problema = QStringLiteral("El último registro no es el de cierre (tipo 99).");
        return resultado;
    }
    resultado.valido = true;
    return resultado;
}

}  // namespace

ResultadoVerificacion VerificarPresentacion(const QStringList& archivos)
{
    if (archivos.isEmpty())
        return fallo(QStringLiteral("No se indicó ningún archivo."));
    QList<QByteArray> contenidos;
    for (const QString& ruta : archivos) {
        QFile archivo(ruta);
        if (!archivo.open(QIODevice::ReadOnly))
            return fallo(QStringLiteral("No se puede leer %1: %2.").arg(ruta, archivo.errorString()));
        contenidos.append(archivo.readAll());
    }

    if (contenidos.size() == 1 && !leerCabeceraVolumen(contenidos.first())) {
        const std::optional<QByteArray> contenido = decodificarFileWin(contenidos.first());
        if (!contenido)
            return fallo(archivoDanado());
        return verificarContenido(*contenido);
    }

    QString problema;
    const std::optional<QByteArray> codificado = unirVolumenes(contenidos, problema);
    if (!codificado)
        return fallo(problema);
    const std::optional<QByteArray> contenido = decodificarDkwin(*codificado);
    if (!contenido)
        return fallo(contenidos.size() == 1
                         ? archivoDanado()
                         : QStringLiteral("Los disquetes están dañados: no se pueden decodificar."));
    return verificarContenido(*contenido);
}

}  // namespace veluma
