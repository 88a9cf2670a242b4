#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace veluma::test {

// The screen's control of that name, as a user finds it by its place; the test fails when there is none.
template <class T = QWidget>
T* hijo(const QWidget& pantalla, const QString& nombre)
{
    T* control = pantalla.findChild<T*>(nombre);
    EXPECT_NE(control, nullptr) << nombre.toStdString();
    return control;
}

inline void pulsar(const QWidget* pantalla, const char* boton) { hijo<QAbstractButton>(*pantalla, boton)->click(); }

inline QString texto(const QWidget* pantalla, const char* caja) { return hijo<QLineEdit>(*pantalla, caja)->text(); }

// Replaces what a box holds, as typing over a selection does.
inline void escribir(const QWidget* pantalla, const char* caja, const QString& valor)
{
    auto* linea = hijo<QLineEdit>(*pantalla, caja);
    linea->clear();
    linea->insert(valor);
}

}  // namespace veluma::test
