#include "fakes/fake_controls.h"

#include "text/utf8.h"

namespace vz::fake {

std::vector<std::string> FakeTextView::lineTexts() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out.push_back(lineText(i));
    return out;
}

std::string FakeTextView::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i > 0 ? "\n" : "") + lineText(i);
    return out;
}

void FakeTextView::deleteRange(int start, int length) {
    const std::string kept = utf8::left(text(), start) + utf8::substr(text(), start + length);
    lines.clear();
    for (std::size_t from = 0, end = 0; end != std::string::npos; from = end + 1) {
        end = kept.find('\n', from);
        lines.push_back({TextRun{kept.substr(from, end - from), {}}});
    }
}

} // namespace vz::fake
