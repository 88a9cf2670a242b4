// The check a taxpayer runs on a submission before handing it in, on
// diskette sets, CD files and Internet files built here by hand.

#include "filewin.h"
#include "formato_dkwin.h"
#include "generation/verificacion_archivo.h"
#include "support/archivos.h"
#include "support/ejecucion.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using veluma::ResultadoVerificacion;
using veluma::VerificarPresentacion;
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
    QString escribir(const QString& nombre, const QByteArray& bytes)
    {
        veluma::test::escribirArchivo(carpeta_.filePath(nombre), bytes);
        return carpeta_.filePath(nombre);
    }

    // Each in a file of its own, so that several can be made before they are checked.
    QString cd(const QByteArray& original) { return escribir(siguiente(".dat"), veluma::codificarDkwin(original)); }
    QString internet(const QByteArray& original)
    {
        QString salida;
        EXPECT_EQ(filewin(escribir(siguiente(".txt"), original), salida, QString()), 0);
        return salida;
    }
    QString siguiente(const char* extension) { return "F617-" + QString::number(++archivos_) + extension; }

    // The encoded body cut into `partes` volumes, each behind its own header,
    // written as <prefijo>1.dat, <prefijo>2.dat, ...
    QStringList disquetes(const QByteArray& original, int partes, const QString& prefijo = "Disco")
    {
        const QByteArray cuerpo = veluma::codificarDkwin(original).mid(veluma::kLargoCabeceraDkwin);
        const QByteArray registros = original.mid(13, 6);
        const qsizetype porParte = (cuerpo.size() + partes - 1) / partes;
        QStringList rutas;
        for (int i = 0; i < partes; ++i) {
            const QByteArray cabecera = "HEAD10 " + QByteArray::number(i + 1).rightJustified(2, '0') + ' '
                                        + QByteArray::number(partes).rightJustified(2, '0') + ' ' + registros + '\n';
            rutas.append(
                escribir(prefijo + QString::number(i + 1) + ".dat", cabecera + cuerpo.mid(i * porParte, porParte)));
        }
        return rutas;
    }

    // Each set of files with the problem the check must find in it.
    struct Caso {
        const char* caso;
        QStringList archivos;
        QString problema;
    };
    static void esperarProblemas(const QList<Caso>& casos)
    {
        for (const Caso& caso : casos) {
            SCOPED_TRACE(caso.caso);
            const ResultadoVerificacion resultado = VerificarPresentacion(caso.archivos);
            EXPECT_FALSE(resultado.valido);
            EXPECT_EQ(resultado.problema, caso.problema);
        }
    }

    QTemporaryDir carpeta_;
    int archivos_ = 0;
};

TEST_F(VerificacionArchivo, CadaFormaDePresentacion)
{
    const QList<QByteArray> registros = declaracion(2000);
    const QByteArray original = contenido(registros);
    const QStringList tres = disquetes(original, 3);
    ASSERT_GT(leerArchivo(tres[2]).size(), 1000);  // every volume carries a real part
    for (const QStringList& archivos :
         {QStringList{cd(original)}, QStringList{internet(original)}, tres, disquetes(original, 2, "Par")}) {
        SCOPED_TRACE(archivos.join(' ').toStdString());
        const ResultadoVerificacion resultado = VerificarPresentacion(archivos);
        EXPECT_TRUE(resultado.valido);
        EXPECT_EQ(resultado.problema, "");
        EXPECT_EQ(resultado.cabecera, "HEAD10 01 01 002002");
        EXPECT_EQ(resultado.registros, textos(registros));
    }
}

TEST_F(VerificacionArchivo, DisquetesQueNoFormanElJuego)
{
    const QByteArray original = contenido(declaracion(2000));
    const QStringList d = disquetes(original, 3);
    const QStringList par = disquetes(original, 2, "Par");
    const QStringList otra = disquetes(contenido(declaracion(1999)), 3, "Otra");
    const QStringList igual = disquetes(contenido(declaracion(2000, 2)), 3, "Igual");
    const QString sinCabecera = escribir("Suelto.dat", leerArchivo(d[1]).mid(20));
    const QString ninguno = escribir("Cero.dat", "HEAD10 01 00 002002\n" + leerArchivo(d[0]).mid(20));
    esperarProblemas({
        {"desordenados", {d[1], d[0], d[2]}, "El disquete 1 no corresponde: se esperaba el volumen 01 de 03."},
        {"el segundo al final", {d[0], d[2], d[1]}, "El disquete 2 no corresponde: se esperaba el volumen 02 de 03."},
        {"falta el último", {d[0], d[1]}, "Falta el disquete 3: se esperaba el volumen 03 de 03."},
        {"solo el primero", {d[0]}, "Falta el disquete 2: se esperaba el volumen 02 de 03."},
        {"uno de más", {d[0], d[1], d[2], d[2]}, "Sobra el disquete 4: la presentación tiene 3 disquetes."},
        // Same count of records, so only its header tells.
        {"el 2 de un juego de dos",
         {d[0], par[1], d[2]},
         "El disquete 2 no corresponde: se esperaba el volumen 02 de 03."},
        {"de otra declaración",
         {d[0], otra[1], d[2]},
         "El disquete 2 no corresponde: indica 002001 registros y el disquete 1, 002002."},
        // Same header too: only the content gives it away.
        {"de otra igual", {d[0], igual[1], d[2]}, "Los disquetes están dañados: no se pueden decodificar."},
        {"sin cabecera", {d[0], sinCabecera, d[2]}, "El disquete 2 no tiene una cabecera de volumen válida."},
        {"juego de cero", {ninguno, d[1]}, "El disquete 1 no tiene una cabecera de volumen válida."},
    });
}

