#include "exportacion/exportacion_de_prueba.h"
#include "intercambio/libro_xlsx.h"

using namespace veluma;

namespace {

class ErroresDeExportacion : public test::ExportacionDePrueba {
protected:
    // The message of the Error that exporting to `archivo` throws; empty when
    // none is thrown.
    QString fallo(const std::function<void()>& exportar)
    {
        try {
            exportar();
        } catch (const Error& error) {
            return QString::number(error.numero()) + ' ' + error.descripcion();
        }
        return {};
    }
    static QString sinPoder(const QString& archivo)
    {
        return "75 No se pudo escribir el archivo \"" + QDir::toNativeSeparators(archivo)
               + "\". Verifique que la carpeta exista, que tenga permiso para "
                 "escribir en ella y que haya espacio "
                 "en el disco.";
    }
};

TEST_F(ErroresDeExportacion, UnDestinoQueNoSePuedeEscribirDaElMensajeYDejaLoQueHabia)
{
    test::declaracion708(sesion);
    ASSERT_TRUE(QDir(carpeta.path()).mkpath("Libro.xlsx/dentro"));
    ASSERT_TRUE(QDir(carpeta.path()).mkpath("Hojas-Salas.csv"));
    test::escribirArchivo(ruta("Hojas-Entradas.csv"), "anterior");
    test::escribirArchivo(ruta("Viejo.xlsx"), "anterior");
    const QStringList antes = archivos();

    struct Caso {
        const char* nombre;
        std::function<void()> exportar;
        QString mensaje;
    };
    const std::vector<Caso> casos = {
        {"carpeta que no existe", [&] { exportarDeclaracion(sesion, ruta("falta/DDJJ.xlsx")); },
         sinPoder(ruta("falta/DDJJ.xlsx"))},
        {"libro en lugar de una carpeta", [&] { exportarDeclaracion(sesion, ruta("Libro.xlsx")); },
         sinPoder(ruta("Libro.xlsx"))},
        {"una hoja en lugar de una carpeta", [&] { exportarDeclaracion(sesion, ruta("Hojas.csv")); },
         sinPoder(ruta("Hojas-Salas.csv"))},
        {"otra extensión", [&] { exportarDeclaracion(sesion, ruta("DDJJ.txt")); },
         "5 El archivo debe tener la extensión .xlsx (Libro de Excel) o .csv "
         "(Archivos CSV)."},
        {"un libro que no se termina",
         [&] {
             escribirLibroXlsx({{QStringLiteral("Nombre de hoja de más de treinta y un caracteres"), {}, {}}},
                               ruta("Viejo.xlsx"));
         },
         "5 \"Nombre de hoja de más de treinta y un caracteres\" no es un nombre "
         "de hoja válido."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EXPECT_EQ(fallo(caso.exportar), caso.mensaje);
        // Neither a half file nor a temporary one is left, and what was there is as
        // it was.
        EXPECT_EQ(archivos(), antes);
        EXPECT_EQ(test::leerArchivo(ruta("Hojas-Entradas.csv")), "anterior");
        EXPECT_EQ(test::leerArchivo(ruta("Viejo.xlsx")), "anterior");
        EXPECT_TRUE(QFileInfo(ruta("Libro.xlsx/dentro")).isDir());
    }
}

}  // namespace
