#include "maintoolbar.h"

#include "toolbaricons.h"

#include <QAction>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMenu>
#include <QToolButton>
#include <QToolTip>

namespace {

enum class PositionKind { Separator, DropDown, Check, Plain };

struct Position {
    CommandId id;
    PositionKind kind;
    ToolbarPicture picture;
    const char* tooltip;   // translated when shown
    const char* shortcut;  // portable key text; "" for none
};

constexpr Position kToolbarPositions[] = {
    {CommandId::Open, PositionKind::DropDown, ToolbarPicture::OpenFolder, QT_TRANSLATE_NOOP("MainToolbar", "Open "),
     "Ctrl+O"},
    {CommandId::Separator1, PositionKind::Separator, ToolbarPicture::BlankPage, "", ""},
    {CommandId::ViewToggle, PositionKind::Check, ToolbarPicture::BlankPage,
     QT_TRANSLATE_NOOP("MainToolbar", "Create .SFV/.MD5 File"), "Ctrl+B"},
    {CommandId::Generate, PositionKind::DropDown, ToolbarPicture::FloppyDisk, QT_TRANSLATE_NOOP("MainToolbar", "Generate"),
     "Ctrl+G"},
    {CommandId::Separator2, PositionKind::Separator, ToolbarPicture::BlankPage, "", ""},
    {CommandId::StartPause, PositionKind::Check, ToolbarPicture::StartPause,
     QT_TRANSLATE_NOOP("MainToolbar", "Start/Pause"), "F5"},
    {CommandId::Stop, PositionKind::Plain, ToolbarPicture::RedSquare, QT_TRANSLATE_NOOP("MainToolbar", "Stop"),
     "Shift+F5"},
    {CommandId::Separator3, PositionKind::Separator, ToolbarPicture::BlankPage, "", ""},
    {CommandId::Properties, PositionKind::Plain, ToolbarPicture::CheckListWindow,
     QT_TRANSLATE_NOOP("MainToolbar", "Properties"), "Ctrl+,"},
    {CommandId::AlwaysOnTop, PositionKind::Check, ToolbarPicture::PushPin,
     QT_TRANSLATE_NOOP("MainToolbar", "Always on Top"), ""},
    {CommandId::Separator4, PositionKind::Separator, ToolbarPicture::BlankPage, "", ""},
    {CommandId::About, PositionKind::Plain, ToolbarPicture::AbcTile, QT_TRANSLATE_NOOP("MainToolbar", "About"), ""},
};

bool IsListCommand(CommandId id) noexcept
{
    return id == CommandId::Open || id == CommandId::ViewToggle || id == CommandId::StartPause ||
           id == CommandId::Stop || id == CommandId::Properties;
}

}  // namespace

QString ToolbarTooltip(CommandId id)
{
    for (const Position& position : kToolbarPositions) {
        if (position.id == id) {
            return MainToolbar::tr(position.tooltip);
        }
    }
    return {};
}

MainToolbar::MainToolbar(QWidget* parent)
    : QToolBar(parent), m_recentMenu(new QMenu(this)), m_generateMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("mainToolbar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_recentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    m_generateMenu->setObjectName(QStringLiteral("generateMenu"));
    m_states.fill(ButtonState::Enabled);
    for (const Position& position : kToolbarPositions) {
        AddPosition(position.id);
    }
    Action(CommandId::Properties)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    for (QMenu* menu : {m_recentMenu, m_generateMenu}) {
        connect(menu, &QMenu::triggered, this, [this](QAction* item) {
            bool ok = false;
            const int id = item->data().toInt(&ok);
            if (ok) {
                emit CommandTriggered(static_cast<CommandId>(id));
            }
        });
    }
    // The generate menu's items, one per kind a list can be; the recent-files menu is
    // filled when it opens.
    m_generateMenu->addAction(tr("Generate With &SFV"))->setData(static_cast<int>(CommandId::GenerateSfv));
    m_generateMenu->addAction(tr("Generate With &MD5"))->setData(static_cast<int>(CommandId::GenerateMd5));
    m_generateMenu->addAction(tr("Generate With SHA-&1"))->setData(static_cast<int>(CommandId::GenerateSha1));
    m_generateMenu->addAction(tr("Generate With SHA-&256"))->setData(static_cast<int>(CommandId::GenerateSha256));
    m_generateMenu->addAction(tr("Generate With SHA-&512"))->setData(static_cast<int>(CommandId::GenerateSha512));
    m_generateMenu->addAction(tr("Generate With &BLAKE2b"))->setData(static_cast<int>(CommandId::GenerateBlake2b));
    m_generateMenu->addAction(tr("Generate With BLAKE&3"))->setData(static_cast<int>(CommandId::GenerateBlake3));
    m_recentMenu->setAccessibleName(tr("Recent files"));
    m_generateMenu->setAccessibleName(tr("Generate"));
}

