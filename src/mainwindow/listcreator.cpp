// Creating a new list from the files selected in the folder browser or from a folder of
// its tree: where it goes and which kind, its head, and the generation run behind its
// progress dialog.

#include "listcreator.h"
#include "rowreaderrors.h"

#include "abortflag.h"
#include "chosenfiles.h"
#include "failurereason.h"
#include "folderbrowser.h"
#include "generatedialog.h"
#include "generationjob.h"
#include "filesbyfolder.h"
#include "inputfiles.h"
#include "listtarget.h"
#include "modaldialogs.h"
#include "newlistfile.h"
#include "outputchoice.h"
#include "pathtext.h"
#include "remarkdialog.h"
#include "sfvhead.h"
#include "windowtexts.h"
#include "writermessages.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cstring>
#include <ctime>
#include <string_view>
#include <filesystem>
#include <thread>

namespace {

// How long writing a head may take before the remark pop-up appears, so a head written
// in a blink never flashes it up.
constexpr int kRemarkDelayMs = 250;

// A record as a list's comment line shows it: its last write in local time.
FileRecordInfo RecordInfoOf(const FileRecord& record)
{
    FileRecordInfo info;
    info.name = record.name;
    info.size = record.size;
    if (record.time.year != 0) {
        info.time = LocalDateTime(record.modified);
    }
    return info;
}

// What the Save dialog suggests for a new list: the folder's own name with the kind's
// extension (SFV, the first filter, when the user picks the kind); nothing for "/".
QString SuggestedListName(const std::string& folder, ListKind kind)
{
    std::string name = folder;
    while (!name.empty() && name.back() == '/') {
        name.pop_back();
    }
    name.erase(0, name.rfind('/') + 1);
    if (name.empty()) {
        return {};
    }
    return QFile::decodeName(WithListExtension(name, kind == ListKind::None ? ListKind::Sfv : kind).c_str());
}

// The list would be written over one of the files chosen for it (same file, or the
// same path when the file has gone).
bool ListIsChosen(const std::string& folder, const std::vector<FileRecord>& selected, const std::string& listPath)
{
    namespace fs = std::filesystem;
    for (const FileRecord& record : selected) {
        const std::string path = folder + record.name;
        if (IsSameFile(path, listPath) || fs::path(path).lexically_normal() == fs::path(listPath).lexically_normal()) {
            return true;
        }
    }
    return false;
}

}  // namespace

ListCreator::ListCreator(QWidget& window, FolderBrowser& browser, ModalDialogs& dialogs,
                         std::function<int()> filesInFlight, std::function<bool()> treeHasFocus)
    : m_window(window), m_browser(browser), m_dialogs(dialogs),
      m_filesInFlight(std::move(filesInFlight)), m_treeHasFocus(std::move(treeHasFocus))
{
}

int ListCreator::ChooseOutputFile(int& requestedKind, std::string& outputPath, SaveListAnswer* folderChoices)
{
    const ListKind requested = NormalizeRequestedKind(requestedKind);
    requestedKind = static_cast<int>(requested);
    const std::string& folder = m_browser.CurrentFolder();
    const QString suggested = SuggestedListName(folder, requested);
    const QStringList filters = SaveListFilters(OutputFilter(requested));
    const QString where = QFile::decodeName(folder.c_str());
    const std::optional<SaveListAnswer> answer = folderChoices != nullptr
                                                     ? m_dialogs.AskFolderListToSave(&m_window, where, suggested, filters)
                                                     : m_dialogs.AskListToSave(&m_window, where, suggested, filters);
    if (!answer.has_value() || answer->path.isEmpty()) {
        return 0;
    }
    if (folderChoices != nullptr) {
        *folderChoices = *answer;
    }
    const ListKind kind = ChosenOutputKind(requested, answer->filterIndex);
    const std::string given = QFile::encodeName(answer->path).toStdString();
    std::string path = WithListExtension(given, kind);
    // The dialog asked about the name as given; a name that gained its extension here
    // may name another file that exists.
    if (path != given && std::filesystem::exists(path) &&
        !m_dialogs.ConfirmReplace(&m_window, QFile::decodeName(path.c_str()))) {
        return 0;
    }
    outputPath = std::move(path);
    return static_cast<int>(kind);
}

