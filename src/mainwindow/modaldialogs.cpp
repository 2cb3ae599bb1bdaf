#include "modaldialogs.h"

#include "aboutbox.h"

#include <QFileDialog>
#include <QMessageBox>

QString OpenListFilters()
{
    return QStringLiteral("SFV(*.sfv); MD5(*.md5) (*.sfv *.md5);;"
                          "Simple File Verification(*.sfv);;"
                          "MD5 (*.md5)");
}

void QtModalDialogs::ShowError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tallyfox"), text, QMessageBox::Ok, parent);
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
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(), OpenListFilters());
}

void QtModalDialogs::ShowNote(QWidget* parent, const QString& text)
{
    // Owned by the parent and deleted when closed.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Tallyfox"), text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
