// The submission encodings and the dkwin program the generation runs.

#include "filewin.h"
#include "formato_dkwin.h"
#include "support/archivos.h"
#include "support/ejecucion.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using veluma::codificarDkwin;
using veluma::decodificarDkwin;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;

const QByteArray kCabecera = "HEAD10 01 01 000003\n";

// Records that compress but not to nothing: digits from a fixed seed.
QByteArray cuerpoGrande(qsizetype largo)
{
    QRandomGenerator generador(617);
    QByteArray cuerpo;
    while (cuerpo.size() < largo)
        cuerpo += "01" + QByteArray::number(generador.generate64()).rightJustified(20, '0') + '\n';
    cuerpo.truncate(largo);
    return cuerpo;
}

TEST(CodificadoresDkwin, IdaYVueltaConLaCabeceraLegible)
{
    const QByteArray grande = kCabecera + cuerpoGrande(3 * 1024 * 1024);
    EXPECT_LT(codificarDkwin(grande).size(), 2 * 1024 * 1024);  // it really is compressed
    for (const QByteArray& original :
         {QByteArray(), QByteArray("HEAD10 01 01"), kCabecera, kCabecera + "01ABC\n99\r\n", grande}) {
        SCOPED_TRACE(original.size());
        const QByteArray codificado = codificarDkwin(original);
        const auto decodificado = decodificarDkwin(codificado);
        ASSERT_TRUE(decodificado);
        EXPECT_EQ(*decodificado, original);
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
    for (const qsizetype posicion :
         {qsizetype(22), qsizetype(29), qsizetype(31), qsizetype(40), codificado.size() / 2, codificado.size() - 1}) {
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
    const QByteArray original = kCabecera + cuerpoGrande(10000) + "\r\n";
    const QString entrada = carpeta.filePath("F6172001.dat");
    escribirArchivo(entrada, original);

    QString salida = "anterior";
    EXPECT_EQ(filewin(entrada, salida, carpeta.filePath("errores.log")), 0);
    EXPECT_EQ(salida, carpeta.filePath("F6172001.b64"));
    EXPECT_FALSE(QFileInfo::exists(carpeta.filePath("errores.log")));

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
    const QString registro = carpeta.filePath("errores.log");
    escribirArchivo(registro, "línea anterior\n");
    const QString entrada = carpeta.filePath("no-existe.dat");

    QString salida = "anterior";
    EXPECT_EQ(filewin(entrada, salida, registro), 1);
    EXPECT_TRUE(salida.isEmpty());
    const QList<QByteArray> lineas = leerArchivo(registro).split('\n');
    ASSERT_EQ(lineas.size(), 3);  // the earlier line, the new one, nothing after the last line feed
    EXPECT_EQ(lineas[0], "línea anterior");
    EXPECT_TRUE(lineas[1].contains(entrada.toUtf8())) << lineas[1].constData();
    EXPECT_EQ(lineas[2], "");

    // Without a log file it only answers.
    EXPECT_EQ(filewin(entrada, salida, QString()), 1);
    EXPECT_EQ(veluma::test::archivosEn(carpeta.path()), QStringList{"errores.log"});
}

TEST(CodificadoresPrograma, CodificaDecodificaYNoEscribeLoQueNoPuede)
{
    const QString dkwin = VELUMA_PROGRAMA_DIR "/dkwin";
    QTemporaryDir carpeta;
    const QByteArray original = kCabecera + cuerpoGrande(50000) + "\r\n";
    const QString entrada = carpeta.filePath("Genera.tmp");
    const QString codificado = carpeta.filePath("Genera.dkw");
    escribirArchivo(entrada, original);

    ASSERT_EQ(veluma::test::ejecutar(dkwin, {"/E", entrada, codificado}).codigo, 0);
    EXPECT_EQ(leerArchivo(codificado), codificarDkwin(original));
    ASSERT_EQ(veluma::test::ejecutar(dkwin, {"/d", codificado, carpeta.filePath("Genera.txt")}).codigo, 0);
    EXPECT_EQ(leerArchivo(carpeta.filePath("Genera.txt")), original);

    QByteArray danado = leerArchivo(codificado);
    danado[danado.size() / 2] = char(danado[danado.size() / 2] ^ 1);
    escribirArchivo(carpeta.filePath("Danado.dkw"), danado);
    const QString nada = carpeta.filePath("nada.txt");
    for (const QStringList& argumentos : {QStringList{"/D", entrada}, QStringList{"/D", carpeta.filePath("Danado.dkw")},
                                          QStringList{"/E", carpeta.filePath("falta.tmp")}}) {
        SCOPED_TRACE(argumentos.join(' ').toStdString());
        EXPECT_GT(veluma::test::ejecutar(dkwin, argumentos + QStringList{nada}).codigo, 0);
        EXPECT_FALSE(QFileInfo::exists(nada));
    }
}

}  // namespace
