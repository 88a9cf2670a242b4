// The check a taxpayer runs on a submission before handing it in, on
// diskette sets, CD files and Internet files built here by hand.

#include "filewin.h"
#include "formato_dkwin.h"
#include "generation/verificacion_archivo.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/archivos.h"

namespace {

using veluma::ResultadoVerificacion;
using veluma::VerificarPresentacion;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;

QByteArray registro(const char* tipo, qsizetype largo, quint64 numero)
{
    return QByteArray(tipo) + QByteArray::number(numero).rightJustified(largo - 2, '0', true);
}

// A header record, `detalles` detail records of varied digits and the trailer.
QList<QByteArray> declaracion(int detalles, quint32 semilla = 1)
{
    QList<QByteArray> registros{registro("01", 40, 30704518265)};
    QRandomGenerator generador(semilla);
    for (int i = 0; i < detalles; ++i)
        registros.append(registro("02", 40, generador.generate64()));
    registros.append(registro("99", 20, quint64(detalles) + 2));
    return registros;
}

QByteArray seisDigitos(qsizetype numero) { return QByteArray::number(numero).rightJustified(6, '0'); }

// The header-plus-records file the encoder reads.
QByteArray contenido(const QList<QByteArray>& registros, const QByteArray& cantidad = {})
{
    return "HEAD10 01 01 " + (cantidad.isEmpty() ? seisDigitos(registros.size()) : cantidad) + '\n'
        + registros.join('\n') + "\r\n";
}

QStringList textos(const QList<QByteArray>& registros)
{
    QStringList lista;
    for (const QByteArray& r : registros)
        lista.append(QString::fromLatin1(r));
    return lista;
}

class VerificacionArchivo : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(carpeta_.isValid()); }

    QString escribir(const QString& nombre, const QByteArray& bytes)
    {
        const QString ruta = carpeta_.filePath(nombre);
        escribirArchivo(ruta, bytes);
        return ruta;
    }

    QString cd(const QByteArray& original)
    {
        return escribir(QStringLiteral("F617.dat"), veluma::codificarDkwin(original));
    }

    QString internet(const QByteArray& original)
    {
        QString salida;
        EXPECT_EQ(filewin(escribir(QStringLiteral("F617.txt"), original), salida, QString()), 0);
        return salida;
    }

    // The encoded body cut into `partes` volumes, each behind its own header,
    // written as <prefijo>1.dat, <prefijo>2.dat, ...
    QStringList disquetes(const QByteArray& original, int partes, const QString& prefijo = QStringLiteral("Disco"))
    {
        const QByteArray cuerpo = veluma::codificarDkwin(original).mid(veluma::kLargoCabeceraDkwin);
        const QByteArray registros = original.mid(13, 6);
        const qsizetype porParte = (cuerpo.size() + partes - 1) / partes;
        QStringList rutas;
        for (int i = 0; i < partes; ++i) {
            const QByteArray cabecera = "HEAD10 " + QByteArray::number(i + 1).rightJustified(2, '0') + ' '
                + QByteArray::number(partes).rightJustified(2, '0') + ' ' + registros + '\n';
            rutas.append(escribir(prefijo + QString::number(i + 1) + QStringLiteral(".dat"),
                                  cabecera + cuerpo.mid(i * porParte, porParte)));
        }
        return rutas;
    }

    QTemporaryDir carpeta_;
};

void esperarValido(const ResultadoVerificacion& resultado, const QList<QByteArray>& registros)
{
    EXPECT_TRUE(resultado.valido) << resultado.problema.toStdString();
    EXPECT_EQ(resultado.problema, "");
    EXPECT_EQ(resultado.cabecera, QStringLiteral("HEAD10 01 01 ") + QString::fromLatin1(seisDigitos(registros.size())));
    EXPECT_EQ(resultado.registros, textos(registros));
}

void esperarProblema(const ResultadoVerificacion& resultado, const QString& problema)
{
    EXPECT_FALSE(resultado.valido);
    EXPECT_EQ(resultado.problema, problema);
}

// ---- Good files --------------------------------------------------------------

TEST_F(VerificacionArchivo, CadaFormaDePresentacion)
{
    const QList<QByteArray> registros = declaracion(2000);
    const QByteArray original = contenido(registros);

    esperarValido(VerificarPresentacion({cd(original)}), registros);
    esperarValido(VerificarPresentacion({internet(original)}), registros);
    const QStringList tres = disquetes(original, 3);
    ASSERT_GT(leerArchivo(tres[2]).size(), 1000);  // every volume carries a real part
    esperarValido(VerificarPresentacion(tres), registros);
    esperarValido(VerificarPresentacion(disquetes(original, 2, QStringLiteral("Par"))), registros);
}

