#include "reportfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr int kCsvFilter = 2;

}  // namespace

QStringList ReportFilters()
{
    return {QCoreApplication::translate("ReportFile", "Text report (*.txt)"),
            QCoreApplication::translate("ReportFile", "CSV (*.csv)")};
}

ReportFileChoice ChooseReportFile(const QString& path, int filterIndex)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv")) {
        return {path, ReportFormat::Csv};
    }
    if (suffix == QLatin1String("txt")) {
        return {path, ReportFormat::Text};
    }
    const ReportFormat format = filterIndex == kCsvFilter ? ReportFormat::Csv : ReportFormat::Text;
    if (suffix.isEmpty() && !path.endsWith(QLatin1Char('.'))) {
        return {path + (format == ReportFormat::Csv ? QStringLiteral(".csv") : QStringLiteral(".txt")), format};
    }
    return {path, format};
}
