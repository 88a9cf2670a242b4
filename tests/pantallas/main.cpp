#include "formularios_instalados.h"
#include "pantallas_instaladas.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    veluma::registrarFormularios();
    veluma::registrarPantallas();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
