// The prompt dialog: one line of text turned into the command of its mode.
#pragma once

#include "platform/prompt_view.h"

#include <memory>
#include <string>

namespace vz {

class frmMain;

class frmCommand : public PromptViewEvents {
public:
    explicit frmCommand(frmMain& main);
    ~frmCommand();

    // Shows the dialog with an empty field, labelled with [Command]
    // `labelKey` of the language file; OK then builds the command of `mode`
    // ("JOIN ", "PART ", "NICK "...), with `extra` between the mode and the
    // typed text.
    void Prompt(const std::string& labelKey, const std::string& mode,
                const std::string& extra = "");
    // The buttons' captions from the language file.
    void SetLang();

    void onOk() override;
    void onCancel() override;
    bool onFieldKey(int character) override;

    std::string strMode;
    std::string strExtra;
    // The typed text as the dialog used it.
    std::string strText;

private:
    PromptView& view();
    // Builds and sends the command; false when the dialog stays open.
    bool runMode(const std::string& text);
    bool openPrivat(const std::string& nick);
    void changeServer(const std::string& text);

    frmMain& main_;
    std::unique_ptr<PromptView> view_;
};

} // namespace vz
