#pragma once

#include <QString>
#include <QStringList>

namespace veluma {

struct Version {
    int mayor = 0;
    int menor = 0;
    int revision = 0;
};

// The version this program was built as.
Version versionDelPrograma();

// A number with the mask "00".
QString FormatoDosDigitos(int numero);

// "Si" + the version as three two-digit numbers + ".mdb": 1.2.3 gives Si010203.mdb.
QString NombreBaseAuxiliar(const Version& version);

// Where everything lives. Built once at start-up from the executable's path
// and handed down; nothing else asks the system for these folders.
class Instalacion {
public:
    Instalacion(const QString& carpetaPrograma, const QString& nombreEjecutable, const Version& version,
                const QString& carpetaTrabajo = QString());

    // The installation of the running program: the executable's folder and
    // name, this build's version, and $WINDIR when set as work folder.
    static Instalacion delEjecutable(const QString& rutaEjecutable);

    const QString& carpetaPrograma() const { return carpetaPrograma_; }
    const QString& nombreEjecutable() const { return nombreEjecutable_; }
    const Version& version() const { return version_; }

    QString nombreBaseTrabajo() const;  // executable's base name + ".mdb"
    QString rutaBaseTrabajo() const;
    QString rutaBaseAuxiliar() const;
    QString rutaAyuda() const;
    QString rutaCodificador() const;    // the submission-file encoder, beside the program
    QString rutaCompactacion() const;   // the temporary copy made at closing
    QString rutaKelt() const;           // host taxpayer database, one folder up
    QString rutaSistema() const;        // host system database, one folder up
    // Work folder for generated files, always with a trailing separator.
    QString carpetaTrabajo() const;

    // The files that make up the program folder of an installation.
    QStringList archivosDelPrograma() const;

    static QString nombreAyuda();
    static QString nombreCodificador();

private:
    QString enPrograma(const QString& nombre) const;

    QString carpetaPrograma_;
    QString nombreEjecutable_;
    Version version_;
    QString carpetaTrabajo_;
};

}  // namespace veluma
