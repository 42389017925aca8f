// Shared main of the test executables: a QApplication (offscreen unless a
// display was asked for) so that widget and image tests run headless.
#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // libmpv refuses to start under another numeric locale
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
