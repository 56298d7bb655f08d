// Display lines through the colour writer into runs, and what it logs into a
// log entry and a log file name. Invariants: no run is empty, neighbouring runs
// differ, no character that is not part of a code is lost or invented, the
// log gets the line without its line colour, and the entry and the file name
// keep their shape.
#include "fuzz_support.h"
#include "text/color_writer.h"
#include "text/log_file.h"

namespace {

class LogAll : public vz::LogPolicy {
public:
    bool Logs(const std::string&) const override { return true; }
    void WriteLog(const std::string& text, const std::string&) override { logged.push_back(text); }
    std::vector<std::string> logged;
};

// The characters that can never belong to a code.
std::string plain(std::string text) {
    std::erase_if(text, [](char c) {
        return std::string_view("\x02\x03\x1F\x16,0123456789").find(c) != std::string_view::npos;
    });
    return text;
}

void checkRuns(const std::vector<vz::TextRun>& runs, const std::string& line) {
    vz::fuzz::check(!runs.empty() && runs[0].text.starts_with(" "), "runs start with the blank");
    std::string shown;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        vz::fuzz::check(!runs[i].text.empty(), "no run has an empty text");
        vz::fuzz::check(i == 0 || !(runs[i].attr == runs[i - 1].attr), "neighbouring runs differ");
        shown += runs[i].text;
    }
    vz::fuzz::check(plain(shown.substr(1)) == plain(line), "no character lost or invented");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [line, logName] = vz::fuzz::cut(vz::fuzz::text(data, size), '\n');
    LogAll log;
    vz::ColorWriter writer(log);
    vz::fake::FakeTextView view;
    writer.PutColorText(view, line, logName.empty() ? "#c" : logName);
    vz::fuzz::check(view.lines.size() == 1 && log.logged.size() == 1, "one line shown and logged");
    const std::string& logged = log.logged[0];
    vz::fuzz::check(logged == line || (line.size() >= 2 && logged == line.substr(2)),
                    "the log gets the line");
    checkRuns(view.lines[0], logged);
    checkRuns(vz::DisplayLineRuns(line, 0), line);

    const std::string entry = vz::LogEntry("07.12.2026", "12:00:00", logged);
    const std::string tail = "\r\n" + std::string(22, '-') + "\r\n";
    vz::fuzz::check(entry.starts_with("[07.12.2026]-12:00:00- ") && entry.ends_with(tail),
                    "the entry keeps its shape");
    vz::fuzz::check(entry.find_first_of("\x02\x1F") == std::string::npos, "no bold or underline");
    const std::string file = vz::LogFileName(logName);
    vz::fuzz::check(file.ends_with(".txt") && file.size() == logName.size() + 4, "file name shape");
    for (const char c : file)
        vz::fuzz::check(c != '/' && c != '\\' && static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                        "file name stays in the folder");
    return 0;
}
