#include "app/main_texts.h"

#include "app/frm_main.h"

namespace vz {

std::string MainText(frmMain& main, const std::string& key, const char* builtIn) {
    const std::string text = main.LangText("Main", key);
    return text == clsINI::NoValue ? builtIn : text;
}

} // namespace vz
