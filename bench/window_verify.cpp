// The main window under load, on the offscreen platform:
//
//   tallyfox_window_bench time LIST RUNS
//       Opens LIST and verifies it through the window as the command-line start does,
//       RUNS times; prints the best wall time from the open to the end of the run, and
//       the longest time the event loop was held up meanwhile. It also prints how many
//       different texts the progress panel's live figures showed during the best run
//       and the state it ended in, so a figure always says the live progress was on.
//   tallyfox_window_bench respond LIST [VIEW]
//       Opens and verifies LIST, and while it runs resizes the window, scrolls the list,
//       pauses, resumes and stops; prints how long the event loop was held up while the
//       list was read and while it ran, and how long each action took. VIEW "state"
//       shows the list sorted by state, "problems" sorted by state and filtered to the
//       problems; both also time sorting by size and by name and filtering by a name
//       text while the run is paused.
//   tallyfox_window_bench generate FOLDER LIST RUNS
//       Opens FOLDER in the browser as the command-line start does, selects its files
//       whose names start with 'f' and creates the SFV list LIST from them through the
//       window, RUNS times; prints the best wall time from the command to the end of
//       the run.

#include "checksumlist.h"
#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "listfilterbar.h"
#include "folderbrowser.h"
#include "mainwindow.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "progresspanel.h"
#include "runpresenter.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

class SilentDialogs final : public ModalDialogs {
public:
    void ShowError(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData());
    }
    void ShowErrorWithDetail(QWidget*, const QString& text, const QString& detail) override
    {
        std::fprintf(stderr, "message: %s (%s)\n", text.toLocal8Bit().constData(), detail.toLocal8Bit().constData());
    }
    void ShowCaptionedError(QWidget*, const QString& caption, const QString& text) override
    {
        std::fprintf(stderr, "message: %s: %s\n", caption.toLocal8Bit().constData(), text.toLocal8Bit().constData());
    }
    void ShowAbout(QWidget*) override {}
    QString AskListToOpen(QWidget*) override { return {}; }
    QString AskFolderToOpen(QWidget*) override { return {}; }
    std::optional<SaveListAnswer> AskFolderListToSave(QWidget*, const QString&, const QString&,
                                                      const QStringList&) override
    {
        return std::nullopt;
    }
    bool RunSettingsDialog(QWidget*, SettingsHost&) override { return false; }
    std::optional<FontChoice> AskListFont(QWidget*, const FontChoice&) override { return std::nullopt; }
    void ShowNote(QWidget*, const QString&) override {}
    std::optional<SaveListAnswer> AskListToSave(QWidget*, const QString&, const QString&, const QStringList&) override
    {
        return saveAnswer;
    }
    bool ConfirmReplace(QWidget*, const QString&) override { return true; }
    std::optional<SaveListAnswer> AskReportToSave(QWidget*, const QString&, const QStringList&) override
    {
        return std::nullopt;
    }

    std::optional<SaveListAnswer> saveAnswer;
};

