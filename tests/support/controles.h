#pragma once

#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace veluma::test {

// The screen's control of that name; the test fails when there is none.
template <class T>
T* hijo(const QWidget& pantalla, const QString& nombre)
{
    T* control = pantalla.findChild<T*>(nombre);
    EXPECT_NE(control, nullptr) << nombre.toStdString();
    return control;
}

}  // namespace veluma::test
