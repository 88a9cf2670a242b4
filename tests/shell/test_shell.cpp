// The shell's screens and tools: notices, messages, icons, calculator, backups and help.

#include "core/clave.h"
#include "core/contextos_ayuda.h"
#include "core/database.h"
#include "core/msgini.h"
#include "core/reloj.h"
#include "core/respaldos.h"
#include "shell/ayuda_contextual.h"
#include "shell/calculadora.h"
#include "shell/cierre_sesion.h"
#include "shell/frm_acerca.h"
#include "shell/frm_cerrando.h"
#include "shell/frm_configuracion_backup.h"
#include "shell/frm_inicio_mensaje.h"
#include "shell/mensajes_dialogo.h"
#include "shell/visor_ayuda.h"
#include "support/controles.h"
#include "support/filas.h"
#include "support/modal.h"
#include "support/programas.h"
#include "support/sesion_de_prueba.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace veluma;
using namespace veluma::test;

namespace {

using AvisoDeInicio = SesionDePrueba;

// The notice shows the text of the first configured row; "Ver ayuda" opens the help at its section; the box, when
// ticked, is saved in that row of the auxiliary file itself, read here without the session's link.
TEST_F(AvisoDeInicio, MuestraElMensajeAbreLaAyudaYGuardaLaCasilla)
{
    sesion.base.execute("INSERT INTO MsgConfig (NombreAplicativo, Mensaje, Activo) VALUES ('Otro', 'x', 1)");
    for (const bool noMostrar : {false, true}) {
        SCOPED_TRACE(noMostrar);
        CMsgIni configuracion(sesion.base);
        ASSERT_TRUE(configuracion.configurado() && configuracion.Activo());
        frmInicioMensaje aviso(configuracion, sesion.instalacion.rutaAyuda(), mensajes);
        aviso.setModal(true);  // as start-up shows it
        aviso.show();
        EXPECT_EQ(hijo<QLabel>(aviso, "lblMensaje")->text(), configuracion.Mensaje());
        EXPECT_FALSE(hijo<QCheckBox>(aviso, "chkNoMostrar")->isChecked());
        if (noMostrar)
            QTest::keyClick(&aviso, Qt::Key_F1);  // F1 is "Ver ayuda" too
        else
            QTest::mouseClick(hijo<QPushButton>(aviso, "btnAyuda"), Qt::LeftButton);
        const auto* visor = aviso.findChild<VisorAyuda*>();
        ASSERT_TRUE(visor && visor->isVisible() && visor->fuenteActual().endsWith("VELUMA.html#contexto1"));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        hijo<QCheckBox>(aviso, "chkNoMostrar")->setChecked(noMostrar);
        QTest::mouseClick(hijo<QPushButton>(aviso, "btnInicio"), Qt::LeftButton);
        EXPECT_TRUE(aviso.result() == QDialog::Accepted && configuracion.Activo() != noMostrar);
        Database auxiliar = Database::open(sesion.instalacion.rutaBaseAuxiliar(), contrasenaBase());
        EXPECT_EQ(filasDeConsulta(auxiliar, "SELECT Activo FROM MsgConfig ORDER BY rowid"),
                  (QStringList{noMostrar ? "0" : "1", "1"}));
    }
    EXPECT_FALSE(CMsgIni(sesion.base).Activo());
    VisorAyuda::mostrar(sesion.instalacion.carpetaPrograma() + "/no-esta.html", 1, mensajes);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se encuentra el archivo de ayuda "
                                             + sesion.instalacion.carpetaPrograma() + "/no-esta.html."});
}