int MainToolbar::Index(CommandId id) noexcept
{
    const int index = static_cast<int>(id) - static_cast<int>(CommandId::Open);
    return index >= 0 && index < kPositions ? index : -1;
}

void MainToolbar::AddPosition(CommandId id)
{
    const int index = Index(id);
    const Position& position = kToolbarPositions[index];
    QAction* action = nullptr;
    if (position.kind == PositionKind::Separator) {
        action = addSeparator();
    } else {
        action = addAction(ToolbarIcon(position.picture), QString());
        action->setToolTip(tr(position.tooltip));
        action->setCheckable(position.kind == PositionKind::Check);
        if (position.shortcut[0] != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(position.shortcut)));
        }
        connect(action, &QAction::triggered, this, [this, id] { emit CommandTriggered(id); });
    }
    action->setData(static_cast<int>(id));
    action->setObjectName(QStringLiteral("action%1").arg(static_cast<int>(id)));
    m_actions[static_cast<std::size_t>(index)] = action;

    if (QToolButton* button = Button(id)) {
        button->setObjectName(QStringLiteral("button%1").arg(static_cast<int>(id)));
        // Reachable with Tab like any other control, named for screen readers, and
        // its tooltip shows the shortcut.
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(action->toolTip().trimmed());
        button->installEventFilter(this);
        if (position.kind == PositionKind::DropDown) {
            button->setMenu(id == CommandId::Open ? m_recentMenu : m_generateMenu);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
}

QAction* MainToolbar::Action(CommandId id) const
{
    const int index = Index(id);
    return index < 0 ? nullptr : m_actions[static_cast<std::size_t>(index)];
}

QToolButton* MainToolbar::Button(CommandId id) const
{
    QAction* action = Action(id);
    return action == nullptr ? nullptr : qobject_cast<QToolButton*>(widgetForAction(action));
}

QString MainToolbar::ShownToolTip(CommandId id) const
{
    const QAction* action = Action(id);
    if (action == nullptr) {
        return {};
    }
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    return keys.isEmpty() ? action->toolTip() : QStringLiteral("%1 (%2)").arg(action->toolTip().trimmed(), keys);
}

bool MainToolbar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        if (auto* button = qobject_cast<QToolButton*>(watched); button != nullptr && button->defaultAction() != nullptr) {
            bool ok = false;
            const int id = button->defaultAction()->data().toInt(&ok);
            if (ok) {
                const auto* help = static_cast<QHelpEvent*>(event);
                QToolTip::showText(help->globalPos(), ShownToolTip(static_cast<CommandId>(id)), button);
                return true;
            }
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void MainToolbar::SetButtonState(CommandId id, ButtonState state)
{
    const int index = Index(id);
    if (index < 0) {
        return;
    }
    m_states[static_cast<std::size_t>(index)] = state;
    QAction* action = m_actions[static_cast<std::size_t>(index)];
    if (action->isCheckable()) {
        action->setChecked(state == ButtonState::EnabledChecked);
    }
    ApplyEnabled(id);
}

ButtonState MainToolbar::State(CommandId id) const
{
    const int index = Index(id);
    if (index < 0) {
        return ButtonState::Enabled;
    }
    const ButtonState state = m_states[static_cast<std::size_t>(index)];
    if (state == ButtonState::Disabled) {
        return state;
    }
    // A check button changes its checked look by itself when clicked.
    const QAction* action = m_actions[static_cast<std::size_t>(index)];
    return action->isChecked() ? ButtonState::EnabledChecked : ButtonState::Enabled;
}

void MainToolbar::SetListCommandsHeld(bool held)
{
    m_listCommandsHeld = held;
    for (const Position& position : kToolbarPositions) {
        ApplyEnabled(position.id);
    }
}

void MainToolbar::ApplyEnabled(CommandId id)
{
    const int index = Index(id);
    const bool held = m_listCommandsHeld && IsListCommand(id);
    m_actions[static_cast<std::size_t>(index)]->setEnabled(m_states[static_cast<std::size_t>(index)] !=
                                                                ButtonState::Disabled && !held);
}
