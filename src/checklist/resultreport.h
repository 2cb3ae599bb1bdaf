#pragma once

#include "listtypes.h"

#include <ostream>
#include <string>
#include <string_view>

class ChecksumList;

// The results of the last run as a file a user keeps or hands on.
enum class ReportFormat {
    Text,  // "name: OK|BAD|MISSING" per verified row in list order, then the totals line
    Csv,   // a header and one record per row: name, size, state, expected, found (RFC 4180)
};

// The verdict word tallyfox-check prints after a row's name ("OK", "BAD", "MISSING"),
// or null for a row without a verdict (Unchecked, or Checking when a run was cut short).
[[nodiscard]] const char* VerdictWord(EntryStatus status) noexcept;
// "OK: a, Bad: b, Missing: c, Unchecked: d": the totals line that ends the text report.
[[nodiscard]] std::string TotalsLine(const Counters& counters);

// CSV when the path ends in ".csv" (any case), else text.
[[nodiscard]] ReportFormat ReportFormatForPath(std::string_view path) noexcept;

// Writes the report of the list's rows and counters as they stand. The text report
// leaves out rows without a verdict, as tallyfox-check does (the totals line counts
// them as unchecked); the CSV lists every row, those without a verdict as UNCHECKED,
// with an empty size for a file that was not found and an empty found checksum until
// the file was read whole. CSV records end in CRLF.
void WriteResultReport(const ChecksumList& list, ReportFormat format, std::ostream& out);

// The report as one text, for writing a file in one piece.
[[nodiscard]] std::string ResultReportText(const ChecksumList& list, ReportFormat format);

// "Write report [%s] failed: <reason>." for a report that could not be saved.
[[nodiscard]] std::string ReportFailedMessage(const std::string& path, int errorCode);

// Saves the report at `path` in one piece: it goes to a temporary file in the same
// folder that then replaces `path`, so a failure leaves a previous file as it was.
// A folder in the way, or the list's own file, is refused before anything is written.
// Returns the failure's message, or an empty text when the report was saved.
[[nodiscard]] std::string SaveResultReport(const ChecksumList& list, ReportFormat format, const std::string& path);
