#include "text/color_writer.h"

#include "app/globals.h"

namespace vz {

std::uint32_t GetColor(int) { return 0; }
std::string AfterFirst(const std::string& text, const std::string&) { return text; }

ColorWriter::ColorWriter(const Globals& globals, LogWriter& log) : globals_(globals), log_(log) {}

void ColorWriter::PutColorText(TextView& view, std::string text, const std::string&) {
    view.appendLine({TextRun{" " + text, {}}});
}

std::vector<TextRun> DisplayLineRuns(std::string_view, std::uint32_t) { return {}; }

} // namespace vz
