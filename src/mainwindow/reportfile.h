#pragma once

#include "resultreport.h"

#include <QString>
#include <QStringList>

// Where a report goes and in which format, from the Save dialog's answer.
struct ReportFileChoice {
    QString path;
    ReportFormat format = ReportFormat::Text;
};

// The Save dialog's filters for a report: 1 text (*.txt), 2 CSV (*.csv).
[[nodiscard]] QStringList ReportFilters();

// A path ending in .csv gives CSV and one ending in .txt text, whatever the filter; a
// name without an extension gets the selected filter's (filter 2: ".csv", else ".txt");
// any other extension is kept and the filter gives the format.
[[nodiscard]] ReportFileChoice ChooseReportFile(const QString& path, int filterIndex);
