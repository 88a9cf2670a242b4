#include <QApplication>
#include <gtest/gtest.h>

// The main of the test programs whose code needs a GUI application (screens, fonts for printed pages). Offscreen,
// so that no test needs a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
