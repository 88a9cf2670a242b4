// Fields, CUITs, characters and the verification number of the submission records; the encodings of a submission
// (dkwin, for diskettes and CDs; filewin, for the Internet) and the check a taxpayer runs on it before handing it
// in, on files built here by hand: each kind of damage once, with its message.

#include "core/instalacion.h"
#include "filewin.h"
#include "formato_dkwin.h"
#include "generation/codificacion.h"
#include "generation/verificacion_archivo.h"
#include "generation/windows1252.h"
#include "support/archivos.h"
#include "support/ejecucion.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace veluma;
using namespace veluma::test;

namespace {

std::string nombre(const QVariant& valor)
{
    return valor.toString().toStdString() + " (" + (valor.isValid() ? valor.typeName() : "nulo") + ")";
}

TEST(CodificacionCampo, NumerosYTextosConSuAncho)
{
    const struct {
        QVariant valor;
        int largo, decimales;
        QString campo;
        bool enCero = false;  // what is not a positive number is zero, in the variable too
    } casos[] = {
        {1234.5, 15, 2, "000000000123450"}, {7, 6, 0, "000007"}, {qlonglong(20123456786), 15, 0, "000020123456786"},
        // Half away from zero on the decimal, not on the binary value.
        {0.005, 15, 2, "000000000000001"}, {1.005, 6, 2, "000101"}, {0.004, 3, 2, "000"},
        {999999.995, 9, 2, "100000000"},
        // Too large for the width: the whole figure, never cut.
        {1234567, 4, 0, "1234567"}, {123.456, 4, 2, "12346"},
        {"1234.5", 15, 2, "000000000123450"}, {" +.5 ", 3, 1, "005"}, {"1e3", 5, 0, "01000"},
        {-3, 6, 0, "000000", true}, {-0.001, 6, 0, "000000", true}, {"-3", 6, 0, "000000", true},
        {"12abc", 6, 0, "000000", true}, {"1,5", 6, 0, "000000", true}, {"", 6, 0, "000000", true},
        {"1e999", 6, 0, "000000", true}, {QVariant(), 6, 0, "000000", true}, {true, 6, 0, "000000", true},
        // Text fields: left-aligned in `decimales` characters, never cut.
        {"DJ SIN PLAN", 0, 25, "DJ SIN PLAN              "}, {"", 0, 5, "     "}, {QVariant(), 0, 3, "   "},
        {"ABCDEF", 0, 3, "ABCDEF"}, {-3, 0, 4, "-3  "},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(nombre(caso.valor));
        QVariant valor = caso.valor;
        EXPECT_EQ(FormatearCampo(valor, caso.largo, caso.decimales), caso.campo);
        EXPECT_EQ(valor, caso.enCero ? QVariant(0) : caso.valor);
    }
}

// A CUIT that is not valid comes back as it came; the records take the CUIT only through here.
TEST(CodificacionCuit, ConYSinGuionesSoloSiElDigitoVerificadorEsCorrecto)
{
    struct Caso {
        QVariant cuit;
        int conGuiones;
        QString texto;
    };
    QList<Caso> casos{
        {"30-70451826-5", 0, "30704518265"},    {"30-70451826-5", 1, "30-70451826-5"},
        {"30715482033", 1, "30-71548203-3"},    {"30715482033", 0, "30715482033"},
        {" 30715482033 ", -1, "30-71548203-3"}, {"30-69587412-6", 0, "30695874126"},
        {"30708251638", 1, "30-70825163-8"},    {qlonglong(30708251638), 1, "30-70825163-8"},
        {"20123456700", 1, "20-12345670-0"},   // a remainder of 0 gives check digit 0
        {"020123456786", 1, "20-12345678-6"},  // numeric texts are read through their number
        {" 20123456786.0", 1, "20-12345678-6"}, {QVariant(), 1, ""},
    };
    for (const char* malo : {"30715482034", "30-70451826-4", "", "2012345678", "201234567860", "2-012345678-6",
                             "20-1234567a-6", " 30-7154820-33", "30-70451826-5-9", "-20123456786"})
        casos.append({malo, 1, malo});
    // A remainder of 1 would need a check digit of 10: no digit is right.
    for (int digito = 0; digito <= 9; ++digito)
        casos.append({QStringLiteral("2012345676%1").arg(digito), 1, QStringLiteral("2012345676%1").arg(digito)});
    for (const Caso& caso : casos) {
        QVariant cuit = caso.cuit;
        EXPECT_EQ(FormatearCuit(cuit, caso.conGuiones), caso.texto) << nombre(caso.cuit) << " " << caso.conGuiones;
        EXPECT_EQ(cuit, caso.cuit);
    }
}

TEST(CodificacionAuxiliares, RegistrosYCarpetaDeTrabajo)
{
    QString registro = QStringLiteral("A\tB\r\nC") + QChar(1) + QChar(0) + QStringLiteral("ñ~");
    EXPECT_EQ(LimpiarCaracteres(registro), "A B  C  ñ~");
    EXPECT_EQ(registro, "A B  C  ñ~");

    // The folder given (the WINDIR of the old system) or trabajo/, made when missing.
    QTemporaryDir raiz;
    const Version version{1, 0, 0};
    const QString programa = raiz.filePath("veluma");
    const QString anidada = raiz.filePath("windows/temp");
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, "veluma", version, anidada)), anidada + '/');
    EXPECT_TRUE(QFileInfo(anidada).isDir());
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, "veluma", version)), programa + "/trabajo/");
    EXPECT_TRUE(QFileInfo(programa + "/trabajo").isDir());
    // A file in the way: no folder, so no path.
    escribirArchivo(raiz.filePath("ocupado"), "x");
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, "veluma", version, raiz.filePath("ocupado/temp"))), "");

    // One byte per character. A C1 control would otherwise read back as one of the specials; one character outside
    // the basic plane is two QChars and two bytes, so the width of a field does not change.
    EXPECT_EQ(aWindows1252(QStringLiteral("AÑéÿ€漢") + QChar(0x81) + QChar(0x9D) + "a😀b"),
              QByteArray("A\xD1\xE9\xFF\x80???a??b"));
}

