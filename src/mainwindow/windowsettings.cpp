// Reading and saving the settings, and applying the list's fonts, colours and
// selection style.

#include "windowsettings.h"

#include "mainsettingshost.h"
#include "recentfiles.h"
#include "runpresenter.h"
#include "verifycontroller.h"

#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "colorref.h"
#include "fontconversion.h"
#include "iniprofile.h"
#include "modaldialogs.h"
#include "pathtext.h"
#include "placeonscreen.h"
#include "settingsstore.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QWidget>

#include <vector>

namespace {

ScreenRect ToScreenRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.x() + rect.width(), rect.y() + rect.height()};
}

}  // namespace

WindowSettings::WindowSettings(QWidget& window, RunPresenter& run, ModalDialogs& dialogs, QString iniPath,
                               QString iniReadPath)
    : m_window(window), m_run(run), m_dialogs(dialogs), m_iniPath(std::move(iniPath)),
      m_iniReadPath(std::move(iniReadPath))
{
}

void WindowSettings::Load()
{
    // Fonts: the stored list font or the default, and the default for the header.
    m_defaultFont = DefaultFontRecord(m_window.logicalDpiY());
    m_settings = ReadSettings();
    ApplyListFont(m_settings.listFontStored ? m_settings.listFont : m_defaultFont);
    ApplyHeaderFont(m_defaultFont);
}

void WindowSettings::RunPropertiesDialog(const RecentFiles& recent)
{
    const int sizeTypeBefore = m_settings.sizeType;
    MainSettingsHost host(*this, m_window, m_dialogs);
    const bool confirmed = m_dialogs.RunSettingsDialog(&m_window, host);
    // Applied whatever the button: full-row selection, and the size cells when the
    // size display changed.
    ApplyFullRowSelect();
    if (m_settings.sizeType != sizeTypeBefore) {
        m_run.RefreshAllRowSizes(m_settings.sizeType);
    }
    if (confirmed) {
        Save(recent);  // a crash after OK keeps what OK confirmed
    }
}

void WindowSettings::ReapplyHeaderFont()
{
    m_run.ListView()->horizontalHeader()->setFont(m_headerFont);
}

void WindowSettings::SetRowColours(const ListViewColorRecord& colours)
{
    m_settings.rowColours = colours;
    m_run.ListModel()->SetRowColours(colours);
}

void WindowSettings::SetFlags(std::int32_t savePosition, std::int32_t fullRowSelect, std::int32_t autoScroll)
{
    m_settings.windowPos.savePosition = savePosition;
    m_settings.fullRowSelect = fullRowSelect;
    m_settings.autoScroll = autoScroll;
    m_run.Controller().SetAutoScroll(autoScroll != 0);
}

void WindowSettings::SetSizeType(std::int32_t sizeType)
{
    m_settings.sizeType = sizeType;
    m_run.Controller().SetSizeType(sizeType);
}

Settings WindowSettings::ReadSettings() const
{
    if (m_iniPath.isEmpty()) {
        Settings defaults;
        defaults.listFont = m_defaultFont;
        return defaults;
    }
    const IniProfile profile(NarrowPath(m_iniPath), NarrowPath(IniReadPath()));
    return ::LoadSettings(profile, m_window.logicalDpiY());
}

void WindowSettings::ApplyLoaded(RecentFiles& recent)
{
    m_run.ListModel()->SetRowColours(m_settings.rowColours);
    m_run.Controller().SetSizeType(m_settings.sizeType);
    m_run.Controller().SetAutoScroll(m_settings.autoScroll != 0);
    m_run.Controller().SetFilesInFlight(m_settings.filesInFlight);
    ApplyFullRowSelect();

    const WindowPosRecord& pos = m_settings.windowPos;
    if (m_settings.windowPosStored && pos.savePosition != 0) {
        // A rectangle stored on a screen that is gone comes back onto the primary one.
        std::vector<ScreenRect> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            screens.push_back(ToScreenRect(screen->availableGeometry()));
        }
        const QScreen* primary = QGuiApplication::primaryScreen();
        const ScreenRect place = PlaceOnScreen({pos.left, pos.top, pos.right, pos.bottom}, screens,
                                               primary != nullptr ? ToScreenRect(primary->availableGeometry())
                                                                  : ScreenRect{});
        m_window.setGeometry(place.left, place.top, place.right - place.left, place.bottom - place.top);
    }

    QStringList paths;
    for (const std::string& path : m_settings.recentFiles) {
        paths.append(WidePath(path));
    }
    recent.Assign(paths);
}

void WindowSettings::Save(const RecentFiles& recent)
{
    if (m_iniPath.isEmpty()) {
        return;
    }
    m_settings.recentFiles.clear();
    for (const QString& path : recent.Entries()) {
        m_settings.recentFiles.push_back(NarrowPath(path));
    }
    // The window's own rectangle (without the window manager's frame), so that the
    // window comes back exactly where it was.
    const QRect place = m_window.geometry();
    WindowPosRecord& pos = m_settings.windowPos;
    pos.left = place.left();
    pos.top = place.top();
    pos.right = place.x() + place.width();
    pos.bottom = place.y() + place.height();
    pos.maximized = m_window.isMaximized() ? 1 : 0;

    IniProfile profile(NarrowPath(m_iniPath), NarrowPath(IniReadPath()));
    ::SaveSettings(profile, m_settings, m_window.isMinimized());
}

QString WindowSettings::IniReadPath() const
{
    return m_iniReadPath.isEmpty() ? m_iniPath : m_iniReadPath;
}

void WindowSettings::NoteWhereSettingsGo()
{
    if (m_iniPath.isEmpty() || IniReadPath() == m_iniPath) {
        return;
    }
    m_dialogs.ShowNote(&m_window, tr("The settings file %1 cannot be written. Settings are read from it and "
                                     "from now on saved to %2.")
                                      .arg(IniReadPath(), m_iniPath));
}

void WindowSettings::ApplyListFont(const FontRecord& record)
{
    m_settings.listFont = record;
    m_run.ListView()->setFont(FontFromRecord(record));
    m_run.ListModel()->SetTextColour(ColourFromColorRef(record.colour));
}

void WindowSettings::ApplyHeaderFont(const FontRecord& record)
{
    // Set on the header itself, so it keeps this font whatever the list's font becomes.
    m_headerFont = FontFromRecord(record);
    m_run.ListView()->horizontalHeader()->setFont(m_headerFont);
}

void WindowSettings::ApplyFullRowSelect()
{
    m_run.ListView()->SetFullRowSelect(m_settings.fullRowSelect != 0);
}

void WindowSettings::RefreshListLayout()
{
    m_run.ListView()->viewport()->update();
    m_run.ListView()->FitColumns();
}