// Title, icon (1 information, 2 warning, 3 critical, 4 question) and buttons of each kind of message, and what Enter
// (the default button) or Esc answers: 1 yes, 0 no, -1 when nothing is asked; and the one screen no key closes.
TEST(MensajesEnPantalla, TituloIconoBotonesYLaTeclaQueContestaOQueNoCierra)
{
    MensajesDialogo dialogo;
    struct Caso {
        std::function<int()> mostrar;
        Qt::Key tecla;
        QString esperado;
    };
    const Caso casos[] = {
        {[&] { return dialogo.MensajeInformacion("Dato guardado."), -1; }, Qt::Key_Return, "Información|1|Aceptar|-1"},
        {[&] { return dialogo.MensajeAtencion("Falta el mes."), -1; }, Qt::Key_Escape, "Atención|2|Aceptar|-1"},
        // Enter or Esc gives the safe answer to a question that deletes.
        {[&] { return int(dialogo.ConfirmacionAdvertencia("¿Desea eliminar?")); }, Qt::Key_Return,
         "Advertencia|2|&Sí|&No|0"},
        {[&] { return int(dialogo.PreguntaSiNoAdvertencia("¿Eliminar todas?", "Eliminar")); }, Qt::Key_Return,
         "Eliminar|2|&Sí|&No|0"},
        {[&] { return int(dialogo.ConfirmacionAdvertencia("¿Desea eliminar?")); }, Qt::Key_Escape,
         "Advertencia|2|&Sí|&No|0"},
        {[&] { return int(dialogo.PreguntaSiNo("¿Reemplazar?", Respuesta::No) == Respuesta::Si); }, Qt::Key_Return,
         "Veluma|4|&Sí|&No|0"},
        {[&] { return int(dialogo.PreguntaSiNo("¿Reemplazar?", Respuesta::Si) == Respuesta::Si); }, Qt::Key_Return,
         "Veluma|4|&Sí|&No|1"},
        {[&] { return int(dialogo.PreguntaReintentarCancelar("Disco lleno.", "Atención...!!!")); }, Qt::Key_Escape,
         "Atención...!!!|2|&Reintentar|Cancelar|0"},
        {[&] { return dialogo.MensajeSimple("Ingrese por el módulo T.E.Vo."), -1; }, Qt::Key_Return,
         "Veluma|0|Aceptar|-1"},
        {[&] { return dialogo.MensajeError("Disco lleno", 13), -1; }, Qt::Key_Return, "Veluma|3|Aceptar|-1"},
    };
    QString texto;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.esperado.toStdString());
        QStringList visto;
        alAparecerModalDe<QMessageBox>([&](QMessageBox* caja) {
            visto = QStringList{caja->windowTitle(), QString::number(caja->icon())};
            for (QAbstractButton* boton : caja->buttons())
                visto += boton->text();
            texto = caja->text();
            QTest::keyClick(caja, caso.tecla);
            // A key that does not close the box would leave the test waiting.
            QTimer::singleShot(200, caja, [caja] {
                ADD_FAILURE() << "la tecla no cerró el mensaje";
                caja->done(0);
            });
        });
        const int respuesta = caso.mostrar();
        EXPECT_EQ((visto << QString::number(respuesta)).join('|'), caso.esperado);
    }
    EXPECT_EQ(texto, "Ha ocurrido el error 13 con la siguiente descripción : \nDisco lleno");  // the last one

    // The closing screen cannot be interrupted (its end is driven by the closing tests below).
    int cierres = 0;
    frmCerrando cerrando(" VELUMA", QIcon(), [&] { ++cierres; });
    cerrando.show();
    cerrando.close();
    QTest::keyClick(&cerrando, Qt::Key_Escape);
    EXPECT_TRUE(cerrando.isVisible() && cierres == 0);
}

TEST(Calculadora, AbreLaPrimeraDelPathOAvisaQueNoHay)
{
    MensajesGrabados mensajes;
    EXPECT_FALSE(abrirCalculadora(mensajes, {"calculadora-que-no-existe"}));
    EXPECT_EQ(mensajes.mensajes, QStringList{"Error: La calculadora de Windows no está disponible."});

    mensajes.mensajes.clear();
    ProgramasDePrueba programas;
    programas.crear("calc-de-prueba");
    programas.crear("otra-calc");
    EXPECT_TRUE(abrirCalculadora(mensajes, {"calculadora-que-no-existe", "calc-de-prueba", "otra-calc"}));
    EXPECT_TRUE(mensajes.mensajes.isEmpty() && !programas.corrio("otra-calc"));
    EXPECT_EQ(programas.argumentos("calc-de-prueba"), "\n");
}

