#pragma once

#include "core/sesion.h"
#include "support/sesion_de_prueba.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <memory>

namespace veluma::test {

// A Form 708 declaration (05/2004, original) of the first demo taxpayer, with
// helpers to drive one of its screens as the user would.
class Pantalla708 : public SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        sesion.cuit = instalacion.cuits().first();
        sesion.formulario = 708;
        sesion.periodo = 200405;
        sesion.secuencia = 0;
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
    T* control(const char* nombre, QWidget* en = nullptr)
    {
        QWidget* raiz = en ? en : pantalla.get();
        auto* encontrado = raiz->findChild<T*>(QString::fromUtf8(nombre));
        EXPECT_NE(encontrado, nullptr) << nombre;
        return encontrado;
    }

    QString texto(const char* caja, QWidget* en = nullptr) { return control<QLineEdit>(caja, en)->text(); }
    void pulsar(const char* nombre, QWidget* en = nullptr) { control<QAbstractButton>(nombre, en)->click(); }

    void escribir(const char* caja, const QString& valor, QWidget* en = nullptr)
    {
        auto* linea = control<QLineEdit>(caja, en);
        linea->clear();
        linea->insert(valor);
    }

    // The visible buttons among `nombres`, by the letter after "cmd"; "-" for each hidden one.
    QString botones(std::initializer_list<const char*> nombres, QWidget* en = nullptr)
    {
        QWidget* raiz = en ? en : pantalla.get();
        QString vistos;
        for (const char* nombre : nombres)
            vistos += control(nombre, raiz)->isVisibleTo(raiz) ? QChar(QLatin1Char(nombre[3])) : QChar(u'-');
        return vistos;
    }

    // The rows of a query with bound values, columns joined with "|".
    template <class... Valores>
    QStringList filas(const QString& sql, const Valores&... valores)
    {
        Statement consulta = sesion.base.prepare(sql);
        consulta.bindAll(valores...);
        QStringList leidas;
        while (consulta.next()) {
            QStringList columnas;
            for (int i = 0; i < consulta.columnCount(); ++i)
                columnas += consulta.isNull(i) ? QStringLiteral("NULL") : consulta.value(i).toString();
            leidas += columnas.join(QLatin1Char('|'));
        }
        return leidas;
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
        return filas(QStringLiteral("SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA "
                                    "FROM [708ImpuestoDeterminado] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=0 "
                                    "ORDER BY COD_SALA, NRO_SEMANA, PRECIO_VENTA"),
                     sesion.cuit, periodo);
    }

    std::unique_ptr<QWidget> pantalla;
};

}  // namespace veluma::test
