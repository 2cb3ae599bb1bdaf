#pragma once

// A main window under test: its own temporary folder (list files, settings file, the
// user's desktop folders), a command line, and modal dialogs that record instead of
// blocking.

#include "checksumlist.h"
#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "generatedialog.h"
#include "iniprofile.h"
#include "mainwindow.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "recentfiles.h"
#include "runpresenter.h"
#include "settings.h"
#include "settingsdialog.h"
#include "settingsstore.h"
#include "tempdir.h"
#include "toolbarstates.h"
#include "windowviews.h"

#include <QAction>
#include <QColor>
#include <QFile>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class RecordingDialogs final : public ModalDialogs {
public:
    void ShowError(QWidget*, const QString& text) override { errors.append(text); }
    void ShowErrorWithDetail(QWidget*, const QString& text, const QString& detail) override
    {
        errors.append(text);
        errorDetails.append(detail);
    }
    void ShowCaptionedError(QWidget*, const QString& caption, const QString& text) override
    {
        errors.append(caption + QLatin1String(": ") + text);
    }
    void ShowAbout(QWidget*) override { ++aboutShown; }
    QString AskListToOpen(QWidget*) override
    {
        ++openAsked;
        return openAnswer;
    }
    QString AskFolderToOpen(QWidget*) override { return folderAnswer; }
    void ShowNote(QWidget*, const QString& text) override { notes.append(text); }
    std::optional<SaveListAnswer> AskListToSave(QWidget*, const QString& folder, const QString& suggestedName,
                                                const QStringList& filters) override
    {
        saveFolders.append(folder);
        saveNames.append(suggestedName);
        saveFilters.push_back(filters);
        return saveAnswer;
    }
    std::optional<SaveListAnswer> AskFolderListToSave(QWidget* parent, const QString& folder,
                                                      const QString& suggestedName, const QStringList& filters) override
    {
        ++folderListAsked;
        return AskListToSave(parent, folder, suggestedName, filters);
    }
    bool ConfirmReplace(QWidget*, const QString& path) override
    {
        replaceAsked.append(path);
        return replaceAnswer;
    }
    std::optional<SaveListAnswer> AskReportToSave(QWidget*, const QString& suggestedPath,
                                                  const QStringList& filters) override
    {
        reportSuggested.append(suggestedPath);
        reportFilters = filters;
        return reportAnswer;
    }

    // The settings dialog is shown without a modal loop; `onSettings` plays the user
    // (sets controls, clicks OK or Cancel). A dialog left open is cancelled.
    bool RunSettingsDialog(QWidget* parent, SettingsHost& host) override
    {
        ++settingsShown;
        SettingsDialog dialog(host, parent);
        dialog.show();
        settingsHost = &host;
        if (onSettings) {
            onSettings(dialog);
        }
        settingsHost = nullptr;
        if (dialog.isVisible()) {
            dialog.reject();
        }
        return dialog.result() == QDialog::Accepted;
    }
    std::optional<FontChoice> AskListFont(QWidget*, const FontChoice& initial) override
    {
        fontAsked.push_back(initial);
        return fontAnswer;
    }

    QStringList errors;
    QStringList errorDetails;  // the detail of each error shown with one
    int settingsShown = 0;
    std::function<void(SettingsDialog&)> onSettings;
    SettingsHost* settingsHost = nullptr;  // the window's side of the dialog while it is shown
    std::vector<FontChoice> fontAsked;
    std::optional<FontChoice> fontAnswer;  // what the font dialog answers; nothing: cancelled
    QStringList notes;
    int aboutShown = 0;
    int openAsked = 0;
    QString openAnswer;  // what the Open dialog answers; empty: cancelled
    QString folderAnswer;  // what the folder dialog answers; empty: cancelled
    int folderListAsked = 0;  // Save dialogs for a list of a whole folder
    QStringList saveFolders;               // where each Save dialog opened
    QStringList saveNames;                 // the name each suggested
    std::vector<QStringList> saveFilters;  // the filters each offered
    std::optional<SaveListAnswer> saveAnswer;  // what the Save dialog answers; nothing: cancelled
    QStringList replaceAsked;
    bool replaceAnswer = true;
    QStringList reportSuggested;                 // where each report's Save dialog opened
    QStringList reportFilters;                   // the filters the last one offered
    std::optional<SaveListAnswer> reportAnswer;  // what it answers; nothing: cancelled
};

// A long run: a sparse file of 4 GiB reads as zeros for long enough that a test can
// look at the window while the run is going, and then stop it.
inline constexpr std::uintmax_t kLongFileSize = std::uintmax_t{4} << 30;

