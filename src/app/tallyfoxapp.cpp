#include "tallyfoxapp.h"

#include "iniplace.h"
#include "maindialog.h"
#include "toolbaricons.h"

#include <QFile>

CTallyfoxApp::CTallyfoxApp(int& argc, char** argv) : m_application(argc, argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tallyfox"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tallyfox"));
    QGuiApplication::setWindowIcon(ApplicationIcon());
}

int CTallyfoxApp::InitInstance()
{
    MainDialogOptions options;
    const std::string program = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    options.iniPath = QFile::decodeName(QByteArray::fromStdString(LocateIniFile(program)));
    options.arguments = QCoreApplication::arguments();

    CMainDialog dialog(std::move(options));
    dialog.ShowInitially();
    QApplication::exec();
    return 0;
}
