#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/reloj.h"
#include "core/respaldos.h"
#include "pantallas/iconos.h"
#include "shell/ayuda_contextual.h"
#include "shell/calculadora.h"
#include "shell/cierre_sesion.h"
#include "shell/frm_acerca.h"
#include "shell/frm_configuracion_backup.h"
#include "shell/visor_ayuda.h"
#include "support/archivos.h"
#include "support/controles.h"
#include "support/modal.h"
#include "support/sesion_de_prueba.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::escribirArchivo;
using veluma::test::hijo;
using veluma::test::leerArchivo;

namespace {

const QDate kHoy(2026, 12, 6);

// Fixes the program's clock for one test.
struct RelojFijo {
    explicit RelojFijo(const QDateTime& momento)
    {
        fijarReloj([momento] { return momento; });
    }
    ~RelojFijo() { fijarReloj({}); }
};

TEST(Iconos, CadaClaveDaSuPropiaImagenVisible)
{
    QImage transparente(16, 16, QImage::Format_ARGB32_Premultiplied);
    transparente.fill(Qt::transparent);
    QList<QImage> vistas;
    for (const QString& clave : clavesIconos()) {
        SCOPED_TRACE(clave.toStdString());
        const QImage imagen = imagenIcono(clave).pixmap(16, 16).toImage().convertToFormat(transparente.format());
        EXPECT_TRUE(imagen != transparente);
        EXPECT_FALSE(vistas.contains(imagen));
        vistas += imagen;
    }
    EXPECT_TRUE(imagenIcono("papelera").isNull());
}

TEST(Calculadora, AbreLaPrimeraDelPathOAvisaQueNoHay)
{
    veluma::test::MensajesGrabados mensajes;
    EXPECT_FALSE(abrirCalculadora(mensajes, {"calculadora-que-no-existe"}));
    EXPECT_EQ(mensajes.mensajes, QStringList{"Error: La calculadora de Windows no está disponible."});

    mensajes.mensajes.clear();
    QTemporaryDir carpeta;
    for (const QString nombre : {"calc-de-prueba", "otra-calc"}) {
        const QString ruta = carpeta.filePath(nombre);
        escribirArchivo(ruta, "#!/bin/sh\ntouch \"" + QFile::encodeName(ruta) + ".corrio\"\n");
        QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(carpeta.path()) + ':' + path);
    const bool abierta = abrirCalculadora(mensajes, {"calculadora-que-no-existe", "calc-de-prueba", "otra-calc"});
    qputenv("PATH", path);

    EXPECT_TRUE(abierta);
    EXPECT_TRUE(mensajes.mensajes.isEmpty());
    const QDeadlineTimer limite(10000);
    while (!QFile::exists(carpeta.filePath("calc-de-prueba.corrio")) && !limite.hasExpired())
        QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(carpeta.filePath("calc-de-prueba.corrio")));
    EXPECT_FALSE(QFile::exists(carpeta.filePath("otra-calc.corrio")));
}

// An installation whose working database is a file of known bytes; the copies go to <tmp>/copias.
class Respaldos : public ::testing::Test {
protected:
    void SetUp() override { escribirBase(); }

    void escribirBase()
    {
        QByteArray bytes(5 * 1024 * 1024 / 2, 'a');  // more than one block of the copy
        bytes[0] = 'S';
        bytes[bytes.size() - 1] = 'Z';
        escribirArchivo(base(), bytes);
    }

    ResultadoRespaldo respaldar(int dias = 7) { return RealizarRespaldo(instalacion(), {carpeta(), dias}, kHoy); }
    QString fallo(const QString& motivo) const
    {
        return "No se pudo realizar el respaldo diario en " + carpeta() + ": " + motivo + ".";
    }
    const Instalacion& instalacion() const { return temporal.instalacion(); }
    QString base() const { return instalacion().rutaBaseTrabajo(); }
    QString carpeta() const { return temporal.raiz() + "/copias"; }
    QString ini() const { return instalacion().carpetaPrograma() + "/veluma.ini"; }

    veluma::test::InstalacionTemporal temporal;
};

