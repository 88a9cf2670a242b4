#pragma once

#include "core/database.h"
#include "core/instalacion.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

namespace veluma {

// A read-only copy of query rows, columns in their order.
struct Instantanea {
    QStringList columnas;
    QList<QVariantList> filas;
};

// The session taxpayer's master data, read from the host databases in the
// parent of the program folder. The host owns those files; this only reads.
struct Sesion;

class clsContribuyente {
public:
    // Opens the host taxpayer database; throws Error when it is missing or
    // cannot be opened. `clave` is the session's connect text (";PWD=...").
    clsContribuyente(const Instalacion& instalacion, const QString& clave);

    QString codactiv() const { return codactiv_; }
    void setCodactiv(const QString& valor) { codactiv_ = valor; }
    QString descripcion() const { return descripcion_; }
    void setDescripcion(const QString& valor) { descripcion_ = valor; }
    qint16 mescierre() const { return mescierre_; }
    void setMescierre(qint16 valor) { mescierre_ = valor; }
    qint16 formajuridica() const { return formajuridica_; }
    void setFormajuridica(qint16 valor) { formajuridica_ = valor; }
    qint16 tipopersona() const { return tipopersona_; }
    void setTipopersona(qint16 valor) { tipopersona_ = valor; }

    // Loads the taxpayer whose cuit is exactly `cuit`. Throws Error with a
    // clear text when the CUIT is unknown or has no main activity.
    void Inicializar(const QString& cuit);

    // The rows of cbu for the taxpayer, ordered by CODIGO.
    Instantanea ObtenerCBU();

    // "Calle: ... Nro: ... C.P.: ..."; empty without a fiscal address.
    // Throws Error when the host system database cannot be opened.
    QString DomicilioFiscal();

    // The 147-character fixed-width block for the submission records, upper
    // case; longer when a value exceeds its width. Empty without a fiscal address.
    QString DomicilioSAD();

private:
    // The activity the host marks as main; nothing when there is none.
    std::optional<QString> ObtenerActividadPrincipal(qint32 ncontrib);
    static QString AgregarEtiqueta(const QString& etiqueta, const QVariant& valor);

    Instalacion instalacion_;
    QString clave_;
    Database base_;
    qint32 ncontrib_ = 0;
    QString codactiv_;
    QString descripcion_;
    qint16 mescierre_ = 0;
    qint16 formajuridica_ = 0;
    qint16 tipopersona_ = 0;
};

// Reads the session taxpayer's master data into `sesion.contribuyente`,
// opening each host database once. Throws Error as Inicializar does.
void cargarContribuyente(Sesion& sesion);

}  // namespace veluma
