// Log files: one per channel or private conversation, one entry per shown line.
#pragma once

#include <string>
#include <string_view>

namespace vz {

class AppendingFile;
class LocaleFormat;

// `text` without its bold and underline characters; colour codes stay.
std::string StripBoldUnderline(std::string_view text);
// The file that `logName` is logged to: the name and ".txt", with every
// character that would name a folder or cannot be in a file name ("/", "\",
// control characters) made "_", so a log never leaves the working directory.
std::string LogFileName(std::string_view logName);
// One entry: "[date]-time- text" and a line of 22 hyphens, each ending in CR LF.
std::string LogEntry(const std::string& date, const std::string& time, std::string_view text);
// Appends the entry for `text` to a log file, stamped with the locale's date
// and time of day. A file that cannot be written loses only this entry.
void WriteLog(AppendingFile& log, const LocaleFormat& locale, std::string_view text);

} // namespace vz