TEST_F(VerificacionArchivo, ArchivosDanadosONoCodificados)
{
    const QString danado = "El archivo está dañado: no se puede decodificar.";
    const QByteArray original = contenido(declaracion(50));
    QByteArray codificado = veluma::codificarDkwin(original);
    codificado[codificado.size() / 2] = char(codificado[codificado.size() / 2] ^ 0x01);
    QByteArray base64 = leerArchivo(internet(original));
    base64[200] = base64[200] == 'A' ? 'B' : 'A';
    esperarProblemas({
        {"CD", {escribir("CD.dat", codificado)}, danado},
        {"Internet", {escribir("Danado.b64", base64)}, danado},
        {"CD sin codificar", {escribir("Plano.dat", original)}, danado},
        {"texto", {escribir("Texto.b64", "no es una presentación\r\n")}, danado},
        {"vacío", {escribir("Vacio.b64", QByteArray())}, danado},
    });
}

TEST_F(VerificacionArchivo, RegistrosQueNoSePuedenPresentar)
{
    const QList<QByteArray> siete = declaracion(5);
    ASSERT_EQ(siete.size(), 7);
    const ResultadoVerificacion cantidad = VerificarPresentacion({cd(contenido(siete, "000008"))});
    EXPECT_FALSE(cantidad.valido);
    EXPECT_EQ(cantidad.problema,
              "La cantidad de registros de la cabecera (000008) no coincide con la del archivo (7).");
    // What was decoded comes back all the same.
    EXPECT_EQ(cantidad.cabecera, "HEAD10 01 01 000008");
    EXPECT_EQ(cantidad.registros, textos(siete));

    // The header of an Internet file travels encoded, so only decoding shows it.
    const ResultadoVerificacion cabecera =
        VerificarPresentacion({internet("HEAD10 02 01 000007\n" + contenido(siete).mid(20))});
    EXPECT_FALSE(cabecera.valido);
    EXPECT_EQ(cabecera.problema, "La cabecera del archivo no es válida: \"HEAD10 02 01 000007\".");
    EXPECT_EQ(cabecera.cabecera, "HEAD10 02 01 000007");

    const auto cambiado = [&](int indice, const std::function<void(QByteArray&)>& cambio) {
        QList<QByteArray> registros = siete;
        cambio(registros[indice]);
        return contenido(registros);
    };
    QByteArray sinFin = contenido(siete);
    sinFin.chop(2);
    const QString sinCierre = "El último registro no es el de cierre (tipo 99).";
    esperarProblemas({
        {"un 02 más corto",
         {cd(cambiado(3, [](QByteArray& r) { r.chop(1); }))},
         "Los registros de tipo 02 no tienen todos el mismo largo: el registro 4 tiene 39 caracteres y el registro "
         "2, 40."},
        {"sin cierre", {cd(contenido(siete.mid(0, 6)))}, sinCierre},
        {"sin registros", {cd("HEAD10 01 01 000000\n")}, sinCierre},
        {"vacío", {cd(cambiado(2, [](QByteArray& r) { r.clear(); }))}, "El registro 3 está vacío."},
        {"tabulador",
         {cd(cambiado(1, [](QByteArray& r) { r[10] = '\t'; }))},
         "El registro 2 tiene caracteres de control."},
        // Every record ended with CR LF leaves a CR on all but the last.
        {"CR LF en todos", {cd("HEAD10 01 01 000002\n01AB\r\n99\r\n")}, "El registro 1 tiene caracteres de control."},
        {"sin CR LF al final", {cd(sinFin + "\n")}, "El último registro no termina con un fin de línea (CR LF)."},
    });
}

TEST_F(VerificacionArchivo, SinArchivosQueLeer)
{
    EXPECT_EQ(VerificarPresentacion({}).problema, "No se indicó ningún archivo.");
    const QString falta = carpeta_.filePath("falta.dat");
    const ResultadoVerificacion resultado = VerificarPresentacion({falta});
    EXPECT_FALSE(resultado.valido);
    EXPECT_TRUE(resultado.problema.startsWith("No se puede leer " + falta + ": ")) << resultado.problema.toStdString();
}

TEST_F(VerificacionArchivo, ComandoVerificar)
{
    const QString verificar = VELUMA_PROGRAMA_DIR "/veluma-verificar";
    const QByteArray original = contenido(declaracion(2));
    const veluma::test::Ejecucion buena = veluma::test::ejecutar(verificar, {cd(original)});
    EXPECT_EQ(buena.codigo, 0);
    EXPECT_EQ(buena.salida, "Archivo válido: 4 registros.\nHEAD10 01 01 000004\n");
    EXPECT_EQ(buena.errores, "");

    const veluma::test::Ejecucion mala = veluma::test::ejecutar(verificar, disquetes(original, 2).mid(1));
    EXPECT_EQ(mala.codigo, 1);
    EXPECT_EQ(mala.salida, "");
    EXPECT_EQ(mala.errores, "El disquete 1 no corresponde: se esperaba el volumen 01 de 02.\n");

    EXPECT_EQ(veluma::test::ejecutar(verificar, {}).codigo, 2);
}

}  // namespace
