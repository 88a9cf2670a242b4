#include <QGuiApplication>
#include <gtest/gtest.h>

// Laying out the printed forms needs fonts: a GUI application, offscreen.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
