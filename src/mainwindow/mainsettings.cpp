// Reading and saving the settings, and applying the list's fonts, colours and
// selection style.

#include "mainwindow.h"

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

#include <vector>

namespace {

ScreenRect ToScreenRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.x() + rect.width(), rect.y() + rect.height()};
}

}  // namespace

Settings MainWindow::ReadSettings() const
{
    if (m_options.iniPath.isEmpty()) {
        Settings defaults;
        defaults.listFont = m_defaultFont;
        return defaults;
    }
    const IniProfile profile(NarrowPath(m_options.iniPath), NarrowPath(IniReadPath()));
    return ::LoadSettings(profile, logicalDpiY());
}

void MainWindow::ApplyLoadedSettings()
{
    m_model->SetRowColours(m_settings.rowColours);
    m_controller.SetSizeType(m_settings.sizeType);
    m_controller.SetAutoScroll(m_settings.autoScroll != 0);
    m_controller.SetFilesInFlight(m_settings.filesInFlight);
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
        setGeometry(place.left, place.top, place.right - place.left, place.bottom - place.top);
    }

    QStringList recent;
    for (const std::string& path : m_settings.recentFiles) {
        recent.append(WidePath(path));
    }
    m_recentFiles.Assign(recent);
}

void MainWindow::SaveSettings()
{
    if (m_options.iniPath.isEmpty()) {
        return;
    }
    m_settings.recentFiles.clear();
    for (const QString& path : m_recentFiles.Entries()) {
        m_settings.recentFiles.push_back(NarrowPath(path));
    }
    // The window's own rectangle (without the window manager's frame), so that the
    // window comes back exactly where it was.
    const QRect place = geometry();
    WindowPosRecord& pos = m_settings.windowPos;
    pos.left = place.left();
    pos.top = place.top();
    pos.right = place.x() + place.width();
    pos.bottom = place.y() + place.height();
    pos.maximized = isMaximized() ? 1 : 0;

    IniProfile profile(NarrowPath(m_options.iniPath), NarrowPath(IniReadPath()));
    ::SaveSettings(profile, m_settings, isMinimized());
}

QString MainWindow::IniReadPath() const
{
    return m_options.iniReadPath.isEmpty() ? m_options.iniPath : m_options.iniReadPath;
}

void MainWindow::NoteWhereSettingsGo()
{
    if (m_options.iniPath.isEmpty() || IniReadPath() == m_options.iniPath) {
        return;
    }
    m_dialogs->ShowNote(this, tr("The settings file %1 cannot be written. Settings are read from it and "
                                 "from now on saved to %2.")
                                  .arg(IniReadPath(), m_options.iniPath));
}

void MainWindow::ApplyListFont(const FontRecord& record)
{
    m_settings.listFont = record;
    m_listView->setFont(FontFromRecord(record));
    m_model->SetTextColour(ColourFromColorRef(record.colour));
}

void MainWindow::ApplyHeaderFont(const FontRecord& record)
{
    // Set on the header itself, so it keeps this font whatever the list's font becomes.
    m_headerFont = FontFromRecord(record);
    m_listView->horizontalHeader()->setFont(m_headerFont);
}

void MainWindow::ApplyFullRowSelect()
{
    m_listView->SetFullRowSelect(m_settings.fullRowSelect != 0);
}

void MainWindow::RefreshListLayout()
{
    m_listView->viewport()->update();
    m_listView->FitColumns();
}
