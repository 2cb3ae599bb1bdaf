#include "resultreport.h"

#include "atomicfile.h"
#include "checksumlist.h"
#include "checksumlistcontent.h"
#include "outputname.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <sstream>

#include <sys/stat.h>

namespace {

// A field a spreadsheet would take for a formula starts with one of these.
bool LooksLikeFormula(std::string_view field) noexcept
{
    return !field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
}

// A CSV field: quoted, with quotes doubled, when it holds a comma, a quote or a line
// break. One that a spreadsheet would run as a formula is quoted with a "'" before it,
// which shows it as text (OWASP's advice on CSV injection).
void WriteCsvField(std::ostream& out, std::string_view field)
{
    const bool formula = LooksLikeFormula(field);
    if (!formula && field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out << field;
        return;
    }
    out << '"';
    if (formula) {
        out << '\'';
    }
    for (const char c : field) {
        if (c == '"') {
            out << '"';
        }
        out << c;
    }
    out << '"';
}

void WriteText(const ChecksumList& list, std::ostream& out)
{
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        if (const char* verdict = VerdictWord(list.RowStatus(row))) {
            out << NameLine(list.RowName(row), std::string(": ") + verdict) << '\n';
        }
    }
    out << TotalsLine(list.GetCounters()) << '\n';
}

void WriteCsv(const ChecksumList& list, std::ostream& out)
{
    out << "name,size,state,expected,found\r\n";
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        const char* verdict = VerdictWord(list.RowStatus(row));
        const std::uint64_t size = list.RowSize(row);
        WriteCsvField(out, list.RowName(row));
        out << ',';
        if (size != kSizeNotFound) {
            out << size;
        }
        out << ',' << (verdict != nullptr ? verdict : "UNCHECKED") << ',';
        WriteCsvField(out, list.ExpectedChecksum(row));
        out << ',';
        WriteCsvField(out, list.FoundChecksum(row));
        out << "\r\n";
    }
}

}  // namespace

const char* VerdictWord(EntryStatus status) noexcept
{
    switch (status) {
    case EntryStatus::OK: return "OK";
    case EntryStatus::Bad: return "BAD";
    case EntryStatus::Missing: return "MISSING";
    case EntryStatus::Unchecked:
    case EntryStatus::Checking: break;
    }
    return nullptr;
}

std::string TotalsLine(const Counters& counters)
{
    const auto texts = StatusBarTexts(counters);
    return texts[0] + ", " + texts[1] + ", " + texts[2] + ", " + texts[3];
}

ReportFormat ReportFormatForPath(std::string_view path) noexcept
{
    constexpr std::string_view kCsv = ".csv";
    if (path.size() < kCsv.size()) {
        return ReportFormat::Text;
    }
    const std::string_view tail = path.substr(path.size() - kCsv.size());
    for (std::size_t i = 0; i < kCsv.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kCsv[i]) {
            return ReportFormat::Text;
        }
    }
    return ReportFormat::Csv;
}

void WriteResultReport(const ChecksumList& list, ReportFormat format, std::ostream& out)
{
    if (format == ReportFormat::Csv) {
        WriteCsv(list, out);
    } else {
        WriteText(list, out);
    }
}

std::string ResultReportText(const ChecksumList& list, ReportFormat format)
{
    std::ostringstream out;
    WriteResultReport(list, format, out);
    return std::move(out).str();
}

std::string ReportFailedMessage(const std::string& path, int errorCode)
{
    return "Write report [" + path + "] failed: " + std::strerror(errorCode) + ".";
}

std::string SaveResultReport(const ChecksumList& list, ReportFormat format, const std::string& path)
{
    // Only a file is ever replaced: a folder or a device in the way is named as such,
    // and the checksum list itself is never overwritten by its own report.
    struct stat existing{};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            return ReportFailedMessage(path, S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);
        }
        struct stat listFile{};
        if (::stat(list.ListPath().c_str(), &listFile) == 0 && listFile.st_dev == existing.st_dev &&
            listFile.st_ino == existing.st_ino) {
            return "Write report [" + path + "] failed: that is the checksum list itself.";
        }
    }
    errno = 0;
    if (WriteFileAtomically(path, ResultReportText(list, format))) {
        return {};
    }
    return ReportFailedMessage(path, errno != 0 ? errno : EIO);
}
