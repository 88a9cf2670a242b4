// The submission encodings and the dkwin program the generation runs.

#include "filewin.h"
#include "formato_dkwin.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/archivos.h"

namespace {

using veluma::codificarDkwin;
using veluma::decodificarDkwin;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;

const QByteArray kCabecera = QByteArrayLiteral("HEAD10 01 01 000003\n");

// Records that compress but not to nothing: digits from a fixed seed.
QByteArray cuerpoGrande(qsizetype largo)
{
    QRandomGenerator generador(617);
    QByteArray cuerpo;
    cuerpo.reserve(largo);
    while (cuerpo.size() < largo)
        cuerpo += "01" + QByteArray::number(generador.generate64()).rightJustified(20, '0') + '\n';
    cuerpo.truncate(largo);
    return cuerpo;
}

int ejecutar(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(60000) || proceso.exitStatus() != QProcess::NormalExit)
        return -1;
    return proceso.exitCode();
}

QString dkwin() { return QStringLiteral(VELUMA_PROGRAMA_DIR "/dkwin"); }

TEST(CodificadoresDkwin, IdaYVuelta)
{
    const QByteArray grande = kCabecera + cuerpoGrande(3 * 1024 * 1024);
    const QByteArray originales[] = {QByteArray(), QByteArrayLiteral("HEAD10 01 01"), kCabecera,
                                     kCabecera + "01ABC\n99\r\n", grande};
    for (const QByteArray& original : originales) {
        const QByteArray codificado = codificarDkwin(original);
        if (original == grande) {
            EXPECT_LT(codificado.size(), 2 * 1024 * 1024);  // it really was compressed
        }
        const auto decodificado = decodificarDkwin(codificado);
        ASSERT_TRUE(decodificado) << original.size();
        EXPECT_EQ(*decodificado, original) << original.size();
        // The header stays readable, the mark follows it.
        const qsizetype cabecera = qMin<qsizetype>(original.size(), 20);
        EXPECT_EQ(codificado.left(cabecera), original.left(cabecera));
        EXPECT_EQ(codificado.mid(cabecera, 6), "VLDK1\n");
    }
}

TEST(CodificadoresDkwin, UnByteCambiadoSeDetecta)
{
    const QByteArray codificado = codificarDkwin(kCabecera + cuerpoGrande(5000));
    // Mark, length, CRC and compressed data.
    for (const qsizetype posicion : {qsizetype(22), qsizetype(29), qsizetype(31), qsizetype(40),
                                     codificado.size() / 2, codificado.size() - 1}) {
        QByteArray danado = codificado;
        danado[posicion] = char(danado[posicion] ^ 0x10);
        EXPECT_FALSE(decodificarDkwin(danado)) << posicion;
    }
    EXPECT_FALSE(decodificarDkwin(codificado.left(codificado.size() - 1)));
    EXPECT_FALSE(decodificarDkwin(kCabecera + cuerpoGrande(100)));
}

TEST(CodificadoresFilewin, EscribeElB64JuntoALaEntrada)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    const QByteArray original = kCabecera + cuerpoGrande(10000) + "\r\n";
    const QString entrada = carpeta.filePath(QStringLiteral("F6172001.dat"));
    escribirArchivo(entrada, original);

    QString salida = QStringLiteral("anterior");
    EXPECT_EQ(filewin(entrada, salida, carpeta.filePath(QStringLiteral("errores.log"))), 0);
    EXPECT_EQ(salida, carpeta.filePath(QStringLiteral("F6172001.b64")));
    EXPECT_FALSE(QFileInfo::exists(carpeta.filePath(QStringLiteral("errores.log"))));

    // Lines of 76 characters and CR LF.
    const QByteArray texto = leerArchivo(salida);
    EXPECT_EQ(texto.indexOf("\r\n"), 76);
    EXPECT_EQ(texto.indexOf("\r\n", 78), 76 + 78);
    EXPECT_TRUE(texto.endsWith("\r\n"));
    EXPECT_EQ(decodificarFileWin(texto), original);
    EXPECT_EQ(decodificarDkwin(QByteArray::fromBase64(texto)), original);

    QByteArray danado = texto;
    danado[100] = danado[100] == 'A' ? 'B' : 'A';
    EXPECT_FALSE(decodificarFileWin(danado));
    EXPECT_FALSE(decodificarFileWin("esto no es base64 ***"));
}

TEST(CodificadoresFilewin, EntradaIlegibleSeAnotaEnElRegistro)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    const QString registro = carpeta.filePath(QStringLiteral("errores.log"));
    escribirArchivo(registro, "línea anterior\n");
    const QString entrada = carpeta.filePath(QStringLiteral("no-existe.dat"));

    QString salida = QStringLiteral("anterior");
    EXPECT_EQ(filewin(entrada, salida, registro), 1);
    EXPECT_TRUE(salida.isEmpty());
    const QList<QByteArray> lineas = leerArchivo(registro).split('\n');
    ASSERT_EQ(lineas.size(), 3);  // the earlier line, the new one, nothing after the last line feed
    EXPECT_EQ(lineas[0], "línea anterior");
    EXPECT_TRUE(lineas[1].contains(entrada.toUtf8())) << lineas[1].constData();
    EXPECT_EQ(lineas[2], "");

    // Without a log file it only answers.
    EXPECT_EQ(filewin(entrada, salida, QString()), 1);
    EXPECT_EQ(veluma::test::archivosEn(carpeta.path()), QStringList{QStringLiteral("errores.log")});
}

TEST(CodificadoresPrograma, CodificaYDecodifica)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    const QByteArray original = kCabecera + cuerpoGrande(50000) + "\r\n";
    const QString entrada = carpeta.filePath(QStringLiteral("Genera.tmp"));
    const QString codificado = carpeta.filePath(QStringLiteral("Genera.dkw"));
    const QString vuelta = carpeta.filePath(QStringLiteral("Genera.txt"));
    escribirArchivo(entrada, original);

    ASSERT_EQ(ejecutar(dkwin(), {QStringLiteral("/E"), entrada, codificado}), 0);
    EXPECT_EQ(leerArchivo(codificado), codificarDkwin(original));
    ASSERT_EQ(ejecutar(dkwin(), {QStringLiteral("/d"), codificado, vuelta}), 0);
    EXPECT_EQ(leerArchivo(vuelta), original);

    // Decoding what is not encoded, or is damaged, writes nothing.
    const QString nada = carpeta.filePath(QStringLiteral("nada.txt"));
    EXPECT_NE(ejecutar(dkwin(), {QStringLiteral("/D"), entrada, nada}), 0);
    EXPECT_FALSE(QFileInfo::exists(nada));
    QByteArray danado = leerArchivo(codificado);
    danado[danado.size() / 2] = char(danado[danado.size() / 2] ^ 1);
    escribirArchivo(codificado, danado);
    EXPECT_NE(ejecutar(dkwin(), {QStringLiteral("/D"), codificado, nada}), 0);
    EXPECT_FALSE(QFileInfo::exists(nada));
    EXPECT_NE(ejecutar(dkwin(), {QStringLiteral("/E"), carpeta.filePath(QStringLiteral("falta.tmp")), nada}), 0);
    EXPECT_FALSE(QFileInfo::exists(nada));
}

}  // namespace
