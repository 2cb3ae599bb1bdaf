#pragma once

#include "commandid.h"

#include <QToolBar>

#include <array>

class QAction;
class QMenu;
class QToolButton;

// The main window's toolbar: twelve positions carrying the ids 5000 to 5011 (four of
// them separators), with their pictures and tooltips. "Open " and "Generate" have a
// drop-down arrow whose menu is filled anew each time it opens. Every action carries
// its command id as its data. The commands used most have shortcuts, which their
// tooltips show; the buttons take keyboard focus with Tab.
//
// A button's state is one of enabled, enabled and checked, or disabled. The list
// commands (Open, the view toggle, Start/Pause, Stop, Properties) can also be held
// off for a moment (while a list loads) without losing the state they will return to.
class MainToolbar final : public QToolBar {
    Q_OBJECT

public:
    explicit MainToolbar(QWidget* parent = nullptr);

    [[nodiscard]] QAction* Action(CommandId id) const;
    [[nodiscard]] QToolButton* Button(CommandId id) const;

    void SetButtonState(CommandId id, ButtonState state);
    [[nodiscard]] ButtonState State(CommandId id) const;
    // The tooltip as the button shows it: its text and, where it has one, its shortcut.
    [[nodiscard]] QString ShownToolTip(CommandId id) const;
    void SetListCommandsHeld(bool held);

    // The drop-down menus of "Open " (recent files) and "Generate".
    [[nodiscard]] QMenu* RecentFilesMenu() const noexcept { return m_recentMenu; }
    [[nodiscard]] QMenu* GenerateMenu() const noexcept { return m_generateMenu; }

signals:
    // A toolbar button or one of its menu items was chosen.
    void CommandTriggered(CommandId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kPositions = 12;
    [[nodiscard]] static int Index(CommandId id) noexcept;
    void AddPosition(CommandId id);
    void ApplyEnabled(CommandId id);

    std::array<QAction*, kPositions> m_actions{};
    std::array<ButtonState, kPositions> m_states{};
    bool m_listCommandsHeld = false;
    QMenu* m_recentMenu;
    QMenu* m_generateMenu;
};

// The tooltip of a toolbar position ("" for separators).
[[nodiscard]] QString ToolbarTooltip(CommandId id);