bool ListCreator::CreateChecksumFile(int requestedKind)
{
    if (m_dialog != nullptr) {
        return false;  // the last run is still ending
    }
    const std::vector<FileRecord> selected = m_browser.SelectedRecords();
    if (selected.empty() && m_treeHasFocus() && !m_browser.CurrentFolder().empty()) {
        // Generate on the folder selected in the tree: every file beneath it.
        return CreateFolderList(QFile::decodeName(m_browser.CurrentFolder().c_str()), requestedKind);
    }
    if (selected.empty()) {
        // The list writer's own text, translated here; the marker lists it for lupdate.
        static_assert(std::string_view(kNoFilesSelectedMessage) == QT_TRANSLATE_NOOP("ListCreator", "No Files Selected."));
        m_dialogs.ShowError(&m_window, tr(kNoFilesSelectedMessage));
        return false;
    }
    std::string outputPath;
    const int kind = ChooseOutputFile(requestedKind, outputPath);
    if (kind == 0) {
        return false;
    }

    // A list over one of its own files would replace that file: refused, nothing written.
    const std::string& folder = m_browser.CurrentFolder();
    if (ListIsChosen(folder, selected, outputPath)) {
        m_dialogs.ShowError(&m_window, QFile::decodeName(ListIsAnInputMessage(outputPath).c_str()));
        return false;
    }
    std::vector<FileRecordInfo> records;
    std::vector<int> rows;
    records.reserve(selected.size());
    rows.reserve(selected.size());
    for (const FileRecord& record : selected) {
        rows.push_back(static_cast<int>(records.size()));
        records.push_back(RecordInfoOf(record));
    }
    return StartGeneration(kind, outputPath, ChooseFiles(records, rows, folder, outputPath), {});
}

bool ListCreator::CreateFolderList(const QString& folder, int requestedKind)
{
    if (m_dialog != nullptr) {
        return false;  // the last run is still ending
    }
    std::string outputPath;
    SaveListAnswer choices;
    const int kind = ChooseOutputFile(requestedKind, outputPath, &choices);
    if (kind == 0) {
        return false;
    }
    if (choices.perFolder) {
        TreeWalkOptions options;
        options.hidden = choices.hidden;
        const FilesByFolder grouped = GroupFilesByFolder(NarrowPath(folder), options);
        if (!grouped.problems.empty()) {
            QStringList lines;
            for (const TreeProblem& problem : grouped.problems) {
                lines.append(WidePath(problem.path) + QLatin1String(": ") +
                             QString::fromStdString(ErrorText(problem.error)));
            }
            m_dialogs.ShowError(&m_window, lines.join(QLatin1Char('\n')));
        }
        m_folderListsToMake.clear();
        for (const FolderOfFiles& group : grouped.folders) {
            const std::string name = FolderListName(group.folder, std::string());
            m_folderListsToMake.emplace_back(group.folder + WithListExtension(name, static_cast<ListKind>(kind)),
                                             group.files);
        }
        m_folderListKind = kind;
        return StartNextFolderList();
    }
    InputFiles input = CollectInputFiles({NarrowPath(folder)}, outputPath, choices.hidden);
    if (input.chosen.files.empty() && input.missing.empty()) {
        m_dialogs.ShowError(&m_window, tr(kNoFilesSelectedMessage));
        return false;
    }
    return StartGeneration(kind, outputPath, std::move(input.chosen), std::move(input.missing));
}

bool ListCreator::StartNextFolderList()
{
    if (m_folderListsToMake.empty()) {
        return false;
    }
    auto [listPath, files] = std::move(m_folderListsToMake.front());
    m_folderListsToMake.erase(m_folderListsToMake.begin());
    InputFiles input = CollectInputFiles(files, listPath, true);
    return StartGeneration(m_folderListKind, listPath, std::move(input.chosen), std::move(input.missing));
}

