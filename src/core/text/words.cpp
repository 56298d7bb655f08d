// Splitting text at blanks (or another separator) and joining words back.
#include "text/words.h"

#include "text/case_fold.h"
#include "text/utf8.h"

#include <cctype>

namespace vz {

std::vector<std::string> SplitAll(std::string_view text, char separator) {
    std::vector<std::string> items;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = text.find(separator, from);
        items.emplace_back(text.substr(from, at - from));
        if (at == std::string_view::npos)
            return items;
        from = at + 1;
    }
}

void SplitAtFirst(const std::string& source, char sep, std::string& left, std::string& right) {
    const auto at = source.find(sep);
    if (at == std::string::npos) {
        left = source;
        right = source;
        return;
    }
    std::string before = source.substr(0, at);
    std::string after = source.substr(at + 1);
    left = std::move(before);
    right = std::move(after);
}

std::string GetWords(std::span<const std::string> words, int first, int last) {
    const int count = static_cast<int>(words.size()) - 1;
    if (last == -1)
        last = count;
    if (first < 1 || last > count || first > last)
        return {};
    std::string out;
    for (int i = first; i <= last; ++i) {
        if (i > first)
            out += ' ';
        out += words[i];
    }
    std::erase(out, '\r');
    return out;
}

namespace {

bool isNickCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || std::isalnum(byte) != 0 ||
           std::string_view("-[]\\`^{}_|").find(c) != std::string_view::npos;
}

} // namespace

bool MentionsNick(std::string_view text, std::string_view nick) {
    if (nick.empty())
        return false;
    const std::string folded = foldCase(text);
    const std::string word = foldCase(nick);
    for (std::size_t at = folded.find(word); at != std::string::npos;
         at = folded.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isNickCharacter(folded[at - 1])) &&
            (end == folded.size() || !isNickCharacter(folded[end])))
            return true;
    }
    return false;
}

std::string BeforeAngle(std::string_view entry) {
    return std::string(entry.substr(0, entry.find('<')));
}

std::string InsideAngle(std::string_view entry) {
    const std::size_t angle = entry.find('<');
    if (angle == std::string_view::npos)
        return {};
    const std::string withoutLast = utf8::dropLast(entry);
    return angle + 1 < withoutLast.size() ? withoutLast.substr(angle + 1) : std::string();
}

} // namespace vz
