#pragma once

#include "fakes/fake_controls.h"
#include "platform/options_view.h"

#include <string>
#include <vector>

namespace vz::fake {

class FakeComboBox : public ComboBox {
public:
    int count() const override { return static_cast<int>(rows.size()); }
    std::string row(int i) const override { return i >= 0 && i < count() ? rows[i] : ""; }
    void addRow(const std::string& text) override { rows.push_back(text); }
    void setRow(int i, const std::string& text) override { rows.at(i) = text; }
    void removeRow(int i) override { rows.erase(rows.begin() + i); }
    void clear() override { rows.clear(), current = -1, value.clear(); }
    int currentRow() const override { return current; }
    // Also what the user does picking a row from the list.
    void setCurrentRow(int i) override { current = i, value = row(i); }
    std::string text() const override { return value; }
    void setText(const std::string& text) override { value = text; }

    std::vector<std::string> rows;
    int current = -1;
    std::string value;
};

struct FakeServerEditorView : FakeDialog<ServerEditorView> {
    LineEdit& txtServer() override { return server; }
    LineEdit& txtPort() override { return port; }
    LineEdit& txtDescription() override { return description; }
    LineEdit& txtGroup() override { return group; }
    FakeLineEdit server, port, description, group;
};

struct FakeOptionsView : FakeDialog<OptionsView> {
    void showPage(int p) override { page = p; }
    ComboBox& cmbServer() override { return servers; }
    LineEdit& txtIrcPort() override { return port; }
    LineEdit& txtFullName() override { return fullName; }
    LineEdit& txtEmail() override { return email; }
    LineEdit& txtNick() override { return nick; }
    LineEdit& txtAlternative() override { return alternative; }
    LineEdit& txtPassword() override { return password; }
    LineEdit& txtSaslUser() override { return saslUser; }
    CheckBox& chkConnOnStart() override { return connOnStart; }
    ListBox& lstPlugins() override { return plugins; }
    ComboBox& cmbLang() override { return languages; }
    CheckBox& Check2() override { return openAtStart; }
    CheckBox& chkChanLog() override { return chanLog; }
    CheckBox& chkPrivLog() override { return privLog; }
    CheckBox& chkProxy() override { return proxy; }
    LineEdit& txtProxyServer() override { return proxyServer; }
    LineEdit& txtProxyPort() override { return proxyPort; }
    void setProxyBoxesEnabled(bool on) override { proxyBoxesEnabled = on; }
    void hideProxyFrame() override { proxyFrameHidden = true; }
    std::unique_ptr<ServerEditorView> createServerEditor(ServerEditorViewEvents& e) override {
        auto view = std::make_unique<FakeServerEditorView>();
        editor = view.get();
        editorEvents = &e;
        return view;
    }

    int page = 0;
    FakeComboBox servers, languages;
    FakeLineEdit port, fullName, email, nick, alternative, password, saslUser, proxyServer,
        proxyPort;
    FakeCheckBox connOnStart, openAtStart, chanLog, privLog, proxy;
    FakeListBox plugins;
    bool proxyBoxesEnabled = false, proxyFrameHidden = false;
    FakeServerEditorView* editor = nullptr;
    ServerEditorViewEvents* editorEvents = nullptr;
};

} // namespace vz::fake
