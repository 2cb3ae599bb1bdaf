#include "folderbrowser.h"

#include "desktopservices.h"
#include "filelistmodel.h"
#include "filelistview.h"
#include "folderlisting.h"
#include "foldernamespace.h"
#include "folderpaths.h"
#include "foldertreemodel.h"
#include "foldertreepane.h"
#include "foldertreeview.h"
#include "waitcursor.h"

#include <QClipboard>
#include <QFile>
#include <QFileIconProvider>
#include <QGuiApplication>
#include <QMenu>

#include <cstring>

namespace {

QString FromPathBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string ToPathBytes(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

}  // namespace

FolderBrowser::FolderBrowser(std::unique_ptr<FolderNamespace> space, BrowserErrorSink showError,
                             QWidget* parentWidget, std::unique_ptr<DesktopServices> desktop,
                             std::unique_ptr<QAbstractFileIconProvider> iconProvider)
    : QObject(parentWidget), m_space(std::move(space)), m_desktop(std::move(desktop)),
      m_iconProvider(std::move(iconProvider)), m_showError(std::move(showError))
{
    if (!m_desktop) {
        m_desktop = std::make_unique<SystemDesktopServices>();
    }
    if (!m_iconProvider) {
        m_iconProvider = std::make_unique<QFileIconProvider>();
    }
    m_treeModel = new FolderTreeModel(*m_space, *m_iconProvider, this);
    m_fileModel = new FileListModel(*m_iconProvider, this);
    m_pane = new FolderTreePane(parentWidget);
    m_fileList = new FileListView(parentWidget);
    m_pane->Tree()->setModel(m_treeModel);
    m_fileList->setModel(m_fileModel);

    FolderTreeView* tree = m_pane->Tree();
    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnFolderSelected(current); });
    connect(tree, &FolderTreeView::FolderMenuRequested, this, &FolderBrowser::ShowFolderMenu);
    connect(m_pane, &FolderTreePane::NavigateRequested, this, &FolderBrowser::NavigateToPath);
    connect(m_fileList, &FileListView::FileActivated, this, &FolderBrowser::OpenFile);

    // The first root ("/") is expanded and selected, which lists its files.
    const QModelIndex first = m_treeModel->index(0, 0);
    if (first.isValid()) {
        m_treeModel->LoadChildren(first);
        tree->expand(first);
        tree->setCurrentIndex(first);
    }
}

FolderBrowser::~FolderBrowser()
{
    // The widgets go first: their models and the namespace behind them go with this object.
    delete m_pane.data();
    delete m_fileList.data();
}

const std::vector<FileRecord>& FolderBrowser::Records() const
{
    return m_fileModel->Records();
}

std::vector<FileRecord> FolderBrowser::SelectedRecords() const
{
    std::vector<FileRecord> selected;
    const std::vector<FileRecord>& records = m_fileModel->Records();
    for (const int row : m_fileList->SelectedRows()) {
        if (row >= 0 && static_cast<std::size_t>(row) < records.size()) {
            selected.push_back(records[static_cast<std::size_t>(row)]);
        }
    }
    return selected;
}

void FolderBrowser::OnFolderSelected(const QModelIndex& index)
{
    const FolderItem* item = m_treeModel->Item(index);
    if (item == nullptr || !m_space->OpenAsFolder(*item)) {
        return;
    }
    std::optional<std::string> path;
    if (m_treeModel->Attributes(index).fileSystem) {
        path = m_space->FileSystemPath(*item);
    }
    // Selecting makes the children available, as expanding does (navigation walks them).
    m_treeModel->LoadChildren(index);
    if (!path) {
        return;  // not a file-system folder: the list and the path box stay as they are
    }
    m_pane->SetPathText(FromPathBytes(*path));
    m_currentFolder = CurrentFolderOf(*path);
    FillFileList();
}

void FolderBrowser::FillFileList()
{
    const WaitCursor wait;
    int error = 0;
    m_fileModel->SetRecords(m_currentFolder, ListFolderFiles(m_currentFolder, &error));
    m_fileList->SortBy(0, Qt::AscendingOrder);
    // A new listing is laid out afresh, column widths included.
    m_fileList->FitColumns();
    if (error != 0) {
        // A folder that cannot be read is not an empty one: say so.
        m_showError(tr("Tallyfox"), tr("Open [%1] failed.\n%2")
                                        .arg(FromPathBytes(m_currentFolder), QString::fromLocal8Bit(std::strerror(error))));
    }
}