// ---- Diskette sets ------------------------------------------------------------

TEST_F(VerificacionArchivo, DisquetesQueNoFormanElJuego)
{
    const QByteArray original = contenido(declaracion(2000));
    const QStringList d = disquetes(original, 3);

    esperarProblema(VerificarPresentacion({d[1], d[0], d[2]}),
                    QStringLiteral("El disquete 1 no corresponde: se esperaba el volumen 01 de 03."));
    esperarProblema(VerificarPresentacion({d[0], d[2], d[1]}),
                    QStringLiteral("El disquete 2 no corresponde: se esperaba el volumen 02 de 03."));
    esperarProblema(VerificarPresentacion({d[0], d[1]}),
                    QStringLiteral("Falta el disquete 3: se esperaba el volumen 03 de 03."));
    esperarProblema(VerificarPresentacion({d[0]}),
                    QStringLiteral("Falta el disquete 2: se esperaba el volumen 02 de 03."));
    esperarProblema(VerificarPresentacion({d[0], d[1], d[2], d[2]}),
                    QStringLiteral("Sobra el disquete 4: la presentación tiene 3 disquetes."));

    // Volume 2 of a set of two: same count, so only its header tells.
    const QStringList par = disquetes(original, 2, QStringLiteral("Par"));
    esperarProblema(VerificarPresentacion({d[0], par[1], d[2]}),
                    QStringLiteral("El disquete 2 no corresponde: se esperaba el volumen 02 de 03."));

    // Another declaration's diskette: its header says a different count…
    const QStringList otra = disquetes(contenido(declaracion(1999)), 3, QStringLiteral("Otra"));
    esperarProblema(VerificarPresentacion({d[0], otra[1], d[2]}),
                    QStringLiteral("El disquete 2 no corresponde: indica 002001 registros y el disquete 1, 002002."));
    // …or the same one, and only the content gives it away.
    const QStringList igual = disquetes(contenido(declaracion(2000, 2)), 3, QStringLiteral("Igual"));
    esperarProblema(VerificarPresentacion({d[0], igual[1], d[2]}),
                    QStringLiteral("Los disquetes están dañados: no se pueden decodificar."));

    const QString sinCabecera = escribir(QStringLiteral("Suelto.dat"), leerArchivo(d[1]).mid(20));
    esperarProblema(VerificarPresentacion({d[0], sinCabecera, d[2]}),
                    QStringLiteral("El disquete 2 no tiene una cabecera de volumen válida."));
    const QString ninguno = escribir(QStringLiteral("Cero.dat"), "HEAD10 01 00 002002\n" + leerArchivo(d[0]).mid(20));
    esperarProblema(VerificarPresentacion({ninguno, d[1]}),
                    QStringLiteral("El disquete 1 no tiene una cabecera de volumen válida."));
}

// ---- Damaged files -------------------------------------------------------------

TEST_F(VerificacionArchivo, ArchivosDanados)
{
    const QString danado = QStringLiteral("El archivo está dañado: no se puede decodificar.");
    const QByteArray original = contenido(declaracion(50));

    QByteArray codificado = veluma::codificarDkwin(original);
    codificado[codificado.size() / 2] = char(codificado[codificado.size() / 2] ^ 0x01);
    esperarProblema(VerificarPresentacion({escribir(QStringLiteral("CD.dat"), codificado)}), danado);

    QByteArray base64 = leerArchivo(internet(original));
    base64[200] = base64[200] == 'A' ? 'B' : 'A';
    esperarProblema(VerificarPresentacion({escribir(QStringLiteral("Danado.b64"), base64)}), danado);

    // Not encoded at all, in either form.
    esperarProblema(VerificarPresentacion({escribir(QStringLiteral("Plano.dat"), original)}), danado);
    esperarProblema(VerificarPresentacion({escribir(QStringLiteral("Texto.b64"), "no es una presentación\r\n")}),
                    danado);
    esperarProblema(VerificarPresentacion({escribir(QStringLiteral("Vacio.b64"), QByteArray())}), danado);
}

// ---- Records ------------------------------------------------------------------

