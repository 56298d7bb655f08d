// Log files: one per channel or private conversation, one entry per shown line.
#include "text/log_file.h"

#include "platform/file_system.h"
#include "platform/locale_format.h"
#include "text/control_codes.h"

namespace vz {

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr const char* EntryRule = "----------------------";

bool unsafeInFileName(char c) {
    const auto code = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || code < 0x20 || code == 0x7F;
}

} // namespace

std::string StripBoldUnderline(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (c != BoldChar && c != UnderlineChar)
            out += c;
    return out;
}

std::string LogFileName(std::string_view logName) {
    std::string name(logName);
    for (char& c : name)
        if (unsafeInFileName(c))
            c = '_';
    return name + ".txt";
}

std::string LogEntry(const std::string& date, const std::string& time, std::string_view text) {
    return "[" + date + "]-" + time + "- " + StripBoldUnderline(text) + LineEnd + EntryRule +
           LineEnd;
}

void WriteLog(AppendingFile& log, const LocaleFormat& locale, std::string_view text) {
    log.append(LogEntry(locale.shortDate(), locale.timeOfDay(), text));
}

} // namespace vz
