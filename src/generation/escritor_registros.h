#pragma once

#include <QFile>
#include <QString>
#include <functional>
#include <vector>

namespace veluma {

class Instalacion;
class Mensajes;

// How every record builder writes its working file: one fixed-width record
// per line, Windows-1252, the trailer last. The records go to a side file that
// replaces the earlier one only on a successful cerrar(); a writer that fails,
// or is destroyed before cerrar(), leaves no working file at all, so no
// earlier declaration's records can be taken for this one. The working file
// is not synced to disk: it lives for one generation, which a crash repeats.
//
// After the first failure every call answers false and motivo() keeps why.
class EscritorRegistros {
public:
    // `archivo` is a bare name in the work folder.
    EscritorRegistros(const Instalacion& instalacion, const QString& archivo);
    EscritorRegistros(const EscritorRegistros&) = delete;
    EscritorRegistros& operator=(const EscritorRegistros&) = delete;
    ~EscritorRegistros();

    // Control characters become blanks; then the record must be `largo`
    // characters long. Written followed by a line feed. `detalle` names,
    // in the length message, what the record is about: "( Venta)".
    bool agregar(QString registro, int largo, const QString& detalle = {});
    // The trailer: the same checks, written followed by CR LF.
    bool agregarUltimo(QString registro, int largo);
    // Puts the file in place; false when it could not be written whole.
    bool cerrar();

    // For a builder's own failures, such as a database error.
    void anotarMotivo(const QString& motivo);

    qint32 cantidad() const { return cantidad_; }
    const QString& motivo() const { return motivo_; }

private:
    bool escribir(QString& registro, int largo, const char* finDeLinea, const QString& detalle = {});
    void descartar();

    QString ruta_;
    QFile archivo_;  // the side file, beside ruta_
    qint32 cantidad_ = 0;
    QString motivo_;
    bool cerrado_ = false;
};

// What a builder's failed GenerarDisquete shows before answering false.
void informarFalloGeneracion(Mensajes& mensajes, const QString& motivo);

// One record operation of a builder: writes the records of its type.
struct OperacionRegistro {
    const char* tipo;  // "01"
    std::function<bool(EscritorRegistros&)> generar;
};

// The operation of type `tipo` that is `generar` of the builder `constructor`.
template <class B>
OperacionRegistro operacionDe(const char* tipo, B& constructor, bool (B::*generar)(EscritorRegistros&))
{
    return {tipo, [&constructor, generar](EscritorRegistros& salida) { return (constructor.*generar)(salida); }};
}

// Runs the operations in order until one fails, then puts the file in place.
// An Error an operation throws becomes the reason: its description,
// " en el registro ", the type and `finDeMotivo`. On failure tells the user
// why and answers false.
bool generarRegistros(EscritorRegistros& salida, const std::vector<OperacionRegistro>& operaciones,
                      const QString& finDeMotivo, Mensajes& mensajes);

}  // namespace veluma
