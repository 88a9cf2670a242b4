#pragma once

#include "core/sesion.h"
#include "support/arboles.h"
#include "support/controles.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <QTest>
#include <memory>

namespace veluma::test {

// A Form 708 declaration (05/2004, original, at 10 %) of the first demo
// taxpayer, with helpers to drive one of its screens as the user would.
class Pantalla708 : public SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        usarDeclaracion(200405, 0);
        crearDeclaracion708(sesion);
    }
    void TearDown() override { pantalla.reset(); }

    // Shows the screen, active, as the manager would open it.
    template <class P>
    P& mostrar(std::unique_ptr<P> nueva)
    {
        P& creada = *nueva;
        pantalla = std::move(nueva);
        pantalla->show();
        pantalla->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(pantalla.get()));
        return creada;
    }

    template <class T = QWidget>
    T* control(const char* nombre)
    {
        return test::hijo<T>(*pantalla, nombre);
    }
    QString texto(const char* caja) { return test::texto(pantalla.get(), caja); }
    void pulsar(const char* nombre) { test::pulsar(pantalla.get(), nombre); }
    void escribir(const char* caja, const QString& valor) { test::escribir(pantalla.get(), caja, valor); }

    // The visible buttons among `nombres`, by the letter after "cmd"; "-" for each hidden one.
    QString botones(std::initializer_list<const char*> nombres)
    {
        QString vistos;
        for (const char* nombre : nombres)
            vistos += control(nombre)->isVisibleTo(pantalla.get()) ? QChar(QLatin1Char(nombre[3])) : QChar(u'-');
        return vistos;
    }

    void sala(int codigo, const QString& nombre, const QString& domicilio, const QString& incaa, int periodo = 200405)
    {
        sesion.base
            .prepare(QStringLiteral("INSERT INTO [708Salas](CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                    "DOMICILIO_SALA, COD_INCAA) VALUES (?, ?, 0, ?, ?, ?, ?)"))
            .bindAll(sesion.cuit, periodo, codigo, nombre, domicilio, incaa)
            .run();
    }

    void linea(int codigoSala, int semana, double precio, int entradas, int periodo = 200405)
    {
        sesion.base
            .prepare(QStringLiteral("INSERT INTO [708ImpuestoDeterminado](CUIT, PERIODO, SECUENCIA, COD_SALA, "
                                    "NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA) "
                                    "VALUES (?, ?, 0, ?, ?, ?, ?)"))
            .bindAll(sesion.cuit, periodo, codigoSala, semana, precio, entradas)
            .run();
    }

    // "COD_SALA|NRO_SEMANA|PRECIO_VENTA|CANT" of every ticket line of a period.
    QStringList lineas(int periodo = 200405)
    {
        return filasDeConsulta(sesion.base,
                               QStringLiteral("SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA, "
                                              "CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
                                              "WHERE PERIODO=%1 ORDER BY COD_SALA, NRO_SEMANA, PRECIO_VENTA")
                                   .arg(periodo));
    }

    std::unique_ptr<QWidget> pantalla;
};

}  // namespace veluma::test
