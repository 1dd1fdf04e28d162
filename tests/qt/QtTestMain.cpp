#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need one application object for the whole run, and no
// display: they run offscreen unless told otherwise.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
