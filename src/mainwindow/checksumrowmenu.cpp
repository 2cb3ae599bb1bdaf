#include "checksumrowmenu.h"

#include "checksumlist.h"
#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "desktopservices.h"
#include "pathtext.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

ChecksumRowMenu::ChecksumRowMenu(const ChecksumList& list, const ChecksumListModel& model, ChecksumListView& view,
                                 DesktopServices& desktop, std::function<bool()> canVerify,
                                 std::function<void()> verify)
    : QObject(&view), m_list(list), m_model(model), m_view(view), m_desktop(desktop),
      m_canVerify(std::move(canVerify)), m_startVerify(std::move(verify)),
      m_copyName(new QAction(tr("Copy &name"), this)),
      m_copyExpected(new QAction(tr("Copy &expected checksum"), this)),
      m_copyPath(new QAction(tr("Copy full &path"), this)),
      m_openFolder(new QAction(tr("&Open containing folder"), this)),
      m_verify(new QAction(tr("&Verify selected again"), this)),
      m_unlisted(new QAction(tr("Files not in any list"), this))
{
    setObjectName(QStringLiteral("checksumRowMenu"));
    m_copyName->setObjectName(QStringLiteral("copyNameAction"));
    m_copyExpected->setObjectName(QStringLiteral("copyExpectedAction"));
    m_copyPath->setObjectName(QStringLiteral("copyPathAction"));
    m_openFolder->setObjectName(QStringLiteral("openFolderAction"));
    m_verify->setObjectName(QStringLiteral("verifySelectedAction"));
    m_unlisted->setObjectName(QStringLiteral("unlistedFilesAction"));
    connect(m_unlisted, &QAction::triggered, this, [this] {
        if (m_showUnlisted) {
            m_showUnlisted();
        }
    });
    connect(m_copyName, &QAction::triggered, this, [this] { Copy(Names()); });
    connect(m_copyExpected, &QAction::triggered, this, [this] { Copy(ExpectedChecksums()); });
    connect(m_copyPath, &QAction::triggered, this, [this] { Copy(Paths()); });
    connect(m_openFolder, &QAction::triggered, this, &ChecksumRowMenu::OpenFolders);
    connect(m_verify, &QAction::triggered, this, [this] {
        // The run may have started or the selection changed since the menu was shown.
        UpdateActions();
        if (m_verify->isEnabled()) {
            m_startVerify();
        }
    });
    m_copyName->setShortcut(QKeySequence::Copy);  // shown in the menu; the view takes the key
    connect(&view, &ChecksumListView::CopyRequested, this, [this] { Copy(Names()); });
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Popup(m_view.viewport()->mapToGlobal(pos)); });
}

void ChecksumRowMenu::Popup(const QPoint& globalPos)
{
    UpdateActions();
    if (m_lastMenu != nullptr) {
        m_lastMenu->deleteLater();
    }
    auto* menu = new QMenu(&m_view);
    menu->setObjectName(QStringLiteral("checksumRowMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(m_copyName);
    menu->addAction(m_copyExpected);
    menu->addAction(m_copyPath);
    menu->addSeparator();
    menu->addAction(m_openFolder);
    menu->addSeparator();
    menu->addAction(m_verify);
    if (m_showUnlisted) {
        menu->addAction(m_unlisted);
    }
    m_lastMenu = menu;
    menu->popup(globalPos);
}

void ChecksumRowMenu::UpdateActions()
{
    const bool any = !m_view.SelectedListRows().empty();
    for (QAction* action : {m_copyName, m_copyExpected, m_copyPath, m_openFolder}) {
        action->setEnabled(any);
    }
    m_verify->setEnabled(any && m_canVerify());
    m_unlisted->setEnabled(m_list.RowCount() > 0);
}

QStringList ChecksumRowMenu::Names() const
{
    QStringList lines;
    for (const int row : m_view.SelectedListRows()) {
        lines.append(WidePath(m_list.RowName(row)));
    }
    return lines;
}

QStringList ChecksumRowMenu::ExpectedChecksums() const
{
    QStringList lines;
    for (const int row : m_view.SelectedListRows()) {
        lines.append(QString::fromLatin1(m_list.ExpectedChecksum(row)));
    }
    return lines;
}

QStringList ChecksumRowMenu::Paths() const
{
    QStringList lines;
    for (const int row : m_view.SelectedListRows()) {
        lines.append(m_model.RowPath(row));
    }
    return lines;
}

void ChecksumRowMenu::Copy(const QStringList& lines)
{
    if (!lines.isEmpty()) {
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    }
}

void ChecksumRowMenu::OpenFolders()
{
    // Each folder once, however many of its files are selected, and no more than a
    // handful of windows for a large selection.
    constexpr qsizetype kMostFolders = 10;
    QStringList folders;
    for (const QString& path : Paths()) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!folders.contains(folder)) {
            folders.append(folder);
        }
        if (folders.size() == kMostFolders) {
            break;
        }
    }
    for (const QString& folder : folders) {
        if (!m_desktop.OpenPath(folder) && m_openFailed) {
            m_openFailed(folder);
            return;  // once is enough: the next folder fails the same way
        }
    }
}
