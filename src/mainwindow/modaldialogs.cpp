#include "modaldialogs.h"

#include "aboutbox.h"
#include "settingsdlg.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

QString OpenListFilters()
{
    return QCoreApplication::translate("ModalDialogs", "SFV(*.sfv); MD5(*.md5) (*.sfv *.md5);;"
                                                       "Simple File Verification(*.sfv);;"
                                                       "MD5 (*.md5);;"
                                                       "SHA-1, SHA-256, SHA-512 (*.sha1 *.sha256 *.sha512 *SUMS);;"
                                                       "All files (*)");
}

void QtModalDialogs::ShowError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("ModalDialogs", "Tallyfox"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtModalDialogs::ShowCaptionedError(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
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

bool QtModalDialogs::RunSettingsDialog(QWidget* parent, SettingsHost& host)
{
    CSettingsDlg dialog(host, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<FontChoice> QtModalDialogs::AskListFont(QWidget* parent, const FontChoice& initial)
{
    CFontColourDlg dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
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
