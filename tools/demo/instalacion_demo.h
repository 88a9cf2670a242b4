#pragma once

#include "core/instalacion.h"

#include <QList>
#include <QString>
#include <QStringList>

// A demonstration installation: the host's databases with sample taxpayers
// in a folder, and the program copied into its "veluma" subfolder, laid out
// as the host application lays out a real one.
namespace veluma::demo {

struct ContribuyenteDemo {
    QString cuit;         // exactly as the host passes it on the command line
    QString descripcion;  // the taxpayer's name in the host database
};

// The sample taxpayers, in the order they are stored.
QList<ContribuyenteDemo> contribuyentesDemo();

// Creates carpeta/kelt.mdb and carpeta/sistema.mdb with the sample data.
// A file that already exists is left exactly as it is.
void crearBasesAnfitrion(const QString& carpeta);

// Copies the named files from carpetaOrigen into the program folder of
// destino, replacing older copies. The working database is never touched.
// Throws veluma::Error when a source file is missing; then nothing is copied.
void copiarArchivos(const QString& carpetaOrigen, const Instalacion& destino, const QStringList& nombres);

// copiarArchivos with every file of destino.archivosDelPrograma().
void copiarPrograma(const QString& carpetaOrigen, const Instalacion& destino);

// The program folder of the demo installation under carpeta.
Instalacion instalacionDemo(const QString& carpeta);

// crearBasesAnfitrion(carpeta) and copiarPrograma into carpeta/veluma with
// the executable "veluma". Returns the demo CUITs in order.
QStringList crearInstalacionDemo(const QString& carpeta, const QString& carpetaOrigen);

}  // namespace veluma::demo