class WindowHarness {
public:
    WindowHarness()
        : m_iniPath(QString::fromStdString(m_dir.Folder() + "tallyfox.ini")),
          m_oldDataHome(qgetenv("XDG_DATA_HOME")), m_oldConfigHome(qgetenv("XDG_CONFIG_HOME"))
    {
        // Where the window's start-up registers the program with the desktop.
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(DataHome()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_dir.Folder() + "xdg-config"));
    }
    ~WindowHarness()
    {
        window.reset();
        qputenv("XDG_DATA_HOME", m_oldDataHome);
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    }

    // Builds the window with the command line "tallyfox [argument]" and shows it.
    MainWindow& Start(const QString& argument = QString())
    {
        QStringList arguments{QStringLiteral("tallyfox")};
        if (!argument.isEmpty()) {
            arguments.append(argument);
        }
        MainWindowOptions options;
        options.iniPath = m_iniPath;
        options.iniReadPath = iniReadPath;
        options.arguments = arguments;
        options.dialogs = &dialogs;
        options.desktop = desktop;
        window = std::make_unique<MainWindow>(options);
        window->ShowInitially();
        return *window;
    }

    [[nodiscard]] const TempDir& Dir() const noexcept { return m_dir; }
    [[nodiscard]] const QString& IniPath() const noexcept { return m_iniPath; }
    // $XDG_DATA_HOME while the harness lives.
    [[nodiscard]] std::string DataHome() const { return m_dir.Folder() + "xdg-data"; }
    [[nodiscard]] QString Path(const std::string& name) const { return QString::fromStdString(m_dir.Folder() + name); }

    // good.txt holds "123456789" (CRC-32 CBF43926, the CRC's check value; MD5
    // 25F9E794323B453885F5181F1B624D0B), bad.txt holds "abc", missing.txt is absent.
    // The list names them in that order; returns its path.
    QString WriteSmallList(const std::string& name = "small.sfv") const
    {
        m_dir.WriteFile("good.txt", "123456789");
        m_dir.WriteFile("bad.txt", "abc");
        const bool md5 = QString::fromStdString(name).endsWith(QLatin1String(".md5"), Qt::CaseInsensitive);
        const std::string lines = md5 ? "25f9e794323b453885f5181f1b624d0b good.txt\n"
                                        "00000000000000000000000000000000 bad.txt\n"
                                        "00000000000000000000000000000000 missing.txt\n"
                                      : "good.txt CBF43926\nbad.txt 00000000\nmissing.txt 00000000\n";
        return QString::fromStdString(m_dir.WriteFile(name, lines));
    }

    // A list of a huge sparse file followed by good.txt.
    QString WriteLongList(const std::string& name = "long.sfv") const
    {
        m_dir.WriteFile("good.txt", "123456789");
        const std::string huge = m_dir.WriteFile("huge.bin", "");
        std::filesystem::resize_file(huge, kLongFileSize);
        return QString::fromStdString(m_dir.WriteFile(name, "huge.bin 00000000\ngood.txt CBF43926\n"));
    }

    // Clicks a toolbar button (a greyed one does nothing, as on screen).
    void Click(CommandId id) const { window->Toolbar()->Action(id)->trigger(); }

    [[nodiscard]] ButtonState State(CommandId id) const { return window->Toolbar()->State(id); }

    // Waits (bounded) until the list read that is under way has ended.
    [[nodiscard]] bool WaitForLoad() const
    {
        return QTest::qWaitFor([this] { return !window->IsLoading(); }, 30000);
    }
    // Waits (bounded) until `runs` runs have ended since the window was built.
    [[nodiscard]] bool WaitForRuns(int runs) const
    {
        return QTest::qWaitFor([this, runs] { return window->FinishedRuns() >= runs; }, 60000);
    }

    RecordingDialogs dialogs;
    DesktopServices* desktop = nullptr;  // what the window opens folders with; null: the system's
    QString iniReadPath;  // where the next start reads the settings; empty: IniPath()
    std::unique_ptr<MainWindow> window;

private:
    TempDir m_dir;
    QString m_iniPath;
    QByteArray m_oldDataHome;
    QByteArray m_oldConfigHome;
};

// Writes `settings` where the harness's window reads them at its start.
inline void StoreSettings(const WindowHarness& harness, const Settings& settings)
{
    IniProfile profile(harness.IniPath().toStdString());
    ASSERT_TRUE(SaveSettings(profile, settings, false));
}

// The names in the order the view shows them.
inline std::vector<std::string> ShownNames(const MainWindow& window)
{
    std::vector<std::string> names;
    const ChecksumListProxy& proxy = *window.ListProxy();
    for (int row = 0; row < proxy.rowCount(); ++row) {
        names.emplace_back(window.List().RowName(proxy.ListRow(row)));
    }
    return names;
}

// good.txt, bad.txt and missing.txt of the harness's small list, plus z1.txt (OK)
// and a2.txt (bad), in the order z1, bad, good, missing, a2.
inline QString WriteMixedList(const WindowHarness& harness)
{
    harness.Dir().WriteFile("good.txt", "123456789");
    harness.Dir().WriteFile("z1.txt", "123456789");
    harness.Dir().WriteFile("bad.txt", "abc");
    harness.Dir().WriteFile("a2.txt", "abc");
    return QString::fromStdString(harness.Dir().WriteFile(
        "mixed.sfv", "z1.txt CBF43926\nbad.txt 00000000\ngood.txt CBF43926\nmissing.txt 00000000\na2.txt 11111111\n"));
}

// What the list shows in row `row`: the size cell, and the background colour.
inline QString SizeCell(const MainWindow& window, int row)
{
    const ChecksumListModel& model = *window.ListModel();
    return model.data(model.index(row, 1)).toString();
}

inline QColor Background(const MainWindow& window, int row)
{
    const ChecksumListModel& model = *window.ListModel();
    return model.data(model.index(row, 0), Qt::BackgroundRole).value<QColor>();
}