void FolderBrowser::NavigateToPath(const QString& text)
{
    const std::string typed = ToPathBytes(text);
    if (!PathExists(typed)) {
        m_showError(tr("Folder not found"), text);
        return;
    }
    const TypedPath path = SplitTypedPath(typed);
    const QModelIndex first = m_treeModel->index(0, 0);
    const FolderItem* firstItem = m_treeModel->Item(first);
    // "/" is the first root and stands for the drives: only an absolute path starts there.
    if (!path.absolute || firstItem == nullptr || m_space->FileSystemPath(*firstItem) != std::string("/")) {
        return;
    }
    FolderTreeView* tree = m_pane->Tree();
    tree->scrollTo(first);
    tree->setCurrentIndex(first);
    for (const std::string& name : path.components) {
        if (!SelectChildNamed(name)) {
            return;
        }
    }
}

bool FolderBrowser::SelectChildNamed(const std::string& name)
{
    FolderTreeView* tree = m_pane->Tree();
    const QModelIndex parent = tree->currentIndex();
    m_treeModel->LoadChildren(parent);
    // Only children that open as file-system folders take part.
    std::vector<std::string> labels;
    std::vector<int> rows;
    for (int row = 0; row < m_treeModel->rowCount(parent); ++row) {
        const QModelIndex child = m_treeModel->index(row, 0, parent);
        const FolderItem* item = m_treeModel->Item(child);
        if (item == nullptr || !m_space->OpenAsFolder(*item) || !m_treeModel->Attributes(child).fileSystem ||
            !m_space->FileSystemPath(*item)) {
            continue;
        }
        labels.push_back(m_space->DisplayName(*item));
        rows.push_back(row);
    }
    const std::optional<std::size_t> match = FindFolderLabel(labels, name);
    if (!match) {
        return false;
    }
    const QModelIndex found = m_treeModel->index(rows[*match], 0, parent);
    tree->scrollTo(found);
    tree->setCurrentIndex(found);
    return true;
}

void FolderBrowser::ShowFolderMenu(const QModelIndex& index, const QPoint& globalPos)
{
    const FolderItem* item = m_treeModel->Item(index);
    const std::optional<std::string> path = item != nullptr ? m_space->FileSystemPath(*item) : std::nullopt;
    if (!path) {
        return;
    }
    const QString folder = FromPathBytes(*path);
    if (m_lastMenu != nullptr) {
        m_lastMenu->deleteLater();
    }
    m_lastMenu = new QMenu(m_pane);
    m_lastMenu->setObjectName(QStringLiteral("folderMenu"));
    m_lastMenu->setAttribute(Qt::WA_DeleteOnClose, false);
    QAction* open = m_lastMenu->addAction(tr("Open"));
    open->setObjectName(QStringLiteral("openFolder"));
    connect(open, &QAction::triggered, this, [this, folder] { (void)m_desktop->OpenPath(folder); });
    const QString terminal = m_desktop->TerminalProgram();
    if (!terminal.isEmpty()) {
        QAction* here = m_lastMenu->addAction(tr("Open Terminal Here"));
        here->setObjectName(QStringLiteral("openTerminal"));
        connect(here, &QAction::triggered, this, [this, terminal, folder] { m_desktop->StartTerminal(terminal, folder); });
    }
    QAction* copy = m_lastMenu->addAction(tr("Copy Location"));
    copy->setObjectName(QStringLiteral("copyLocation"));
    connect(copy, &QAction::triggered, this, [folder] { QGuiApplication::clipboard()->setText(folder); });
    m_lastMenu->addSeparator();
    QAction* generate = m_lastMenu->addAction(tr("Generate List of Folder..."));
    generate->setObjectName(QStringLiteral("generateFolderList"));
    const QString folderPath = FromPathBytes(path->back() == '/' ? *path : *path + '/');
    connect(generate, &QAction::triggered, this, [this, folderPath] { emit folderListRequested(folderPath); });
    m_lastMenu->popup(globalPos);
}

void FolderBrowser::OpenFile(int row)
{
    const std::vector<FileRecord>& records = m_fileModel->Records();
    if (row < 0 || static_cast<std::size_t>(row) >= records.size()) {
        return;
    }
    (void)m_desktop->OpenPath(FromPathBytes(m_currentFolder + records[static_cast<std::size_t>(row)].name));
}
