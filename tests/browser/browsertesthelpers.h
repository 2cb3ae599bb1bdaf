#pragma once

// A folder browser under test: a namespace over real temporary folders that counts
// how often each folder's children are read, a desktop and message boxes that record.

#include "desktopservices.h"
#include "filelistview.h"
#include "filesystemnamespace.h"
#include "folderbrowser.h"
#include "foldertreepane.h"

#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <ostream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The file-system namespace with roots of the test's choosing.
class CountingNamespace final : public FolderNamespace {
public:
    explicit CountingNamespace(std::vector<FolderItem> roots, std::map<std::string, int>& childReads)
        : m_roots(std::move(roots)), m_childReads(childReads)
    {
    }

    std::vector<FolderItem> Roots() const override { return m_roots; }
    std::vector<FolderItem> ChildFolders(const FolderItem& folder) const override
    {
        ++m_childReads[folder.path];
        return m_inner.ChildFolders(folder);
    }
    FolderAttributes Attributes(const FolderItem& item) const override { return m_inner.Attributes(item); }
    bool OpenAsFolder(const FolderItem& item) const override { return m_inner.OpenAsFolder(item); }
    std::string DisplayName(const FolderItem& item) const override { return m_inner.DisplayName(item); }
    int Compare(const FolderItem& a, const FolderItem& b) const override { return m_inner.Compare(a, b); }
    std::optional<std::string> FileSystemPath(const FolderItem& item) const override
    {
        return m_inner.FileSystemPath(item);
    }

private:
    FileSystemNamespace m_inner{UserPlaces{}};
    std::vector<FolderItem> m_roots;
    std::map<std::string, int>& m_childReads;
};

class RecordingDesktop final : public DesktopServices {
public:
    RecordingDesktop(QStringList& opened, QStringList& terminals, QString terminal)
        : m_opened(opened), m_terminals(terminals), m_terminal(std::move(terminal))
    {
    }
    bool OpenPath(const QString& path) override
    {
        m_opened.append(path);
        return true;
    }
    QString TerminalProgram() const override { return m_terminal; }
    void StartTerminal(const QString& program, const QString& folder) override
    {
        m_terminals.append(program + QLatin1Char(' ') + folder);
    }

private:
    QStringList& m_opened;
    QStringList& m_terminals;
    QString m_terminal;
};

// A window holding a browser: its pane on the left, its file list on the right.
struct BrowserHarness {
    explicit BrowserHarness(std::unique_ptr<FolderNamespace> space, QString terminal = QStringLiteral("/usr/bin/xterm"))
    {
        window.resize(800, 500);
        browser = std::make_unique<FolderBrowser>(
            std::move(space), [this](const QString& caption, const QString& text) { errors.append(caption + ": " + text); },
            &window, std::make_unique<RecordingDesktop>(opened, terminals, std::move(terminal)));
        browser->TreePane()->setGeometry(0, 0, 300, 500);
        browser->FileList()->setGeometry(303, 0, 497, 500);
        window.show();
    }

    QWidget window;
    QStringList errors;
    QStringList opened;
    QStringList terminals;
    std::unique_ptr<FolderBrowser> browser;
};
