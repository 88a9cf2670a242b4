#pragma once

#include "f618/percepciones_618.h"
#include "pantallas/pantalla_entrada.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QToolButton;

namespace veluma {

class Mensajes;
struct Sesion;

// The perceptions of the session's Form 618 declaration: for sales and for
// rentals the videograms and the rate typed by the user, the net collected
// and the perception; and the total to deposit.
class frm618TotalPercepcionesEfectuadas : public PantallaEntrada {
    Q_OBJECT
public:
    frm618TotalPercepcionesEfectuadas(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

    // Every way of closing warns about a kind with incomes and no videograms.
    void done(int resultado) override;

private:
    void crearControles();
    void Form_Load();
    void mostrarFiguras();
    void HabilitarEdicion(bool editando);
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    cls618TotalPercepciones percepciones_;
    bool editando_ = false;

    QGroupBox* frDatos_;
    QLineEdit* txtCantidadV_;
    QLineEdit* txtCantidadA_;
    QLineEdit* txtNetoCobradoV_;
    QLineEdit* txtNetoCobradoA_;
    QLineEdit* txtTasaV_;
    QLineEdit* txtTasaA_;
    QLineEdit* txtTotalPercepcionV_;
    QLineEdit* txtTotalPercepcionA_;
    QLineEdit* txtTotalDepositar_;
    QToolButton* cmdModificar_;
    QToolButton* cmdAceptar_;
    QToolButton* cmdCancelar_;
    QToolButton* cmdSalir_;
};

}  // namespace veluma
