#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace veluma::test {

// A screen's control by object name, as a user finds it by its place; the test fails when it is missing.
template <class T = QWidget>
T* control(QWidget* pantalla, const char* nombre)
{
    auto* encontrado = pantalla->findChild<T*>(QString::fromUtf8(nombre));
    EXPECT_NE(encontrado, nullptr) << nombre;
    return encontrado;
}

inline void pulsar(QWidget* pantalla, const char* boton) { control<QAbstractButton>(pantalla, boton)->click(); }

inline QString texto(QWidget* pantalla, const char* caja) { return control<QLineEdit>(pantalla, caja)->text(); }

// Replaces what a box holds, as typing over a selection does.
inline void escribir(QWidget* pantalla, const char* caja, const QString& valor)
{
    auto* linea = control<QLineEdit>(pantalla, caja);
    linea->clear();
    linea->insert(valor);
}

}  // namespace veluma::test
