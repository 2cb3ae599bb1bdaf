#include "tallyfoxapp.h"

#include "iniplace.h"
#include "installlocation.h"
#include "mainwindow.h"
#include "pathtext.h"
#include "toolbaricons.h"


TallyfoxApp::TallyfoxApp(int& argc, char** argv)
    : m_application(argc, argv),
      m_translations(QLocale::system(), TranslationFolders(QCoreApplication::applicationDirPath()))
{
    QCoreApplication::setApplicationName(QStringLiteral("Tallyfox"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tallyfox"));
    QGuiApplication::setWindowIcon(ApplicationIcon());
}

int TallyfoxApp::InitInstance()
{
    MainWindowOptions options;
    const std::string program = NarrowPath(QCoreApplication::applicationFilePath());
    const IniFiles settingsFiles = LocateIniFiles(program, IsInstalledProgram(program, ConfiguredInstallLayout()));
    options.iniPath = WidePath(settingsFiles.writePath);
    options.iniReadPath = WidePath(settingsFiles.readPath);
    options.arguments = QCoreApplication::arguments();

    MainWindow dialog(std::move(options));
    dialog.ShowInitially();
    QApplication::exec();
    return 0;
}