bool ListCreator::StartGeneration(int kind, const std::string& outputPath, ChosenFiles chosen,
                                  std::vector<LeftOutFile> leftOut)
{
    std::string headPath;
    if (kind == static_cast<int>(ListKind::Sfv)) {
        const HeadOutcome head = WriteHeadWithRemark(outputPath, chosen);
        if (m_closing) {
            RemoveTemporaryList(head.temporaryPath);
            return false;
        }
        if (!head.written) {
            ShowCreateError(QFile::decodeName(head.message.c_str()), outputPath);
            return false;
        }
        headPath = head.temporaryPath;
    }

    GenerationJob job;
    job.outputPath = outputPath;
    job.writePath = headPath;
    job.kind = kind;
    job.chosen = std::move(chosen);
    job.leftOutBefore = std::move(leftOut);
    job.filesInFlight = m_filesInFlight();
    auto* dialog = new GenerateDialog(&m_window);
    dialog->SetShowError([this, outputPath](QWidget*, const QString& text) {
        if (!m_closing) {
            ShowCreateError(text, outputPath);
        }
    });
    // The dialog ending (Cancel, close request, end of the run) gives the window back.
    connect(dialog, &QDialog::finished, this, [this] { m_window.setEnabled(true); });
    connect(dialog, &GenerateDialog::generationEnded, this, [this](const GenerationOutcome& outcome) {
        if (outcome.status != GenerationStatus::Completed) {
            m_folderListsToMake.clear();  // cancelled or failed: no further folder's list
        }
        OnGenerationEnded();
    });
    m_dialog = dialog;
    m_window.setEnabled(false);
    dialog->setEnabled(true);  // a window of its own, not greyed with its owner
    dialog->Start(std::move(job));
    return true;
}

HeadOutcome ListCreator::WriteHeadWithRemark(const std::string& listPath, const ChosenFiles& chosen)
{
    // Written on a helper thread while this thread waits, so the pop-up can appear when
    // the head takes longer than a blink; the window takes no input meanwhile.
    const DateTimeFields now = LocalDateTime(std::time(nullptr));
    RemarkDialog remark(&m_window);
    QEventLoop loop;
    QTimer showLater;
    showLater.setSingleShot(true);
    connect(&showLater, &QTimer::timeout, &remark, &QWidget::show);
    HeadOutcome outcome;
    m_window.setEnabled(false);
    remark.setEnabled(true);
    std::thread writer([&] {
        outcome = WriteSfvHead(listPath, chosen, now);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    showLater.start(kRemarkDelayMs);
    loop.exec();
    writer.join();
    showLater.stop();
    remark.close();
    m_window.setEnabled(true);
    return outcome;
}

void ListCreator::OnGenerationEnded()
{
    m_window.setEnabled(true);
    if (m_dialog != nullptr) {
        m_dialog->deleteLater();
        m_dialog = nullptr;
    }
    ++m_finishedGenerations;
    if (!m_folderListsToMake.empty() && !m_closing) {
        // The next folder's list once this dialog has gone.
        QTimer::singleShot(0, this, [this] { StartNextFolderList(); });
    }
    emit Ended();
}

void ListCreator::ShowCreateError(const QString& text, const std::string& outputPath)
{
    // "Create [%s] failed." gets the system's reason beside it; other texts say theirs.
    if (text == QFile::decodeName(CreateFailedMessage(outputPath).c_str())) {
        m_dialogs.ShowErrorWithDetail(&m_window, CreateFailedText(QFile::decodeName(outputPath.c_str())),
                                      QString::fromLocal8Bit(CreateFailureReason(outputPath)));
    } else {
        m_dialogs.ShowError(&m_window, text);
    }
}

void ListCreator::Shutdown()
{
    m_closing = true;
    if (m_dialog != nullptr) {
        m_dialog->Shutdown();
    }
}