// Saving and reading back with the screen is checked with the screen.
TEST_F(Respaldos, LaConfiguracionInvalidaDaLaDeSiempreYGuardarRespetaLoAjeno)
{
    for (const QByteArray dias : {"0", "366", "siete", ""}) {
        SCOPED_TRACE(dias.constData());
        escribirArchivo(ini(), "[Respaldo]\nCarpeta=\nDias=" + dias + "\n");
        const ConfiguracionRespaldo leida = leerConfiguracionRespaldo(instalacion());
        EXPECT_EQ(leida.carpeta, instalacion().carpetaPrograma() + "/respaldos");
        EXPECT_EQ(leida.dias, 7);
    }

    escribirArchivo(ini(), "[Otro]\nClave=queda\n");
    guardarConfiguracionRespaldo(instalacion(), {"/media/Copias de Ñandú, 2026", 365});
    const ConfiguracionRespaldo leida = leerConfiguracionRespaldo(instalacion());
    EXPECT_EQ(leida.carpeta, "/media/Copias de Ñandú, 2026");
    EXPECT_EQ(leida.dias, 365);
    EXPECT_TRUE(leerArchivo(ini()).contains("[Otro]\nClave=queda"));
    EXPECT_EQ(archivosEn(instalacion().carpetaPrograma()).filter("veluma.ini"), QStringList{"veluma.ini"});
}

TEST_F(Respaldos, UnaConfiguracionQueNoSePuedeGuardarSeInforma)
{
    ASSERT_TRUE(QDir().mkpath(ini() + "/ocupado"));
    try {
        guardarConfiguracionRespaldo(instalacion(), {carpeta(), 10});
        ADD_FAILURE() << "se guardó";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), "No se pudo guardar la configuración de los respaldos en " + ini() + ".");
    }
    EXPECT_EQ(leerConfiguracionRespaldo(instalacion()).dias, 7);
}

// Today's copy replaces the one already taken today; the older ones beyond the days to keep go.
TEST_F(Respaldos, CopiaLosBytesYConservaLosUltimosDiasSinTocarOtrosArchivos)
{
    const QStringList ajenos{"notas.txt", "otro-20200101.mdb", "veluma-20200101.mdb.txt", "veluma-2020010.mdb",
                             "veluma-20201340.mdb"};
    ASSERT_TRUE(QDir().mkpath(carpeta() + "/veluma-20200102.mdb"));
    for (const QString& nombre : ajenos
                                     + QStringList{"veluma-20200101.mdb", "veluma-20261203.mdb", "veluma-20261204.mdb",
                                                   "veluma-20261206.mdb", "veluma-20261207.mdb"})
        escribirArchivo(carpeta() + "/" + nombre, nombre.toUtf8());

    const ResultadoRespaldo resultado = respaldar(3);
    EXPECT_EQ(resultado.problema, QString());
    EXPECT_EQ(resultado.archivo, carpeta() + "/veluma-20261206.mdb");
    EXPECT_EQ(leerArchivo(resultado.archivo), leerArchivo(base()));
    QStringList quedan =
        ajenos
        + QStringList{"veluma-20200102.mdb", "veluma-20261204.mdb", "veluma-20261206.mdb", "veluma-20261207.mdb"};
    quedan.sort();
    EXPECT_EQ(archivosEn(carpeta()), quedan);

    QList<QDate> fechas;
    for (const Respaldo& respaldo : respaldosEn(instalacion(), carpeta()))
        fechas += respaldo.fecha;
    EXPECT_EQ(fechas, (QList<QDate>{{2026, 12, 7}, kHoy, {2026, 12, 4}}));
}

TEST_F(Respaldos, UnFalloNoTocaNada)
{
    QFile::remove(base());
    const ResultadoRespaldo sinBase = respaldar();
    EXPECT_EQ(sinBase.problema, fallo("no se encuentra la base de datos " + base()));
    EXPECT_EQ(sinBase.archivo, QString());
    EXPECT_FALSE(QFileInfo::exists(carpeta()));

    escribirBase();
    escribirArchivo(carpeta(), "no es una carpeta");
    EXPECT_EQ(respaldar().problema, fallo("existe un archivo con ese nombre"));
    EXPECT_EQ(leerArchivo(carpeta()), "no es una carpeta");

    // Today's name taken by a folder: the copy cannot be put in place, and no old copy is removed.
    QFile::remove(carpeta());
    ASSERT_TRUE(QDir().mkpath(carpeta() + "/veluma-20261206.mdb/dentro"));
    escribirArchivo(carpeta() + "/veluma-20200101.mdb", "viejo");
    const ResultadoRespaldo resultado = respaldar();
    const QString reemplazar = "no se pudo reemplazar " + carpeta() + "/veluma-20261206.mdb (";
    EXPECT_TRUE(resultado.problema.startsWith(fallo(reemplazar).chopped(1))) << resultado.problema.toStdString();
    EXPECT_EQ(archivosEn(carpeta()), (QStringList{"veluma-20200101.mdb", "veluma-20261206.mdb"}));
}

