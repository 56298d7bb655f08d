// Switching the X11 keyboard group between a Latin and a Cyrillic layout.
#include "xkb_layout_switch.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <array>

namespace vz {

namespace {

// A group is of a script when most letter keys of a full keyboard type it.
constexpr int LettersOfAScript = 20;

struct GroupLetters {
    int latin = 0;
    int cyrillic = 0;
};

bool isLatinLetter(KeySym sym) {
    return sym >= XK_a && sym <= XK_z;
}

// The Cyrillic keysyms, legacy and Unicode.
bool isCyrillicLetter(KeySym sym) {
    return (sym >= 0x6a1 && sym <= 0x6ff) || (sym >= 0x1000400 && sym <= 0x10004ff);
}

// How many keys of each group type a Latin or a Cyrillic letter unshifted.
std::array<GroupLetters, XkbNumKbdGroups> lettersPerGroup(XkbDescPtr keyboard) {
    std::array<GroupLetters, XkbNumKbdGroups> groups{};
    for (int code = keyboard->min_key_code; code <= keyboard->max_key_code; ++code) {
        const int count = XkbKeyNumGroups(keyboard, code);
        for (int group = 0; group < count && group < XkbNumKbdGroups; ++group) {
            const KeySym sym = XkbKeySymEntry(keyboard, code, 0, group);
            groups[group].latin += isLatinLetter(sym) ? 1 : 0;
            groups[group].cyrillic += isCyrillicLetter(sym) ? 1 : 0;
        }
    }
    return groups;
}

// The group of each script, or -1.
struct ScriptGroups {
    int latin = -1;
    int cyrillic = -1;
};

ScriptGroups scriptGroups(Display* display) {
    ScriptGroups found;
    XkbDescPtr keyboard = XkbGetMap(display, XkbKeySymsMask, XkbUseCoreKbd);
    if (keyboard == nullptr)
        return found;
    const auto groups = lettersPerGroup(keyboard);
    XkbFreeKeyboard(keyboard, 0, True);
    for (int group = XkbNumKbdGroups - 1; group >= 0; --group) {
        if (groups[group].latin >= LettersOfAScript)
            found.latin = group;
        if (groups[group].cyrillic >= LettersOfAScript)
            found.cyrillic = group;
    }
    return found;
}

} // namespace

void activateXkbGroup(Display* display, bool latin) {
    if (display == nullptr)
        return;
    const ScriptGroups groups = scriptGroups(display);
    if (groups.latin < 0 || groups.cyrillic < 0)
        return;
    XkbLockGroup(display, XkbUseCoreKbd,
                 static_cast<unsigned>(latin ? groups.latin : groups.cyrillic));
    XFlush(display);
}

} // namespace vz
