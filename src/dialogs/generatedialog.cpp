#include "generatedialog.h"

#include "abortflag.h"
#include "generationlines.h"
#include "generationmessages.h"
#include "progressfigurestext.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <string_view>

namespace {

constexpr int kRefreshMilliseconds = 100;

}  // namespace

GenerateDialog::GenerateDialog(QWidget* owner)
    : QDialog(owner),
      m_group(new QGroupBox(QString::fromLatin1(kSfvGroupCaption), this)),
      m_fileName(new QLabel(m_group)),
      m_counter(new QLabel(m_group)),
      m_figures(new QLabel(m_group)),
      m_progress(new QProgressBar(m_group)),
      m_cancel(new QPushButton(tr("&Cancel"), m_group)),
      m_refreshTimer(new QTimer(this)),
      m_showError([](QWidget* parent, const QString& text) { QMessageBox::critical(parent, QString(), text); })
{
    setObjectName(QStringLiteral("generateDialog"));
    setWindowTitle(QString::fromLatin1(kSfvGroupCaption));
    m_group->setObjectName(QStringLiteral("generateGroup"));
    m_fileName->setObjectName(QStringLiteral("generateFileName"));
    m_fileName->setAlignment(Qt::AlignCenter);
    m_fileName->setTextFormat(Qt::PlainText);
    m_counter->setObjectName(QStringLiteral("generateCounter"));
    m_figures->setObjectName(QStringLiteral("generateFigures"));
    m_figures->setTextFormat(Qt::PlainText);
    // Room for the longest figures, so the line is never cut off as the numbers grow.
    m_figures->setMinimumWidth(
        m_figures->fontMetrics().horizontalAdvance(QStringLiteral("100% · 999.9 MB of 999.99 GB · 999.9 MB/s · 99:59:59 left")));
    m_progress->setObjectName(QStringLiteral("generateProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_cancel->setObjectName(QStringLiteral("generateCancel"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_counter, 1);
    bottom->addWidget(m_cancel);
    auto* inner = new QVBoxLayout(m_group);
    inner->addWidget(m_fileName);
    inner->addWidget(m_progress);
    inner->addWidget(m_figures);
    inner->addLayout(bottom);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_group);
    setMinimumWidth(300);

    connect(m_cancel, &QPushButton::clicked, this, &GenerateDialog::OnCancel);
    connect(m_refreshTimer, &QTimer::timeout, this, &GenerateDialog::Refresh);
}

GenerateDialog::~GenerateDialog()
{
    GenerationRun::Cancel();
    m_run.Wait();
}

void GenerateDialog::Shutdown()
{
    GenerationRun::Cancel();
    m_run.Wait();
}

void GenerateDialog::Start(GenerationJob job)
{
    m_listPath = job.outputPath;
    m_running = true;
    m_percent = 0;
    m_bytesRead = 0;
    m_totalBytes = static_cast<std::uint64_t>(TotalBytesOf(job));
    m_clock.start();
    m_meter.Restart(0, 0.0);
    m_progress->setValue(0);
    show();
    m_refreshTimer->start(kRefreshMilliseconds);
    m_run.Start(std::move(job), *this);
}

void GenerateDialog::RunStarted(const std::string& groupCaption)
{
    QMetaObject::invokeMethod(
        this,
        [this, caption = QString::fromStdString(groupCaption)] {
            m_group->setTitle(caption);
            setWindowTitle(caption);
        },
        Qt::QueuedConnection);
}

void GenerateDialog::FileStarted(const std::string& name, int, int, const std::string& counterText)
{
    const std::lock_guard lock(m_fileMutex);
    m_latestName = name;
    m_latestCounter = counterText;
    m_fileChanged = true;
}

void GenerateDialog::RunEnded(const GenerationOutcome& outcome)
{
    QMetaObject::invokeMethod(this, [this, outcome] { Finish(outcome); }, Qt::QueuedConnection);
}

void GenerateDialog::Refresh()
{
    {
        const std::lock_guard lock(m_fileMutex);
        if (m_fileChanged) {
            m_fileName->setText(QFile::decodeName(m_latestName.c_str()));
            m_counter->setText(QString::fromStdString(m_latestCounter));
            m_fileChanged = false;
        }
    }
    const int percent = m_percent.load(std::memory_order_relaxed);
    m_progress->setValue(percent > 100 ? 100 : percent);
    const double seconds = static_cast<double>(m_clock.elapsed()) / 1000.0;
    ProgressFigures figures = m_meter.Sample(m_bytesRead.load(std::memory_order_relaxed), m_totalBytes, seconds);
    figures.percent = m_progress->value();
    m_figures->setText(ProgressFiguresText(figures, m_running));
}

void GenerateDialog::Finish(const GenerationOutcome& outcome)
{
    m_run.Wait();  // RunEnded was the worker's last call
    m_refreshTimer->stop();
    m_running = false;  // the last figures: what was done, without speed or time left
    Refresh();
    EndGeneration(QDialog::Accepted);
    if (!outcome.message.empty()) {
        m_showError(parentWidget(), QFile::decodeName(outcome.message.c_str()));
    }
    const std::string leftOut = LeftOutMessage(m_listPath, outcome.leftOut);
    if (!leftOut.empty()) {
        m_showError(parentWidget(), QFile::decodeName(leftOut.c_str()));
    }
    emit generationEnded(outcome);
}

void GenerateDialog::EndGeneration(int result)
{
    g_abort.store(1, std::memory_order_relaxed);
    if (isVisible()) {
        done(result);
    }
}

void GenerateDialog::OnCancel()
{
    if (!m_running || !isVisible()) {
        return;  // the run has ended, or a Cancel was already handled
    }
    EndGeneration(QDialog::Rejected);
    // The run's own text, translated here; the marker lists it for lupdate.
    static_assert(std::string_view(kUserAbortedMessage) == QT_TRANSLATE_NOOP("GenerateDialog", "User aborted."));
    m_showError(parentWidget(), tr(kUserAbortedMessage));
}

void GenerateDialog::reject()
{
    // Escape: the same as Cancel.
    OnCancel();
}

void GenerateDialog::closeEvent(QCloseEvent* event)
{
    EndGeneration(QDialog::Rejected);
    event->accept();
}