// A working session on a fixed day; its backups go to <tmp>/copias once that is configured. The closing takes the
// day's backup with the saved configuration.
class SesionConRespaldos : public veluma::test::SesionDePrueba {
protected:
    void cerrar() { cerrarSesion(sesion, mensajes, " VELUMA", QIcon()); }
    QString carpeta() const { return instalacion.raiz() + "/copias"; }
    QString rutaBase() const { return sesion.instalacion.rutaBaseTrabajo(); }

    RelojFijo reloj{QDateTime(kHoy, QTime(18, 0))};
};

TEST_F(SesionConRespaldos, AceptarGuardaYCancelarNo)
{
    const Instalacion& datos = sesion.instalacion;
    const QString ini = datos.carpetaPrograma() + "/veluma.ini";
    {
        frmConfiguracionBackup pantalla(datos, mensajes);
        EXPECT_EQ(hijo<QLineEdit>(pantalla, "txtCarpeta")->text(), datos.carpetaPrograma() + "/respaldos");
        EXPECT_EQ(hijo<QSpinBox>(pantalla, "txtDias")->text(), "7 días");
        hijo<QLineEdit>(pantalla, "txtCarpeta")->setText(carpeta());
        pantalla.show();
        hijo<QPushButton>(pantalla, "cmdCancelar")->click();
        EXPECT_EQ(pantalla.result(), QDialog::Rejected);
        EXPECT_FALSE(QFileInfo::exists(ini));
    }
    {
        frmConfiguracionBackup pantalla(datos, mensajes);
        pantalla.show();
        hijo<QLineEdit>(pantalla, "txtCarpeta")->setText("   ");
        hijo<QPushButton>(pantalla, "cmdAceptar")->click();
        EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: Debe indicar la carpeta de los respaldos."});
        EXPECT_TRUE(pantalla.isVisible());
        EXPECT_FALSE(QFileInfo::exists(ini));

        hijo<QLineEdit>(pantalla, "txtCarpeta")->setText(carpeta());
        hijo<QSpinBox>(pantalla, "txtDias")->setValue(30);
        hijo<QPushButton>(pantalla, "cmdAceptar")->click();
        EXPECT_EQ(pantalla.result(), QDialog::Accepted);
    }
    const ConfiguracionRespaldo guardada = leerConfiguracionRespaldo(datos);
    EXPECT_EQ(guardada.carpeta, carpeta());
    EXPECT_EQ(guardada.dias, 30);
    frmConfiguracionBackup otraVez(datos, mensajes);
    EXPECT_EQ(hijo<QSpinBox>(otraVez, "txtDias")->value(), 30);
}

TEST_F(SesionConRespaldos, RespaldarAhoraCopiaYListaLosRespaldos)
{
    ASSERT_TRUE(QDir().mkpath(carpeta()));
    escribirArchivo(carpeta() + "/veluma-20261201.mdb", "anterior");
    frmConfiguracionBackup pantalla(sesion.instalacion, mensajes);
    pantalla.show();
    auto* lista = hijo<QListWidget>(pantalla, "lstRespaldos");
    auto textos = [lista] {
        QStringList lineas;
        for (int fila = 0; fila < lista->count(); ++fila)
            lineas += lista->item(fila)->text();
        return lineas;
    };
    EXPECT_EQ(textos(), QStringList());
    hijo<QLineEdit>(pantalla, "txtCarpeta")->setText(carpeta());
    EXPECT_EQ(textos(), QStringList{"01/12/2026   veluma-20261201.mdb"});

    hijo<QPushButton>(pantalla, "cmdRespaldar")->click();
    EXPECT_EQ(mensajes.mensajes,
              QStringList{"Información: El respaldo se realizó en " + carpeta() + "/veluma-20261206.mdb."});
    EXPECT_EQ(leerArchivo(carpeta() + "/veluma-20261206.mdb"), leerArchivo(rutaBase()));
    EXPECT_EQ(textos(), (QStringList{"06/12/2026   veluma-20261206.mdb", "01/12/2026   veluma-20261201.mdb"}));

    mensajes.mensajes.clear();
    hijo<QLineEdit>(pantalla, "txtCarpeta")->setText(carpeta() + "/veluma-20261201.mdb");
    hijo<QPushButton>(pantalla, "cmdRespaldar")->click();
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se pudo realizar el respaldo diario en " + carpeta()
                                             + "/veluma-20261201.mdb: existe un archivo con ese nombre."});
}