// The checksum and its digits are checked through the whole number, worked out field by field.
TEST(CodificacionVerificacion, NumeroDeUnaDeclaracion)
{
    const struct {
        const char* cuit;
        int periodo, secuencia;
        const char* importe;
        const char* hora;
        QString numero;
    } casos[] = {
        // Fields 000030704518265 000000002001050 000000000123450 000000000134759: CRC 34099 (0x8533).
        {"30-70451826-5", 200105, 0, "1234.50", "134759", "734099"},
        {"30704518265", 200105, 0, "1234,50", "134759", "734099"},
        {"30704518265", 200105, 0, "1.234,50", "134759", "734099"},
        // 000030715482033 000000002001052 000000000000001 000000000102530: CRC 65383.
        {"30715482033", 200105, 2, "0.005", "102530", "565383"},
        // 000030695874126 000000002024123 000000098765432 000000000235959: CRC 35293.
        {"30-69587412-6", 202412, 3, "987654.32", "235959", "935293"},
        // A CUIT with dashes that is not valid stays as it is, so it and an amount that is not a number count
        // as zero: 000000000000000 000000002001050 000000000000000 000000000134759.
        {"30-70451826-4", 200105, 0, "abc", "134759", "748783"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(CalcularNVerif(caso.cuit, caso.periodo, caso.secuencia, caso.importe, caso.hora), caso.numero)
            << caso.cuit << " " << caso.importe;
}

// A header record, `detalles` detail records of varied digits, so that they compress but not to nothing, and the
// trailer.
QList<QByteArray> declaracion(int detalles, quint32 semilla = 1)
{
    const auto registro = [](const char* tipo, qsizetype largo, quint64 numero) {
        return QByteArray(tipo) + QByteArray::number(numero).rightJustified(largo - 2, '0', true);
    };
    QList<QByteArray> registros{registro("01", 40, 30704518265)};
    QRandomGenerator generador(semilla);
    for (int i = 0; i < detalles; ++i)
        registros.append(registro("02", 40, generador.generate64()));
    registros.append(registro("99", 20, quint64(detalles) + 2));
    return registros;
}

// The header-plus-records file the encoders read.
QByteArray contenido(const QList<QByteArray>& registros, QByteArray cantidad = {})
{
    if (cantidad.isEmpty())
        cantidad = QByteArray::number(registros.size()).rightJustified(6, '0');
    return "HEAD10 01 01 " + cantidad + '\n' + registros.join('\n') + "\r\n";
}

class VerificacionArchivo : public ::testing::Test {
protected:
    QString escribir(const QString& nombre, const QByteArray& bytes)
    {
        escribirArchivo(carpeta_.filePath(nombre), bytes);
        return carpeta_.filePath(nombre);
    }

    // Each in a file of its own, so that several can be made before they are checked.
    QString cd(const QByteArray& original) { return escribir(siguiente(".dat"), codificarDkwin(original)); }
    QString internet(const QByteArray& original)
    {
        QString salida;
        EXPECT_EQ(filewin(escribir(siguiente(".txt"), original), salida, QString()), 0);
        return salida;
    }
    QString siguiente(const char* extension) { return "F617-" + QString::number(++archivos_) + extension; }

    // The encoded body cut into `partes` volumes, each behind its own header, written as <prefijo>1.dat, ...
    QStringList disquetes(const QByteArray& original, int partes, const QString& prefijo = "Disco")
    {
        const QByteArray cuerpo = codificarDkwin(original).mid(kLargoCabeceraDkwin);
        const qsizetype porParte = (cuerpo.size() + partes - 1) / partes;
        QStringList rutas;
        for (int i = 0; i < partes; ++i) {
            const QByteArray cabecera =
                QString::asprintf("HEAD10 %02d %02d ", i + 1, partes).toLatin1() + original.mid(13, 6) + '\n';
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
            SCOPED_TRACE(caso.caso + (": " + caso.archivos.join(' ')).toStdString());
            const ResultadoVerificacion resultado = VerificarPresentacion(caso.archivos);
            EXPECT_FALSE(resultado.valido);
            EXPECT_EQ(resultado.problema, caso.problema);
        }
    }

    QTemporaryDir carpeta_;
    int archivos_ = 0;
};

// The program and its library: a big file is really compressed, with its header still readable and the mark after
// it, and comes back whole; what it cannot read or decode leaves no output. filewin writes the Base64 of it beside
// its input (what it cannot read goes to its log; that is followed through the destination screen).
TEST_F(VerificacionArchivo, DkwinYFilewinCodificanDecodificanYNoEscribenLoQueNoPueden)
{
    const QByteArray pequeno = contenido(declaracion(300));
    const QString registroDeErrores = carpeta_.filePath("errores.log");
    QString salida = "anterior";
    EXPECT_EQ(filewin(escribir("F6172001.dat", pequeno), salida, registroDeErrores), 0);
    EXPECT_EQ(salida, carpeta_.filePath("F6172001.b64"));
    EXPECT_FALSE(QFileInfo::exists(registroDeErrores));
    // In lines of 76 characters ended by CR LF.
    const QByteArray texto = leerArchivo(salida);
    EXPECT_EQ(QList<qsizetype>({texto.indexOf("\r\n"), texto.indexOf("\r\n", 78), texto.lastIndexOf("\r\n")}),
              QList<qsizetype>({76, 76 + 78, texto.size() - 2}));
    EXPECT_EQ(decodificarDkwin(QByteArray::fromBase64(texto)), std::optional<QByteArray>(pequeno));

    const QString dkwin = VELUMA_PROGRAMA_DIR "/dkwin";
    const QByteArray original = contenido(declaracion(75000));
    const QString entrada = escribir("Genera.tmp", original), codificado = carpeta_.filePath("Genera.dkw");
    ASSERT_EQ(ejecutar(dkwin, {"/E", entrada, codificado}).codigo, 0);
    EXPECT_EQ(leerArchivo(codificado), codificarDkwin(original));
    EXPECT_LT(leerArchivo(codificado).size(), 2 * 1024 * 1024);  // of 3 MB
    ASSERT_EQ(ejecutar(dkwin, {"/d", codificado, carpeta_.filePath("Genera.txt")}).codigo, 0);
    EXPECT_EQ(leerArchivo(carpeta_.filePath("Genera.txt")), original);
    for (const QByteArray& corto : {original, QByteArray(), QByteArray("HEAD10 01 01")}) {
        const qsizetype cabecera = qMin<qsizetype>(corto.size(), 20);
        EXPECT_EQ(codificarDkwin(corto).left(cabecera + 6), corto.left(cabecera) + "VLDK1\n");
        EXPECT_EQ(decodificarDkwin(codificarDkwin(corto)), std::optional<QByteArray>(corto));
    }

    QByteArray danado = leerArchivo(codificado);
    danado[danado.size() / 2] = char(danado[danado.size() / 2] ^ 1);
    const QString nada = carpeta_.filePath("nada.txt");
    for (const QStringList& argumentos : {QStringList{"/D", entrada}, QStringList{"/D", escribir("Danado.dkw", danado)},
                                          QStringList{"/E", carpeta_.filePath("falta.tmp")}}) {
        SCOPED_TRACE(argumentos.join(' ').toStdString());
        EXPECT_GT(ejecutar(dkwin, argumentos + QStringList{nada}).codigo, 0);
        EXPECT_FALSE(QFileInfo::exists(nada));
    }
    // Bytes after the body, and a length the body could never expand to, are no file of ours.
    const QByteArray bien = codificarDkwin(original.left(5000));
    QByteArray largo = bien;
    qToBigEndian<quint32>(0x7FFFFFF0u, largo.data() + largo.indexOf("VLDK1\n") + 6);
    for (const QByteArray& mal : {bien + "x", largo})
        EXPECT_EQ(decodificarDkwin(mal), std::nullopt);
}

TEST_F(VerificacionArchivo, DisquetesQueNoFormanElJuego)
{
    const QByteArray original = contenido(declaracion(2000));
    const QStringList d = disquetes(original, 3);
    ASSERT_GT(leerArchivo(d[2]).size(), 1000);  // every volume carries a real part
    const QStringList par = disquetes(original, 2, "Par");
    const QStringList otra = disquetes(contenido(declaracion(1999)), 3, "Otra");
    const QStringList igual = disquetes(contenido(declaracion(2000, 2)), 3, "Igual");
    const QString sinCabecera = escribir("Suelto.dat", leerArchivo(d[1]).mid(20));
    const QString ninguno = escribir("Cero.dat", "HEAD10 01 00 002002\n" + leerArchivo(d[0]).mid(20));
    esperarProblemas({
        {"desordenados", {d[1], d[0], d[2]}, "El disquete 1 no corresponde: se esperaba el volumen 01 de 03."},
        {"falta el último", {d[0], d[1]}, "Falta el disquete 3: se esperaba el volumen 03 de 03."},
        {"uno de más", {d[0], d[1], d[2], d[2]}, "Sobra el disquete 4: la presentación tiene 3 disquetes."},
        // Same count of records, so only its header tells.
        {"el 2 de un juego de dos", {d[0], par[1], d[2]},
         "El disquete 2 no corresponde: se esperaba el volumen 02 de 03."},
        {"de otra declaración",
         {d[0], otra[1], d[2]},
         "El disquete 2 no corresponde: indica 002001 registros y el disquete 1, 002002."},
        // Same header too: only the content gives it away.
        {"de otra igual", {d[0], igual[1], d[2]}, "Los disquetes están dañados: no se pueden decodificar."},
        {"sin cabecera", {d[0], sinCabecera, d[2]}, "El disquete 2 no tiene una cabecera de volumen válida."},
        {"juego de cero", {ninguno, d[1]}, "El disquete 1 no tiene una cabecera de volumen válida."},
    });
    // The command says it on standard error, with code 1, and 2 when given no file; what it prints for good files
    // is read in the destination screen's tests.
    const QString verificar = VELUMA_PROGRAMA_DIR "/veluma-verificar";
    const Ejecucion mala = ejecutar(verificar, {d[1]});
    EXPECT_EQ(QByteArray::number(mala.codigo) + '|' + mala.salida + '|' + mala.errores,
              "1||El disquete 1 no corresponde: se esperaba el volumen 01 de 03.\n");
    EXPECT_EQ(ejecutar(verificar, {}).codigo, 2);
}

// A byte changed anywhere in the mark, the length, the CRC or the data of a dkwin file, the file cut short or not
// encoded at all, a damaged or foreign Internet file, and no file or one that is not there.
TEST_F(VerificacionArchivo, ArchivosDanadosONoCodificados)
{
    const QString danado = "El archivo está dañado: no se puede decodificar.";
    const QByteArray original = contenido(declaracion(50));
    const QByteArray codificado = codificarDkwin(original);
    QByteArray base64 = leerArchivo(internet(original));
    base64[200] = base64[200] == 'A' ? 'B' : 'A';
    QList<Caso> casos{
        {"cortado", {escribir("Cortado.dat", codificado.chopped(1))}, danado},
        {"sin codificar", {escribir("Plano.dat", original)}, danado},
        {"Internet", {escribir("Danado.b64", base64)}, danado},
        {"texto", {escribir("Texto.b64", "no es una presentación\r\n")}, danado},
        {"vacío", {escribir("Vacio.b64", QByteArray())}, danado},
        {"ninguno", {}, "No se indicó ningún archivo."},
    };
    for (const qsizetype posicion : {qsizetype(22), qsizetype(29), qsizetype(31), qsizetype(40),
                                     codificado.size() / 2, codificado.size() - 1}) {
        QByteArray cambiado = codificado;
        cambiado[posicion] = char(cambiado[posicion] ^ 0x10);
        casos.append({"un byte cambiado", {escribir(siguiente(".dat"), cambiado)}, danado});
    }
    esperarProblemas(casos);

    const QString falta = carpeta_.filePath("falta.dat");
    const ResultadoVerificacion resultado = VerificarPresentacion({falta});
    EXPECT_TRUE(!resultado.valido && resultado.problema.startsWith("No se puede leer " + falta + ": ")) << resultado.problema.toStdString();
}

TEST_F(VerificacionArchivo, RegistrosQueNoSePuedenPresentar)
{
    const QList<QByteArray> siete = declaracion(5);
    ASSERT_EQ(siete.size(), 7);
    const ResultadoVerificacion cantidad = VerificarPresentacion({cd(contenido(siete, "000008"))});
    EXPECT_EQ(cantidad.problema,
              "La cantidad de registros de la cabecera (000008) no coincide con la del archivo (7).");
    // What was decoded comes back all the same.
    EXPECT_EQ(cantidad.cabecera, "HEAD10 01 01 000008");
    EXPECT_EQ(cantidad.registros, QString::fromLatin1(siete.join('\n')).split('\n'));

    const auto cambiado = [&](int indice, const std::function<void(QByteArray&)>& cambio) {
        QList<QByteArray> registros = siete;
        cambio(registros[indice]);
        return contenido(registros);
    };
    QByteArray sinFin = contenido(siete);
    sinFin.chop(2);
    const QString sinCierre = "El último registro no es el de cierre (tipo 99).";
    esperarProblemas({
        // The header of an Internet file travels encoded, so only decoding shows it.
        {"cabecera de Internet",
         {internet("HEAD10 02 01 000007\n" + contenido(siete).mid(20))},
         "La cabecera del archivo no es válida: \"HEAD10 02 01 000007\"."},
        {"un 02 más corto",
         {cd(cambiado(3, [](QByteArray& r) { r.chop(1); }))},
         "Los registros de tipo 02 no tienen todos el mismo largo: el registro 4 tiene 39 caracteres y el registro "
         "2, 40."},
        {"sin cierre", {cd(contenido(siete.mid(0, 6)))}, sinCierre},
        {"sin registros", {cd("HEAD10 01 01 000000\n")}, sinCierre},
        {"vacío", {cd(cambiado(2, [](QByteArray& r) { r.clear(); }))}, "El registro 3 está vacío."},
        {"tabulador", {cd(cambiado(1, [](QByteArray& r) { r[10] = '\t'; }))},
         "El registro 2 tiene caracteres de control."},
        // Every record ended with CR LF leaves a CR on all but the last.
        {"CR LF en todos", {cd("HEAD10 01 01 000002\n01AB\r\n99\r\n")}, "El registro 1 tiene caracteres de control."},
        {"sin CR LF al final", {cd(sinFin + "\n")}, "El último registro no termina con un fin de línea (CR LF)."},
    });
}

}  // namespace