// The longest gap between ticks of a 2 ms timer: how long the event loop was held up.
class StallMeter {
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceTick.restart());
        });
    }
    void Start()
    {
        m_longest = 0;
        m_sinceTick.start();
        m_timer.start();
    }
    [[nodiscard]] qint64 LongestMs()
    {
        m_timer.stop();
        return std::max(m_longest, m_sinceTick.elapsed());
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

std::unique_ptr<MainWindow> MakeWindow(SilentDialogs& dialogs, const QString& argument = QString())
{
    MainWindowOptions options;
    options.arguments = QStringList{QStringLiteral("tallyfox")};
    if (!argument.isEmpty()) {
        options.arguments.append(argument);
    }
    options.dialogs = &dialogs;
    auto window = std::make_unique<MainWindow>(options);
    window->resize(800, 600);
    window->show();
    if (!QTest::qWaitFor([&] { return !window->StartupTimerActive(); }, 5000)) {
        std::fprintf(stderr, "the window's start-up did not end within 5 s\n");
    }
    return window;
}

bool Wait(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 600'000);
}

double Seconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Runs the event loop until `window` signals `signal` (or ten minutes have passed).
template <typename Signal>
void RunUntil(MainWindow& window, Signal signal)
{
    QEventLoop loop;
    QObject::connect(&window, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(600'000, &loop, &QEventLoop::quit);
    loop.exec();
}

int TimeRuns(const QString& list, int runs)
{
    SilentDialogs dialogs;
    double best = 0;
    double bestLoad = 0;
    qint64 stall = 0;
    int bestUpdates = 0;
    QString finalState;
    for (int run = 0; run < runs; ++run) {
        auto window = MakeWindow(dialogs);
        // What the live progress showed, looked at every 10 ms (its refresh tick is 33 ms).
        int updates = 0;
        QString shown;
        QTimer watcher;
        watcher.setInterval(10);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            const QString figures = window->Panel()->FiguresText();
            if (window->Run().PanelShown() && figures != shown) {
                shown = figures;
                ++updates;
            }
        });
        watcher.start();
        StallMeter meter;
        double loadSeconds = 0;
        QElapsedTimer clock;
        QObject::connect(window.get(), &MainWindow::ListLoadEnded, [&] { loadSeconds = Seconds(clock); });
        meter.Start();
        clock.start();
        window->OpenAndVerifyChecksumList(list);
        RunUntil(*window, &MainWindow::RunEnded);
        const double seconds = Seconds(clock);
        stall = std::max(stall, meter.LongestMs());
        const Counters counters = window->List().GetCounters();
        if (window->FinishedRuns() < 1 || counters.unchecked != 0 ||
            counters.ok + counters.bad + counters.missing != window->List().RowCount()) {
            std::fprintf(stderr, "the run did not end with every entry checked\n");
            return 1;
        }
        if (run == 0 || seconds < best) {
            best = seconds;
            bestLoad = loadSeconds;
            bestUpdates = updates;
        }
        finalState = window->Panel()->StateText();
    }
    std::printf("window_seconds %.4f\nload_seconds %.4f\nlongest_stall_ms %lld\n", best, bestLoad,
                static_cast<long long>(stall));
    std::printf("progress_texts_seen %d\nfinal_state %s\n", bestUpdates, finalState.toUtf8().constData());
    return 0;
}

// Time of one action on the GUI thread, in milliseconds.
double ActionMs(const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    QCoreApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Sorts and filters the list as VIEW asks ("state", "problems"; anything else: as it is).
void ArrangeView(MainWindow& window, const QString& view)
{
    if (view == QLatin1String("state") || view == QLatin1String("problems")) {
        window.ListView()->SortByState(Qt::AscendingOrder);
    }
    if (view == QLatin1String("problems")) {
        window.FilterBar()->SetFilter(RowFilter::Problems);
    }
}

int Respond(const QString& list, const QString& view)
{
    SilentDialogs dialogs;
    auto window = MakeWindow(dialogs);
    MainToolbar& toolbar = *window->Toolbar();
    StallMeter meter;
    ArrangeView(*window, view);

    meter.Start();
    QElapsedTimer clock;
    clock.start();
    window->OpenAndVerifyChecksumList(list);
    Wait([&] { return !window->IsLoading(); });
    const double loadSeconds = Seconds(clock);
    const qint64 loadStall = meter.LongestMs();
    std::printf("entries %d\nload_seconds %.3f\nload_longest_stall_ms %lld\n", window->List().RowCount(), loadSeconds,
                static_cast<long long>(loadStall));

    // Let the run get going, then act on the window while it runs.
    meter.Start();
    Wait([&] {
        const Counters c = window->List().GetCounters();
        return c.ok + c.bad + c.missing >= window->List().RowCount() / 4 || window->FinishedRuns() > 0;
    });
    double resize = 0;
    double scroll = 0;
    for (int i = 0; i < 10; ++i) {
        resize = std::max(resize, ActionMs([&] { window->resize(700 + (i % 2) * 200, 500 + (i % 3) * 60); }));
        QScrollBar* bar = window->ListView()->verticalScrollBar();
        scroll = std::max(scroll, ActionMs([&] { bar->setValue((bar->maximum() / 10) * i); }));
    }
    const qint64 runStall = meter.LongestMs();
    const double pause = ActionMs([&] { toolbar.Action(CommandId::StartPause)->trigger(); });
    const bool paused = Wait([&] { return window->List().GetRunState() == RunState::Paused; });
    if (view == QLatin1String("state") || view == QLatin1String("problems")) {
        // Re-sorting and re-filtering the whole list while the run is paused, then back.
        ListFilterBar& filter = *window->FilterBar();
        const double bySize = ActionMs([&] {
            window->ListView()->horizontalHeader()->setSortIndicator(ChecksumListModel::kSizeColumn,
                                                                     Qt::DescendingOrder);
        });
        const double byName = ActionMs([&] {
            window->ListView()->horizontalHeader()->setSortIndicator(ChecksumListModel::kFilenameColumn,
                                                                     Qt::DescendingOrder);
        });
        const double byText = ActionMs([&] {
            filter.TextEdit()->setText(QStringLiteral("f01"));
            filter.SetFilter(RowFilter::NameText);
        });
        const double back = ActionMs([&] {
            filter.SetFilter(RowFilter::All);
            ArrangeView(*window, view);
        });
        std::printf("sort_by_size_ms %.1f\nsort_by_name_ms %.1f\nfilter_by_text_ms %.1f\nback_to_view_ms %.1f\n",
                    bySize, byName, byText, back);
    }
    const double resume = ActionMs([&] { toolbar.Action(CommandId::StartPause)->trigger(); });
    clock.restart();
    const double stop = ActionMs([&] { toolbar.Action(CommandId::Stop)->trigger(); });
    const bool ended = Wait([&] { return window->FinishedRuns() >= 2; });
    const double stopToEnd = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("run_longest_stall_ms %lld\nresize_ms %.1f\nscroll_ms %.1f\npause_ms %.1f\nresume_ms %.1f\n"
                "stop_ms %.1f\nstop_to_worker_end_ms %.1f\n",
                static_cast<long long>(runStall), resize, scroll, pause, resume, stop, stopToEnd);
    return paused && ended ? 0 : 1;
}

int TimeGeneration(const QString& folder, const QString& list, int runs)
{
    SilentDialogs dialogs;
    dialogs.saveAnswer = SaveListAnswer{list, 1};
    double best = 0;
    for (int run = 0; run < runs; ++run) {
        auto window = MakeWindow(dialogs, folder);
        const std::vector<FileRecord>& records = window->Browser()->Records();
        int first = -1;
        int last = -1;
        for (int row = 0; row < static_cast<int>(records.size()); ++row) {
            if (records[static_cast<std::size_t>(row)].name.starts_with('f')) {
                first = first < 0 ? row : first;
                last = row;
            }
        }
        if (first < 0) {
            std::fprintf(stderr, "no file starting with 'f' in the folder\n");
            return 1;
        }
        QAbstractItemView* view = window->Browser()->FileList();
        view->selectionModel()->select(QItemSelection(view->model()->index(first, 0), view->model()->index(last, 0)),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QElapsedTimer clock;
        clock.start();
        window->OnCommand(CommandId::GenerateSfv);
        RunUntil(*window, &MainWindow::GenerationEnded);
        const double seconds = Seconds(clock);
        if (window->FinishedGenerations() < 1) {
            std::fprintf(stderr, "the generation did not end\n");
            return 1;
        }
        if (run == 0 || seconds < best) {
            best = seconds;
        }
    }
    std::printf("window_seconds %.4f\n", best);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window registers the running program with the desktop at start-up: the bench
    // does that in a temporary folder, never in the user's own desktop folders.
    const QTemporaryDir desktopHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(desktopHome.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(desktopHome.path() + QStringLiteral("/config")));
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("time")) {
        return TimeRuns(args[2], std::max(1, args[3].toInt()));
    }
    if (args.size() >= 3 && args[1] == QLatin1String("respond")) {
        return Respond(args[2], args.size() >= 4 ? args[3] : QString());
    }
    if (args.size() >= 5 && args[1] == QLatin1String("generate")) {
        return TimeGeneration(args[2], args[3], std::max(1, args[4].toInt()));
    }
    std::fprintf(stderr, "usage: tallyfox_window_bench time LIST RUNS | respond LIST | generate FOLDER LIST RUNS\n");
    return 2;
}