// The program's F1 handler opens each screen's own section, not the main window's.
TEST_F(SesionConRespaldos, F1AbreLaAyudaDeCadaPantalla)
{
    QWidget principal;
    AyudaContextual ayuda(sesion.instalacion.rutaAyuda(), mensajes, kAyudaPrincipal, &principal);
    auto contextoConF1 = [](QDialog& pantalla) {
        pantalla.show();
        QWidget* boton = hijo<QPushButton>(pantalla, "cmdAceptar");
        boton->setFocus();
        QTest::keyClick(boton, Qt::Key_F1);
        auto* visor = pantalla.findChild<VisorAyuda*>();
        return visor ? visor->fuenteActual().section('#', 1) : QString();
    };
    frmConfiguracionBackup respaldo(sesion.instalacion, mensajes, &principal);
    EXPECT_EQ(contextoConF1(respaldo), "contexto5");
    respaldo.close();
    frmAcerca acerca(&principal);
    EXPECT_EQ(contextoConF1(acerca), "contexto6");
    EXPECT_EQ(mensajes.mensajes, QStringList());
}

TEST_F(SesionConRespaldos, AlCerrarDejaElRespaldoDelDiaYRota)
{
    guardarConfiguracionRespaldo(sesion.instalacion, {carpeta(), 2});
    ASSERT_TRUE(QDir().mkpath(carpeta()));
    escribirArchivo(carpeta() + "/veluma-20261204.mdb", "vencido");
    escribirArchivo(carpeta() + "/veluma-20261205.mdb", "de ayer");
    cerrar();
    EXPECT_EQ(mensajes.mensajes, QStringList());
    EXPECT_FALSE(sesion.base.isOpen());
    EXPECT_EQ(archivosEn(carpeta()), (QStringList{"veluma-20261205.mdb", "veluma-20261206.mdb"}));
    // The copy is the file at rest: compacted and scrambled.
    EXPECT_EQ(leerArchivo(carpeta() + "/veluma-20261206.mdb"), leerArchivo(rutaBase()));
}

TEST_F(SesionConRespaldos, AlCerrarSinCompactarIgualRespaldaLaBaseComoQueda)
{
    ASSERT_TRUE(QDir().mkpath(sesion.instalacion.rutaCompactacion() + "/ocupado"));
    cerrar();
    ASSERT_EQ(mensajes.mensajes.size(), 1);
    EXPECT_TRUE(mensajes.mensajes[0].startsWith("Atención: No se pudo compactar la base de datos al cerrar: "));
    EXPECT_EQ(leerArchivo(sesion.instalacion.carpetaPrograma() + "/respaldos/veluma-20261206.mdb"),
              leerArchivo(rutaBase()));
}

TEST_F(SesionConRespaldos, AlCerrarUnRespaldoQueFallaSeInformaYElCierreTermina)
{
    guardarConfiguracionRespaldo(sesion.instalacion, {carpeta(), 7});
    escribirArchivo(carpeta(), "no es una carpeta");
    cerrar();
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se pudo realizar el respaldo diario en " + carpeta()
                                             + ": existe un archivo con ese nombre."});
    EXPECT_FALSE(sesion.base.isOpen());
    EXPECT_EQ(leerArchivo(carpeta()), "no es una carpeta");
}

TEST_F(SesionConRespaldos, AlCerrarUnaBaseQueNoSeAbrioNoSeRespalda)
{
    sesion.base.close();
    cerrar();
    EXPECT_EQ(mensajes.mensajes, QStringList());
    EXPECT_FALSE(QFileInfo::exists(sesion.instalacion.carpetaPrograma() + "/respaldos"));
}

}  // namespace
