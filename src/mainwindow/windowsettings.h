#pragma once

#include "settings.h"

#include <QCoreApplication>
#include <QFont>
#include <QString>

class ModalDialogs;
class QWidget;
class RecentFiles;
class RunPresenter;

// The window's settings: read at start-up and put into effect (fonts, row colours, run
// options, the window's place, the recent files), changed through the settings dialog
// ("Properties", over MainSettingsHost) and saved at close and after OK.
class WindowSettings final {
    Q_DECLARE_TR_FUNCTIONS(WindowSettings)

public:
    // `iniPath` empty: no settings file is read or written. `iniReadPath` empty: the
    // settings are read from `iniPath`.
    WindowSettings(QWidget& window, RunPresenter& run, ModalDialogs& dialogs, QString iniPath, QString iniReadPath);

    // Reads the settings and sets the list's font and the header's.
    void Load();
    // Puts the rest of the settings read at start-up into effect (colours, size display,
    // run options, window place, recent files).
    void ApplyLoaded(RecentFiles& recent);
    void Save(const RecentFiles& recent);
    // Says once, without blocking, that settings read from an unwritable file now go elsewhere.
    void NoteWhereSettingsGo();
    // The settings dialog; what it changed applies whatever its button, and OK saves.
    void RunPropertiesDialog(const RecentFiles& recent);

    // What the settings dialog changes.
    void ApplyListFont(const FontRecord& record);
    void ReapplyHeaderFont();
    void RefreshListLayout();
    void SetRowColours(const ListViewColorRecord& colours);
    void SetFlags(std::int32_t savePosition, std::int32_t fullRowSelect, std::int32_t autoScroll);
    void SetSizeType(std::int32_t sizeType);

    [[nodiscard]] const Settings& Current() const noexcept { return m_settings; }
    [[nodiscard]] const QFont& HeaderFont() const noexcept { return m_headerFont; }

private:
    [[nodiscard]] Settings ReadSettings() const;
    // Where the settings are read from (the settings file unless they move).
    [[nodiscard]] QString IniReadPath() const;
    void ApplyHeaderFont(const FontRecord& record);
    void ApplyFullRowSelect();

    QWidget& m_window;
    RunPresenter& m_run;
    ModalDialogs& m_dialogs;
    QString m_iniPath;
    QString m_iniReadPath;
    Settings m_settings;
    FontRecord m_defaultFont;
    QFont m_headerFont;
};