// A working session on a fixed day; its backups go to <tmp>/copias once that is configured.
class Respaldos : public SesionDePrueba {
protected:
    Respaldos() { fijarReloj([] { return QDateTime(QDate(2026, 12, 6), QTime(18, 0)); }); }
    ~Respaldos() override { fijarReloj({}); }

    // The working database closed and replaced by known bytes, more than one block of the copy.
    void baseConocida()
    {
        sesion.base.close();
        QByteArray bytes(5 * 1024 * 1024 / 2, 'a');
        bytes[0] = 'S';
        bytes[bytes.size() - 1] = 'Z';
        escribirArchivo(base(), bytes);
    }
    QString fallo(const QString& motivo) const
    {
        return "No se pudo realizar el respaldo diario en " + carpeta() + ": " + motivo + ".";
    }
    void cerrar() { cerrarSesion(sesion, mensajes, " VELUMA", QIcon()); }

    QString base() const { return sesion.instalacion.rutaBaseTrabajo(); }
    QString carpeta() const { return instalacion.raiz() + "/copias"; }
    QString ini() const { return sesion.instalacion.carpetaPrograma() + "/veluma.ini"; }
};

// The screen shows what is saved, the usual values in place of what cannot be read; Aceptar saves beside the
// file's other settings, Cancelar does not, and what cannot be saved is said with the screen still open.
TEST_F(Respaldos, LaPantallaGuardaConAceptarYNoConCancelar)
{
    const Instalacion& datos = sesion.instalacion;
    for (const QByteArray dias : {"0", "366", "siete", ""}) {
        SCOPED_TRACE(dias.constData());
        escribirArchivo(ini(), "[Otro]\nClave=queda\n[Respaldo]\nCarpeta=\nDias=" + dias + "\n");
        frmConfiguracionBackup pantalla(datos, mensajes);
        EXPECT_EQ(hijo<QLineEdit>(pantalla, "txtCarpeta")->text() + '|'
                      + hijo<QSpinBox>(pantalla, "txtDias")->cleanText(),
                  datos.carpetaPrograma() + "/respaldos|7");
    }
    const QByteArray guardado = leerArchivo(ini());
    const QString nombre = "/media/Copias de Ñandú, 2026";
    {
        frmConfiguracionBackup pantalla(datos, mensajes);
        pantalla.show();
        hijo<QLineEdit>(pantalla, "txtCarpeta")->setText(carpeta());
        hijo<QPushButton>(pantalla, "cmdCancelar")->click();
        EXPECT_TRUE(pantalla.result() == QDialog::Rejected && leerArchivo(ini()) == guardado);

        pantalla.show();
        hijo<QLineEdit>(pantalla, "txtCarpeta")->setText("   ");
        hijo<QPushButton>(pantalla, "cmdAceptar")->click();
        EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: Debe indicar la carpeta de los respaldos."});
        EXPECT_TRUE(pantalla.isVisible() && leerArchivo(ini()) == guardado);

        hijo<QLineEdit>(pantalla, "txtCarpeta")->setText(nombre);
        hijo<QSpinBox>(pantalla, "txtDias")->setValue(365);
        hijo<QPushButton>(pantalla, "cmdAceptar")->click();
        EXPECT_EQ(pantalla.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(leerArchivo(ini()).contains("[Otro]\nClave=queda"));
    frmConfiguracionBackup otraVez(datos, mensajes);
    EXPECT_EQ(hijo<QLineEdit>(otraVez, "txtCarpeta")->text() + '|' + hijo<QSpinBox>(otraVez, "txtDias")->cleanText(),
              nombre + "|365");

    mensajes.mensajes.clear();
    QFile::remove(ini());
    ASSERT_TRUE(QDir().mkpath(ini() + "/ocupado"));
    otraVez.show();
    hijo<QPushButton>(otraVez, "cmdAceptar")->click();
    const QString noSeGuardo = "No se pudo guardar la configuración de los respaldos en " + ini() + ".";
    EXPECT_TRUE(otraVez.isVisible() && mensajes.mensajes.size() == 1 && mensajes.mensajes[0].endsWith(noSeGuardo))
        << mensajes.mensajes.join('|').toStdString();
}

// What stops a backup is said, and the folder is left as it was. Then "Respaldar ahora" backs up to the folder and
// days on screen: today's copy replaces the one already taken today, the older ones beyond the days to keep go, other
// files stay, and the list shows what is left, newest first.
TEST_F(Respaldos, RespaldarAhoraConservaLosUltimosDiasYUnRespaldoQueFallaNoTocaNada)
{
    // First the program's F1 handler: it opens each screen's own section, not the main window's.
    QWidget principal;
    AyudaContextual ayuda(sesion.instalacion.rutaAyuda(), mensajes, kAyudaPrincipal, &principal);
    frmAcerca acerca(&principal);
    frmConfiguracionBackup pantalla(sesion.instalacion, mensajes, &principal);
    QStringList contextos;
    for (QDialog* dialogo : std::initializer_list<QDialog*>{&acerca, &pantalla}) {
        dialogo->show();
        QWidget* boton = hijo<QPushButton>(*dialogo, "cmdAceptar");
        boton->setFocus();
        QTest::keyClick(boton, Qt::Key_F1);
        const auto* visor = dialogo->findChild<VisorAyuda*>();
        contextos += visor ? visor->fuenteActual().section('#', 1) : QString();
    }
    EXPECT_EQ(contextos, (QStringList{"contexto6", "contexto5"}));
    EXPECT_EQ(mensajes.mensajes, QStringList());
    acerca.close();

    hijo<QLineEdit>(pantalla, "txtCarpeta")->setText(carpeta());
    const auto respaldar = [&] {
        mensajes.mensajes.clear();
        hijo<QPushButton>(pantalla, "cmdRespaldar")->click();
        return mensajes.mensajes.join('|');
    };
    baseConocida();
    QFile::remove(base());
    EXPECT_EQ(respaldar(), "Atención: " + fallo("no se encuentra la base de datos " + base()));
    EXPECT_FALSE(QFileInfo::exists(carpeta()));

    baseConocida();
    escribirArchivo(carpeta(), "no es una carpeta");
    EXPECT_EQ(respaldar(), "Atención: " + fallo("existe un archivo con ese nombre"));
    EXPECT_EQ(leerArchivo(carpeta()), "no es una carpeta");

    // Today's name taken by a folder: the copy cannot be put in place, and no old copy is removed.
    QFile::remove(carpeta());
    ASSERT_TRUE(QDir().mkpath(carpeta() + "/veluma-20261206.mdb/dentro"));
    escribirArchivo(carpeta() + "/veluma-20200101.mdb", "viejo");
    const QString reemplazar = "no se pudo reemplazar " + carpeta() + "/veluma-20261206.mdb (";
    EXPECT_TRUE(respaldar().startsWith("Atención: " + fallo(reemplazar).chopped(1)));
    EXPECT_EQ(archivosEn(carpeta()), (QStringList{"veluma-20200101.mdb", "veluma-20261206.mdb"}));

    // A disk that fills up during the copy cuts a write short without an error of its own: the reason is the
    // disk, never "Unknown error", and no part of the copy is left.
    QDir(carpeta()).removeRecursively();
    baseConocida();
    rlimit anterior{};
    getrlimit(RLIMIT_FSIZE, &anterior);
    auto* senalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = 1000000;
    setrlimit(RLIMIT_FSIZE, &limite);
    const QString lleno = respaldar();
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senalAnterior);
    EXPECT_EQ(lleno, "Atención: " + fallo("no se pudo escribir la copia (no hay espacio suficiente en el disco)"));
    EXPECT_EQ(archivosEn(carpeta()), QStringList());

    QStringList quedan{"notas.txt", "otro-20200101.mdb", "veluma-20200101.mdb.txt", "veluma-2020010.mdb",
                       "veluma-20201340.mdb", "veluma-20200102.mdb"};
    ASSERT_TRUE(QDir().mkpath(carpeta() + "/veluma-20200102.mdb"));
    for (const QString& nombre : quedan.mid(0, 5) + QStringList{"veluma-20200101.mdb", "veluma-20261203.mdb",
                                                                "veluma-20261204.mdb", "veluma-20261206.mdb",
                                                                "veluma-20261207.mdb"})
        escribirArchivo(carpeta() + "/" + nombre, nombre.toUtf8());
    hijo<QSpinBox>(pantalla, "txtDias")->setValue(3);
    EXPECT_EQ(respaldar(), "Información: El respaldo se realizó en " + carpeta() + "/veluma-20261206.mdb.");
    EXPECT_EQ(leerArchivo(carpeta() + "/veluma-20261206.mdb"), leerArchivo(base()));
    quedan << "veluma-20261204.mdb" << "veluma-20261206.mdb" << "veluma-20261207.mdb";
    quedan.sort();
    EXPECT_EQ(archivosEn(carpeta()), quedan);
    QStringList lista;
    for (int fila = 0; fila < hijo<QListWidget>(pantalla, "lstRespaldos")->count(); ++fila)
        lista += hijo<QListWidget>(pantalla, "lstRespaldos")->item(fila)->text();
    EXPECT_EQ(lista, (QStringList{"07/12/2026   veluma-20261207.mdb", "06/12/2026   veluma-20261206.mdb",
                                  "04/12/2026   veluma-20261204.mdb"}));
}

// A database that was not opened is not backed up. Then the closing takes the day's backup with the saved
// configuration, of the file as it rests (scrambled), even when it could not be compacted; a backup that fails is
// said and the closing ends all the same. Which copies it keeps is checked above.
TEST_F(Respaldos, AlCerrarDejaElRespaldoDelDiaOInformaPorQueNo)
{
    sesion.base.close();
    cerrar();
    EXPECT_TRUE(mensajes.mensajes.isEmpty() && !QFileInfo::exists(sesion.instalacion.carpetaPrograma() + "/respaldos"));

    abrirSesion(sesion, mensajes);
    guardarConfiguracionRespaldo(sesion.instalacion, {carpeta(), 2});
    ASSERT_TRUE(QDir().mkpath(sesion.instalacion.rutaCompactacion() + "/ocupado"));
    cerrar();
    EXPECT_TRUE(!sesion.base.isOpen() && mensajes.mensajes.size() == 1
                && mensajes.mensajes[0].startsWith("Atención: No se pudo compactar la base de datos al cerrar: "));
    EXPECT_EQ(archivosEn(carpeta()), QStringList{"veluma-20261206.mdb"});
    EXPECT_EQ(leerArchivo(carpeta() + "/veluma-20261206.mdb"), leerArchivo(base()));

    QDir(sesion.instalacion.rutaCompactacion()).removeRecursively();
    QDir(carpeta()).removeRecursively();
    escribirArchivo(carpeta(), "no es una carpeta");
    abrirSesion(sesion, mensajes);
    mensajes.mensajes.clear();
    cerrar();
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: " + fallo("existe un archivo con ese nombre")});
    EXPECT_TRUE(!sesion.base.isOpen() && leerArchivo(carpeta()) == "no es una carpeta");
}

}  // namespace
