#include "modaldialogs.h"

#include "aboutbox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

QString OpenListFilters()
{
    return QCoreApplication::translate("ModalDialogs", "SFV(*.sfv); MD5(*.md5) (*.sfv *.md5);;"
                                                       "Simple File Verification(*.sfv);;"
                                                       "MD5 (*.md5)");
}

void QtModalDialogs::ShowError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("ModalDialogs", "Tallyfox"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtModalDialogs::ShowAbout(QWidget* parent)
{
    AboutBox box(parent);
    box.exec();
}

QString QtModalDialogs::AskListToOpen(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("ModalDialogs", "Open"), QString(), OpenListFilters());
}
