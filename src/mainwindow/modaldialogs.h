#pragma once

#include "fontcolourdialog.h"

#include <QString>

#include <QStringList>

#include <optional>
#include <string>

class QWidget;
class SettingsHost;

// What the Save dialog for a new list answered: the path as given and the 1-based
// entry of the filter that was selected when it closed.
struct SaveListAnswer {
    QString path;
    int filterIndex = 1;
    bool perFolder = false;  // a list of a folder: one list in each folder beneath it
    bool hidden = false;     // a list of a folder: hidden files and folders too
};

// Every modal dialog the main window opens goes through this seam: the message boxes
// with their fixed texts, the About box, the Open file dialog, the settings dialog and
// its font dialog, the Save dialog for a new list. The program uses the
// Qt implementation; tests put in one that records and answers without blocking.
class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;

    // A message box with the error icon and an OK button.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // The same with the system's reason for the failure shown under the text; an empty
    // detail shows the text alone.
    virtual void ShowErrorWithDetail(QWidget* parent, const QString& text, const QString& detail) = 0;
    // The same with a caption of its own ("Folder not found").
    virtual void ShowCaptionedError(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
    // The Open dialog for checksum lists; an empty text when the user cancels.
    [[nodiscard]] virtual QString AskListToOpen(QWidget* parent) = 0;
    // The folder dialog for a folder of lists; an empty text when the user cancels.
    [[nodiscard]] virtual QString AskFolderToOpen(QWidget* parent) = 0;
    // The Save dialog for a list of a whole folder: AskListToSave with the choices of
    // one list per folder and of hidden files and folders.
    [[nodiscard]] virtual std::optional<SaveListAnswer> AskFolderListToSave(QWidget* parent, const QString& folder,
                                                                            const QString& suggestedName,
                                                                            const QStringList& filters) = 0;
    // The settings dialog over `host`; true when it was confirmed with OK.
    virtual bool RunSettingsDialog(QWidget* parent, SettingsHost& host) = 0;
    // The list's font dialog; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<FontChoice> AskListFont(QWidget* parent, const FontChoice& initial) = 0;
    // A note with the information icon that does not block: shown, and left for the
    // user to close.
    virtual void ShowNote(QWidget* parent, const QString& text) = 0;
    // The Save dialog for a new list: opens in `folder` with `suggestedName` filled in
    // and `filters` (Qt's form, the first selected), and asks before overwriting the
    // file chosen in it; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<SaveListAnswer> AskListToSave(QWidget* parent, const QString& folder,
                                                                      const QString& suggestedName,
                                                                      const QStringList& filters) = 0;
    // Asks whether the existing file `path` may be replaced; true: replace it.
    [[nodiscard]] virtual bool ConfirmReplace(QWidget* parent, const QString& path) = 0;
    // The Save dialog for a run's report: opens at `suggestedPath` with `filters` (the
    // first selected) and asks before overwriting; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<SaveListAnswer> AskReportToSave(QWidget* parent, const QString& suggestedPath,
                                                                        const QStringList& filters) = 0;
};

class QtModalDialogs final : public ModalDialogs {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowErrorWithDetail(QWidget* parent, const QString& text, const QString& detail) override;
    void ShowCaptionedError(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowAbout(QWidget* parent) override;
    [[nodiscard]] QString AskListToOpen(QWidget* parent) override;
    [[nodiscard]] QString AskFolderToOpen(QWidget* parent) override;
    [[nodiscard]] std::optional<SaveListAnswer> AskFolderListToSave(QWidget* parent, const QString& folder,
                                                                    const QString& suggestedName,
                                                                    const QStringList& filters) override;
    bool RunSettingsDialog(QWidget* parent, SettingsHost& host) override;
    [[nodiscard]] std::optional<FontChoice> AskListFont(QWidget* parent, const FontChoice& initial) override;
    void ShowNote(QWidget* parent, const QString& text) override;
    [[nodiscard]] std::optional<SaveListAnswer> AskListToSave(QWidget* parent, const QString& folder,
                                                              const QString& suggestedName,
                                                              const QStringList& filters) override;
    [[nodiscard]] bool ConfirmReplace(QWidget* parent, const QString& path) override;
    [[nodiscard]] std::optional<SaveListAnswer> AskReportToSave(QWidget* parent, const QString& suggestedPath,
                                                                const QStringList& filters) override;
};

// The Open dialog's three filters: both kinds, SFV only, MD5 only (";;"-separated).
[[nodiscard]] QString OpenListFilters();
// A filter text in description|pattern pairs ended by "||" as the Save dialog's
// filters: the description, with the pattern in brackets unless it already holds it.
[[nodiscard]] QStringList SaveListFilters(const std::string& pairs);
