#include "generatedlg.h"

#include "abortflag.h"
#include "generationmessages.h"

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

namespace {

constexpr int kRefreshMilliseconds = 100;

}  // namespace

CGenerateDlg::CGenerateDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint),
      m_group(new QGroupBox(QString::fromLatin1(kSfvGroupCaption), this)),
      m_fileName(new QLabel(m_group)),
      m_counter(new QLabel(m_group)),
      m_progress(new QProgressBar(m_group)),
      m_cancel(new QPushButton(tr("&Cancel"), m_group)),
      m_refreshTimer(new QTimer(this)),
      m_showError([](QWidget* parent, const QString& text) { QMessageBox::critical(parent, QString(), text); })
{
    setObjectName(QStringLiteral("generateDialog"));
    setWindowModality(Qt::WindowModal);
    m_group->setObjectName(QStringLiteral("generateGroup"));
    m_fileName->setObjectName(QStringLiteral("generateFileName"));
    m_fileName->setAlignment(Qt::AlignCenter);
    m_fileName->setTextFormat(Qt::PlainText);
    m_counter->setObjectName(QStringLiteral("generateCounter"));
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
    inner->addLayout(bottom);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_group);
    setMinimumWidth(300);

    connect(m_cancel, &QPushButton::clicked, this, &CGenerateDlg::OnCancel);
    connect(m_refreshTimer, &QTimer::timeout, this, &CGenerateDlg::Refresh);
}

CGenerateDlg::~CGenerateDlg()
{
    GenerationRun::Cancel();
    m_run.Wait();
}

void CGenerateDlg::Shutdown()
{
    GenerationRun::Cancel();
    m_run.Wait();
}

void CGenerateDlg::Start(GenerationJob job)
{
    m_listPath = job.outputPath;
    m_running = true;
    m_percent = 0;
    m_progress->setValue(0);
    open();
    m_refreshTimer->start(kRefreshMilliseconds);
    m_run.Start(std::move(job), *this);
}

void CGenerateDlg::RunStarted(const std::string& groupCaption)
{
    QMetaObject::invokeMethod(
        this, [this, caption = QString::fromStdString(groupCaption)] { m_group->setTitle(caption); },
        Qt::QueuedConnection);
}

void CGenerateDlg::FileStarted(const std::string& name, int, int, const std::string& counterText)
{
    const std::lock_guard lock(m_fileMutex);
    m_latestName = name;
    m_latestCounter = counterText;
    m_fileChanged = true;
}

void CGenerateDlg::RunEnded(const GenerationOutcome& outcome)
{
    QMetaObject::invokeMethod(this, [this, outcome] { Finish(outcome); }, Qt::QueuedConnection);
}

void CGenerateDlg::Refresh()
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
}

void CGenerateDlg::Finish(const GenerationOutcome& outcome)
{
    m_run.Wait();  // RunEnded was the worker's last call
    m_refreshTimer->stop();
    Refresh();
    m_running = false;
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

void CGenerateDlg::EndGeneration(int result)
{
    g_abort.store(1, std::memory_order_relaxed);
    if (isVisible()) {
        done(result);
    }
}

void CGenerateDlg::OnCancel()
{
    if (!m_running || !isVisible()) {
        return;  // the run has ended, or a Cancel was already handled
    }
    EndGeneration(QDialog::Rejected);
    m_showError(parentWidget(), QString::fromLatin1(kUserAbortedMessage));
}

void CGenerateDlg::reject()
{
    // Escape: the same as a close request.
    EndGeneration(QDialog::Rejected);
}

void CGenerateDlg::closeEvent(QCloseEvent* event)
{
    EndGeneration(QDialog::Rejected);
    event->accept();
}
