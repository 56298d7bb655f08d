// Typed text between the Latin and Cyrillic alphabets and keyboard layouts, by
// the rules of the transliteration file.
#include "config/translit.h"

#include "config/ini_store.h"
#include "text/case_fold.h"
#include "text/utf8.h"

#include <map>
#include <vector>

namespace vz {

namespace {

// Letter groups read as one key, in the order they are tried; only the
// lower-case and the capitalised form count.
constexpr std::string_view LetterGroups[] = {"sch", "sc", "sh", "ya", "yo", "yu",
                                             "ts",  "th", "ch", "kh", "zh"};
// "sc" (not followed by h) has a fixed reading of its own.
constexpr std::string_view FixedGroup = "sc";
constexpr std::string_view FixedReading = "сц";
// The Cyrillic letters [2Lat] has keys for.
constexpr std::u32string_view CyrillicLetters = U"абвгдежзийклмнопрстуфхцчшщъыьэюяіїє";

// The keys of one section of the transliteration file, each looked up once
// per conversion.
class TranslitKeys {
public:
    TranslitKeys(FileSystem& files, std::string section)
        : ini_(files), section_(std::move(section)) {
        ini_.setFileName(TranslitFileName);
    }
    // The value of `key`, or nullptr when the file has none.
    const std::string* find(const std::string& key) {
        auto found = values_.find(key);
        if (found == values_.end())
            found = values_.emplace(key, ini_.Value(section_, key)).first;
        return found->second == clsINI::NoValue ? nullptr : &found->second;
    }

private:
    clsINI ini_;
    std::string section_;
    std::map<std::string, std::string> values_;
};

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `group` or its capitalised form at the start of `text`.
bool startsWithGroup(std::string_view text, std::string_view group) {
    if (text.size() < group.size() || text.substr(1, group.size() - 1) != group.substr(1))
        return false;
    return text[0] == group[0] || text[0] == group[0] - 'a' + 'A';
}

// The key that the Latin letters at the start of `text` make, lower case.
std::string_view latinKey(std::string_view text) {
    for (const std::string_view group : LetterGroups)
        if (startsWithGroup(text, group))
            return group;
    return text.substr(0, 1);
}

std::string toCyrillic(FileSystem& files, std::string_view text) {
    TranslitKeys keys(files, "2Rus");
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (!isAsciiLetter(text[i])) {
            out += text[i++];
            continue;
        }
        std::string key(latinKey(text.substr(i)));
        key[0] = lower(key[0]);
        if (key == FixedGroup)
            out += FixedReading;
        else if (const std::string* value = keys.find(key))
            out += *value;
        else
            out += text.substr(i, key.size());
        i += key.size();
    }
    return out;
}

std::string toLatin(FileSystem& files, std::string_view text) {
    TranslitKeys keys(files, "2Lat");
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8::sequenceLength(text, i);
        const char32_t letter = foldCodePoint(utf8::decode(text, i));
        const std::string* value = nullptr;
        if (CyrillicLetters.find(letter) != std::u32string_view::npos) {
            std::string key;
            utf8::append(key, letter);
            value = keys.find(key);
        }
        out += value ? std::string_view(*value) : text.substr(i, length);
        i += length;
    }
    return out;
}

// A layout string cut into its characters.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size(); i += out.back().size())
        out.push_back(text.substr(i, utf8::sequenceLength(text, i)));
    return out;
}

struct Pass {
    std::string text;
    int hits = 0;
};

// Each character of `text` found in `from` becomes the character at the same
// place of `to` (once per place it is found at); any other stays as it was.
Pass readAs(std::string_view text, const std::vector<std::string_view>& from,
            const std::vector<std::string_view>& to) {
    Pass pass;
    for (const std::string_view c : characters(text)) {
        bool replaced = false;
        for (std::size_t at = 0; at < from.size(); ++at) {
            if (from[at] != c)
                continue;
            ++pass.hits;
            if (at < to.size()) {
                pass.text += to[at];
                replaced = true;
            }
        }
        if (!replaced)
            pass.text += c;
    }
    return pass;
}

} // namespace

std::string Translit(FileSystem& files, std::string_view text, bool toLatinText) {
    return toLatinText ? toLatin(files, text) : toCyrillic(files, text);
}

LayoutSwap SwapLayoutText(FileSystem& files, std::string_view text) {
    clsINI ini(files);
    ini.setFileName(TranslitFileName);
    const std::string s1 = ini.Value("Raskl", "s1"), r = ini.Value("Raskl", "r");
    const std::string latin =
        s1 == clsINI::NoValue || r == clsINI::NoValue ? std::string() : s1 + ";" + r;
    const std::string cyrillic = ValueOrEmpty(ini.Value("Raskl", "s2"));
    const auto latinKeys = characters(latin), cyrillicKeys = characters(cyrillic);
    Pass toCyrillicText = readAs(text, latinKeys, cyrillicKeys);
    Pass toLatinText = readAs(text, cyrillicKeys, latinKeys);
    if (toCyrillicText.hits < toLatinText.hits)
        return {std::move(toLatinText.text), KeyboardLayout::Latin};
    return {std::move(toCyrillicText.text), KeyboardLayout::Cyrillic};
}

std::string SwapLayout(FileSystem& files, Desktop& desktop, std::string_view text) {
    LayoutSwap swap = SwapLayoutText(files, text);
    desktop.activateKeyboardLayout(swap.layout);
    return std::move(swap.text);
}

} // namespace vz