TEST_F(VerificacionArchivo, RegistrosQueNoSePuedenPresentar)
{
    const QList<QByteArray> siete = declaracion(5);
    ASSERT_EQ(siete.size(), 7);
    const ResultadoVerificacion cantidad = VerificarPresentacion({cd(contenido(siete, "000008"))});
    esperarProblema(cantidad, QStringLiteral("La cantidad de registros de la cabecera (000008) no coincide con la "
                                             "del archivo (7)."));
    // What was decoded comes back all the same.
    EXPECT_EQ(cantidad.cabecera, "HEAD10 01 01 000008");
    EXPECT_EQ(cantidad.registros, textos(siete));

    QList<QByteArray> largos = siete;
    largos[3].chop(1);
    esperarProblema(VerificarPresentacion({cd(contenido(largos))}),
                    QStringLiteral("Los registros de tipo 02 no tienen todos el mismo largo: el registro 4 tiene 39 "
                                   "caracteres y el registro 2, 40."));

    esperarProblema(VerificarPresentacion({cd(contenido(siete.mid(0, 6)))}),
                    QStringLiteral("El último registro no es el de cierre (tipo 99)."));
    esperarProblema(VerificarPresentacion({cd("HEAD10 01 01 000000\n")}),
                    QStringLiteral("El último registro no es el de cierre (tipo 99)."));

    QList<QByteArray> vacio = siete;
    vacio[2].clear();
    esperarProblema(VerificarPresentacion({cd(contenido(vacio))}), QStringLiteral("El registro 3 está vacío."));

    QList<QByteArray> control = siete;
    control[1][10] = '\t';
    esperarProblema(VerificarPresentacion({cd(contenido(control))}),
                    QStringLiteral("El registro 2 tiene caracteres de control."));
    // Every record ended with CR LF leaves a CR on all but the last.
    esperarProblema(VerificarPresentacion({cd("HEAD10 01 01 000002\n01AB\r\n99\r\n")}),
                    QStringLiteral("El registro 1 tiene caracteres de control."));

    QByteArray sinFin = contenido(siete);
    sinFin.chop(2);
    esperarProblema(VerificarPresentacion({cd(sinFin + "\n")}),
                    QStringLiteral("El último registro no termina con un fin de línea (CR LF)."));

    // The header of an Internet file travels encoded, so only decoding shows it.
    const QByteArray otraCabecera = "HEAD10 02 01 000007\n" + contenido(siete).mid(20);
    const ResultadoVerificacion cabecera = VerificarPresentacion({internet(otraCabecera)});
    esperarProblema(cabecera, QStringLiteral("La cabecera del archivo no es válida: \"HEAD10 02 01 000007\"."));
    EXPECT_EQ(cabecera.cabecera, "HEAD10 02 01 000007");
}

TEST_F(VerificacionArchivo, SinArchivosQueLeer)
{
    esperarProblema(VerificarPresentacion({}), QStringLiteral("No se indicó ningún archivo."));
    const QString falta = carpeta_.filePath(QStringLiteral("falta.dat"));
    const ResultadoVerificacion resultado = VerificarPresentacion({falta});
    EXPECT_FALSE(resultado.valido);
    EXPECT_TRUE(resultado.problema.startsWith(QStringLiteral("No se puede leer ") + falta + QStringLiteral(": ")))
        << resultado.problema.toStdString();
}

// ---- The command ------------------------------------------------------------------

struct Salida {
    int codigo = -1;
    QByteArray normal;
    QByteArray errores;
};

Salida verificar(const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(QStringLiteral(VELUMA_PROGRAMA_DIR "/veluma-verificar"), argumentos);
    Salida salida;
    if (proceso.waitForFinished(60000) && proceso.exitStatus() == QProcess::NormalExit)
        salida.codigo = proceso.exitCode();
    salida.normal = proceso.readAllStandardOutput();
    salida.errores = proceso.readAllStandardError();
    return salida;
}

TEST_F(VerificacionArchivo, ComandoVerificar)
{
    const QByteArray original = contenido(declaracion(2));
    const Salida buena = verificar({cd(original)});
    EXPECT_EQ(buena.codigo, 0);
    EXPECT_EQ(buena.normal, "Archivo válido: 4 registros.\nHEAD10 01 01 000004\n");
    EXPECT_EQ(buena.errores, "");

    const Salida mala = verificar(disquetes(original, 2).mid(1));
    EXPECT_EQ(mala.codigo, 1);
    EXPECT_EQ(mala.normal, "");
    EXPECT_EQ(mala.errores, "El disquete 1 no corresponde: se esperaba el volumen 01 de 02.\n");

    EXPECT_EQ(verificar({}).codigo, 2);
}

}  // namespace
