// The folder browser on a large folder: how long selecting it takes (list, sort by name,
// show), how long the other sorts take, and how long the event loop is held up at most
// while the file list is scrolled from top to bottom a page at a time, and how many
// icons the provider was asked for. bench/folders.sh runs it.
// Usage: tallyfox_browser_scroll FOLDER

#include "filelistview.h"
#include "filesystemnamespace.h"
#include "folderbrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileIconProvider>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// The file system with one root: the folder to show.
class OneFolderNamespace final : public FolderNamespace {
public:
    explicit OneFolderNamespace(std::string folder) : m_folder(std::move(folder)) {}
    std::vector<FolderItem> Roots() const override { return {{m_folder, m_folder}}; }
    std::vector<FolderItem> ChildFolders(const FolderItem& folder) const override { return m_inner.ChildFolders(folder); }
    FolderAttributes Attributes(const FolderItem& item) const override { return m_inner.Attributes(item); }
    bool OpenAsFolder(const FolderItem& item) const override { return m_inner.OpenAsFolder(item); }
    std::string DisplayName(const FolderItem& item) const override { return m_inner.DisplayName(item); }
    int Compare(const FolderItem& a, const FolderItem& b) const override { return m_inner.Compare(a, b); }
    std::optional<std::string> FileSystemPath(const FolderItem& item) const override
    {
        return m_inner.FileSystemPath(item);
    }

private:
    std::string m_folder;
    FileSystemNamespace m_inner{UserPlaces{}};
};

class CountingIconProvider final : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override
    {
        ++calls;
        return QFileIconProvider::icon(info);
    }
    mutable int calls = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.resize(800, 600);
    auto provider = std::make_unique<CountingIconProvider>();
    const CountingIconProvider& icons = *provider;

    QElapsedTimer clock;
    clock.start();
    FolderBrowser browser(std::make_unique<OneFolderNamespace>(argv[1]), [](const QString&, const QString&) {},
                          &window, nullptr, std::move(provider));
    FileListView& list = *browser.FileList();
    list.setGeometry(0, 0, 800, 600);
    window.show();
    QCoreApplication::processEvents();
    const double shown = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    double sorts[3] = {};
    for (const int column : {1, 2, 0}) {
        clock.restart();
        list.model()->sort(column);
        QCoreApplication::processEvents();
        sorts[column] = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    }

    // Scroll a page per timer tick while a 2 ms timer measures the longest gap.
    QScrollBar& bar = *list.verticalScrollBar();
    qint64 longest = 0;
    QElapsedTimer sinceTick;
    QTimer meter;
    meter.setTimerType(Qt::PreciseTimer);
    meter.setInterval(2);
    QObject::connect(&meter, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
    QTimer scroller;
    scroller.setInterval(0);
    int pages = 0;
    QObject::connect(&scroller, &QTimer::timeout, [&] {
        if (bar.value() >= bar.maximum()) {
            QCoreApplication::quit();
            return;
        }
        bar.setValue(bar.value() + bar.pageStep());
        list.viewport()->repaint();
        ++pages;
    });
    sinceTick.start();
    meter.start();
    scroller.start();
    clock.restart();
    QApplication::exec();
    const double scrolled = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    std::printf("%d files: shown in %.3f s; sort by size %.3f s, date %.3f s, name %.3f s\n",
                list.model()->rowCount(), shown, sorts[1], sorts[2], sorts[0]);
    std::printf("scrolled %d pages in %.3f s, event loop held up at most %lld ms; %d icon look-ups\n", pages,
                scrolled, static_cast<long long>(longest), icons.calls);
    return 0;
}
