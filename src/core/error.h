#pragma once

#include <QString>
#include <stdexcept>

namespace veluma {

// A failure the user is told about: the number and description that the
// error message shows ("Ha ocurrido el error N con la siguiente descripción").
class Error : public std::runtime_error {
public:
    Error(int numero, const QString& descripcion);

    int numero() const { return numero_; }
    const QString& descripcion() const { return descripcion_; }

private:
    int numero_;
    QString descripcion_;
};

// The run-time error numbers the program's own failures use, as the user and
// the help desk know them.
inline constexpr int kErrorArgumentoNoValido = 5;
inline constexpr int kErrorDesbordamiento = 6;
inline constexpr int kErrorDivisionPorCero = 11;
inline constexpr int kErrorArchivoNoEncontrado = 53;
inline constexpr int kErrorAccesoArchivo = 75;

}  // namespace veluma

namespace veluma {

// The user has already been told why the session cannot go on; end quietly.
class FinDelPrograma : public std::exception {
public:
    const char* what() const noexcept override { return "fin del programa"; }
};

}  // namespace veluma
