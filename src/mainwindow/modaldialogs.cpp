#include "modaldialogs.h"

#include "aboutbox.h"
#include "settingsdialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>

QString OpenListFilters()
{
    return QCoreApplication::translate("ModalDialogs", "SFV(*.sfv); MD5(*.md5) (*.sfv *.md5);;"
                                                       "Simple File Verification(*.sfv);;"
                                                       "MD5 (*.md5);;"
                                                       "SHA-1, SHA-256, SHA-512 (*.sha1 *.sha256 *.sha512 *SUMS);;"
                                                       "BLAKE2b, BLAKE3 (*.b2 *.b3 *SUMS);;"
                                                       "All files (*)");
}

QStringList SaveListFilters(const std::string& pairs)
{
    const QStringList parts = QString::fromStdString(pairs).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;  // the closing "||"
        }
        const QString description = QCoreApplication::translate("ModalDialogs", parts[i].toUtf8().constData());
        const QString bracketed = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        filters.append(description.contains(bracketed) ? description : description + QLatin1Char(' ') + bracketed);
    }
    return filters;
}

void QtModalDialogs::ShowError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("ModalDialogs", "Tallyfox"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtModalDialogs::ShowErrorWithDetail(QWidget* parent, const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("ModalDialogs", "Tallyfox"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(detail.toHtmlEscaped());
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

QString QtModalDialogs::AskFolderToOpen(QWidget* parent)
{
    return QFileDialog::getExistingDirectory(parent, QCoreApplication::translate("ModalDialogs", "Open Folder of Lists"));
}

bool QtModalDialogs::RunSettingsDialog(QWidget* parent, SettingsHost& host)
{
    SettingsDialog dialog(host, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<FontChoice> QtModalDialogs::AskListFont(QWidget* parent, const FontChoice& initial)
{
    FontColourDialog dialog(initial, parent);
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

std::optional<SaveListAnswer> QtModalDialogs::AskListToSave(QWidget* parent, const QString& folder,
                                                            const QString& suggestedName, const QStringList& filters)
{
    QFileDialog dialog(parent, QCoreApplication::translate("ModalDialogs", "Save As"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);  // asking before overwriting is the dialog's default
    if (!suggestedName.isEmpty()) {
        dialog.selectFile(suggestedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    return SaveListAnswer{dialog.selectedFiles().first(), index < 0 ? 1 : static_cast<int>(index) + 1};
}

std::optional<SaveListAnswer> QtModalDialogs::AskFolderListToSave(QWidget* parent, const QString& folder,
                                                                  const QString& suggestedName,
                                                                  const QStringList& filters)
{
    QFileDialog dialog(parent, QCoreApplication::translate("ModalDialogs", "Save As"), folder);
    // Qt's own dialog, which takes the two check boxes under its controls.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (!suggestedName.isEmpty()) {
        dialog.selectFile(suggestedName);
    }
    auto* perFolder = new QCheckBox(
        QCoreApplication::translate("ModalDialogs", "One list in each &folder (named after its folder)"), &dialog);
    perFolder->setObjectName(QStringLiteral("perFolderCheck"));
    auto* hidden = new QCheckBox(QCoreApplication::translate("ModalDialogs", "Include &hidden files"), &dialog);
    hidden->setObjectName(QStringLiteral("hiddenFilesCheck"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(perFolder, row, 0, 1, grid->columnCount());
        grid->addWidget(hidden, row + 1, 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    return SaveListAnswer{dialog.selectedFiles().first(), index < 0 ? 1 : static_cast<int>(index) + 1,
                          perFolder->isChecked(), hidden->isChecked()};
}

bool QtModalDialogs::ConfirmReplace(QWidget* parent, const QString& path)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("ModalDialogs", "Tallyfox"),
                    QCoreApplication::translate("ModalDialogs", "%1 already exists.\nDo you want to replace it?").arg(path),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<SaveListAnswer> QtModalDialogs::AskReportToSave(QWidget* parent, const QString& suggestedPath,
                                                              const QStringList& filters)
{
    QFileDialog dialog(parent, QCoreApplication::translate("ModalDialogs", "Save Report"), suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);  // asking before overwriting is the dialog's default
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    return SaveListAnswer{dialog.selectedFiles().first(), index < 0 ? 1 : static_cast<int>(index) + 1};
}
