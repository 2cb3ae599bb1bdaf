#include "tallyfoxapp.h"

#include "iniplace.h"
#include "maindialog.h"
#include "pathtext.h"
#include "toolbaricons.h"


CTallyfoxApp::CTallyfoxApp(int& argc, char** argv) : m_application(argc, argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tallyfox"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tallyfox"));
    QGuiApplication::setWindowIcon(ApplicationIcon());
}

int CTallyfoxApp::InitInstance()
{
    MainDialogOptions options;
    const std::string program = NarrowPath(QCoreApplication::applicationFilePath());
    options.iniPath = WidePath(LocateIniFile(program));
    options.arguments = QCoreApplication::arguments();

    CMainDialog dialog(std::move(options));
    dialog.ShowInitially();
    QApplication::exec();
    return 0;
}
