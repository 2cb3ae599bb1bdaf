// Saving the results of the last run as a report (text or CSV).

#include "mainwindow.h"

#include "modaldialogs.h"
#include "reportfile.h"
#include "resultreport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

bool MainWindow::CanSaveReport() const
{
    return !IsLoading() && m_list.RowCount() > 0 && m_list.GetRunState() != RunState::Running;
}

void MainWindow::RefreshSaveReportAction()
{
    if (m_saveReportAction != nullptr) {
        m_saveReportAction->setEnabled(CanSaveReport());
    }
}

void MainWindow::OnSaveReportCommand()
{
    if (!CanSaveReport()) {
        return;
    }
    const QFileInfo list(QString::fromStdString(m_list.ListPath()));
    const QString suggested = list.absoluteDir().filePath(list.completeBaseName() + QStringLiteral(".txt"));
    const std::optional<SaveListAnswer> answer = m_dialogs->AskReportToSave(this, suggested, ReportFilters());
    if (!answer || answer->path.isEmpty()) {
        return;
    }
    const ReportFileChoice choice = ChooseReportFile(answer->path, answer->filterIndex);
    const std::string failure = SaveResultReport(m_list, choice.format, choice.path.toStdString());
    if (!failure.empty()) {
        m_dialogs->ShowError(this, QString::fromStdString(failure));
    }
}
