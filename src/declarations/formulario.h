#pragma once

#include "intercambio/hojas.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <vector>

namespace veluma {

class ConfiguracionReporte;
class Database;
class Importador;
class InterfazRegistros;
struct ClaveDDJJ;
struct Sesion;

// One figure of a settlement with its caption, as an exported sheet lists it.
struct CifraLiquidada {
    QString concepto;
    double importe = 0;
};

// A declaration's figures, computed once from its stored rows. The form's
// total screen shows them; the printed form and the submission records are
// made from them, so the three always agree.
class Liquidacion {
public:
    virtual ~Liquidacion() = default;

    // Whether there is something to declare: the form may be printed and
    // its file generated.
    virtual bool admitePresentacion() const = 0;
    // Why not, in the user's words, when it does not.
    virtual QString motivoSinPresentacion() const;
    // Why its form is not printed, when it is not.
    virtual QString motivoSinImpresion() const;
    // The builder of the declaration's submission records, with these figures.
    virtual std::unique_ptr<InterfazRegistros> registros(Sesion& sesion) const = 0;
    // The printed form, with these figures.
    virtual ConfiguracionReporte formularioImpreso(const Sesion& sesion) const = 0;
    // The figures that settle the declaration, in the order the form shows them.
    virtual std::vector<CifraLiquidada> cifras() const = 0;
};

// How the declaration manager shows and takes a form's own value, CAMPO1.
struct CampoValor {
    enum class Tipo { Numero, Texto, Opciones };
    struct Opcion {
        QString texto;
        QString valor;  // what CAMPO1 keeps when the option is chosen
    };

    Tipo tipo = Tipo::Texto;
    QString etiqueta;              // the caption beside the field; options have none
    std::vector<Opcion> opciones;  // Opciones: one choice each, in order
    QString porDefecto;            // what a new declaration starts with
};

// Why a form value cannot be stored.
struct ObservacionValor {
    QString texto;
    bool enfocar = false;  // the cursor goes to the field
};

// One form of the program. Each lives in its own folder and is registered
// once at start-up; nothing outside that folder asks which form it is.
class Formulario {
public:
    virtual ~Formulario() = default;

    virtual int numero() const = 0;
    // The caption of its item in the main window's form menu.
    virtual QString tituloMenu() const = 0;

    // Its tables, in the order a declaration's rows are deleted.
    virtual QStringList tablas() const = 0;
    // The column of those tables that repeats the form value, and what it
    // holds for a CAMPO1; no column when the tables do not keep it.
    virtual QString columnaDelValor() const { return {}; }
    virtual QVariant valorEnTablas(const QString& campo1) const { return campo1; }

    // The manager's form-value field.
    virtual CampoValor campoValor() const = 0;
    // The earliest period that may be declared, YYYYMM.
    virtual int periodoMinimo() const = 0;
    // What the field shows for a stored CAMPO1.
    virtual QString mostrarValor(const QString& campo1) const { return campo1; }
    // Why the value as typed cannot be stored; nothing when it can.
    virtual std::vector<ObservacionValor> validarValor(const QString& escrito) const;
    // The CAMPO1 stored for the value as typed (for options, the option's value).
    virtual QString valorAGuardar(const QString& escrito) const { return escrito; }
    // False when one period and sequence hold at most one declaration,
    // whatever its form value.
    virtual bool valorDistingueDeclaraciones() const { return true; }
    // The manager's buttons beyond the ones every form has.
    virtual bool ofreceCopiar() const { return false; }
    virtual bool ofreceModificar() const { return false; }

    // For each section node whose state depends on stored data, by node key:
    // whether the declaration has data there.
    virtual std::map<QString, bool> seccionesConDatos(Database& base, const ClaveDDJJ& clave) const = 0;

    // Whether this version settles the form's declarations: prints the form
    // and generates its file, from the screens and from veluma-lote.
    virtual bool tieneLiquidacion() const { return false; }
    // The settlement of the session's declaration, for a form that has one;
    // throws Error otherwise, or when the rows cannot be read.
    virtual std::unique_ptr<Liquidacion> liquidar(Sesion& sesion) const;

    // The lines veluma-lote imports from a file into the session's
    // declaration: those of its section of many lines, each naming the room,
    // kind or licence it belongs to.
    virtual std::unique_ptr<Importador> importador(Sesion& sesion) const = 0;
    // The session's declaration as sheets: each section's rows and the
    // settlement's figures. Throws Error when the rows cannot be read.
    virtual std::vector<Hoja> hojasDeExportacion(Sesion& sesion) const = 0;
};

// Told when a form's file cannot be generated by this version.
QString textoSinPresentacion(int formulario);

}  // namespace veluma
