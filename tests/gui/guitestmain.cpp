// GoogleTest main for the GUI tests: one QApplication for the whole run, on the
// offscreen platform unless the environment names another. The user's desktop folders
// point into a temporary folder, so that the window's start-up never registers the
// test program in the real home.

#include "tempdir.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const TempDir desktopHome;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(desktopHome.Folder() + "data"));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(desktopHome.Folder() + "config"));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
