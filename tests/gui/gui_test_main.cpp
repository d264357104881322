// The window tests run on a QApplication; without a platform chosen they use the offscreen one,
// so that they need no display.

#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
