#include "fakes/fake_controls.h"

#include "text/utf8.h"

namespace vz::fake {

void FakeTextView::appendLine(const std::vector<TextRun>& runs) {
    lines.push_back(runs);
    if (whileAppending)
        whileAppending();
}

std::string FakeTextView::lineText(std::size_t i) const {
    std::string out;
    for (const TextRun& run : lines.at(i))
        out += run.text;
    return out;
}

std::string FakeTextView::lastLine() const {
    return lines.empty() ? "" : lineText(lines.size() - 1);
}

std::vector<std::string> FakeTextView::lineTexts() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out.push_back(lineText(i));
    return out;
}

std::string FakeTextView::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += "\n";
        out += lineText(i);
    }
    return out;
}

void FakeTextView::deleteRange(int start, int length) {
    const std::string all = text();
    const std::string kept = utf8::left(all, start) + utf8::substr(all, start + length);
    lines.clear();
    std::size_t from = 0;
    while (true) {
        const std::size_t end = kept.find('\n', from);
        lines.push_back({TextRun{kept.substr(from, end - from), {}}});
        if (end == std::string::npos)
            break;
        from = end + 1;
    }
}

int FakeTextView::charIndexAt(int xPixels, int yPixels) const {
    const auto it = charAtPixel.find({xPixels, yPixels});
    return it == charAtPixel.end() ? -1 : it->second;
}

std::string FakeListBox::row(int index) const {
    return index >= 0 && index < count() ? rows[index] : std::string();
}

void FakeListBox::setRow(int index, const std::string& text) {
    if (index == count())
        rows.push_back(text);
    else if (index >= 0 && index < count())
        rows[index] = text;
}

void FakeListBox::removeRow(int index) {
    if (index >= 0 && index < count())
        rows.erase(rows.begin() + index);
}

} // namespace vz::fake
