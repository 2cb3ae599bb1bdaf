#pragma once

// Making lists in the window from the browser's selection: a window started in a folder
// of files, rows selected, the Save dialog answered, a Generate command and its wait.

#include "windowharness.h"

#include "folderbrowser.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QMenu>
#include <QToolButton>

#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using Files = std::vector<std::pair<std::string, std::string>>;

// The window started on the folder "data" of the harness, which holds `files`.
inline MainWindow& StartInData(WindowHarness& harness, const Files& files)
{
    std::filesystem::create_directory(harness.Dir().Path() / "data");
    std::filesystem::create_directory(harness.Dir().Path() / "lists");
    for (const auto& [name, bytes] : files) {
        harness.Dir().WriteFile("data/" + name, bytes);
    }
    MainWindow& window = harness.Start(harness.Path("data"));
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.StartupTimerActive(); }, 10000));
    return window;
}

// Selects the rows one after another, as Ctrl+clicks in that order would.
inline void SelectRows(MainWindow& window, std::initializer_list<int> rows)
{
    QTableView* view = window.Browser()->FileList();
    for (const int row : rows) {
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

inline void Answer(WindowHarness& harness, const std::string& relativePath, int filterIndex = 1)
{
    harness.dialogs.saveAnswer = SaveListAnswer{harness.Path(relativePath), filterIndex};
}

// Clicks Generate, or its drop-down menu's item for the SFV and MD5 commands.
inline void Generate(const WindowHarness& harness, CommandId id)
{
    if (id == CommandId::Generate) {
        harness.Click(id);
        return;
    }
    const QMenu* menu = harness.window->Toolbar()->Button(CommandId::Generate)->menu();
    for (QAction* item : menu->actions()) {
        if (item->data().toInt() == static_cast<int>(id)) {
            item->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << static_cast<int>(id);
}

[[nodiscard]] inline bool WaitForGenerations(const WindowHarness& harness, int count)
{
    return QTest::qWaitFor([&harness, count] { return harness.window->FinishedGenerations() >= count; }, 60000);
}

inline std::vector<std::string> Lines(const std::string& bytes, const std::string& ending)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find(ending); end != std::string::npos; end = bytes.find(ending, start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + ending.size();
    }
    EXPECT_EQ(start, bytes.size()) << "text after the last line ending";
    return lines;
}
