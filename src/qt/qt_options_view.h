// The options dialog's widgets.
#pragma once

#include "platform/options_view.h"
#include "qt_controls.h"
#include "qt_dialog_controls.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <vector>

class QGridLayout;
class QGroupBox;
class QPushButton;
class QStackedWidget;

namespace vz {

// Three page buttons beside the page they show, and OK, Cancel and Apply
// below. Enter is OK; Escape and the close box count as Cancel. The tab order
// follows the layout: the page's controls, OK, Cancel, Apply, then the page
// buttons.
class QtOptionsView final : public OptionsView {
public:
    QtOptionsView(QWidget* parent, OptionsViewEvents& events);
    ~QtOptionsView() override;

    void setCaption(const std::string& name, const std::string& text) override {
        setDialogCaption(*dialog_, name, text);
    }
    void showPage(int page) override;
    ComboBox& cmbServer() override { return *server_; }
    LineEdit& txtIrcPort() override { return *port_; }
    LineEdit& txtFullName() override { return *fullName_; }
    LineEdit& txtEmail() override { return *email_; }
    LineEdit& txtNick() override { return *nick_; }
    LineEdit& txtAlternative() override { return *alternative_; }
    LineEdit& txtPassword() override { return *password_; }
    LineEdit& txtSaslUser() override { return *saslUser_; }
    CheckBox& chkConnOnStart() override { return *connOnStart_; }
    ListBox& lstPlugins() override { return *plugins_; }
    ComboBox& cmbLang() override { return *language_; }
    CheckBox& Check2() override { return *openAtStart_; }
    CheckBox& chkChanLog() override { return *chanLog_; }
    CheckBox& chkPrivLog() override { return *privLog_; }
    CheckBox& chkProxy() override { return *proxy_; }
    LineEdit& txtProxyServer() override { return *proxyServer_; }
    LineEdit& txtProxyPort() override { return *proxyPort_; }
    void setProxyBoxesEnabled(bool enabled) override;
    void hideProxyFrame() override;
    std::unique_ptr<ServerEditorView> createServerEditor(ServerEditorViewEvents& events) override;
    void show(bool modal) override;
    void close() override { dialog_->hide(); }

    QDialog* dialog() const { return dialog_; }

private:
    QWidget* buildConnectionPage(OptionsViewEvents& events);
    QWidget* buildPluginPage(OptionsViewEvents& events);
    QWidget* buildOtherPage(OptionsViewEvents& events);
    QGroupBox* buildProxyFrame(QWidget* page, OptionsViewEvents& events);
    QPushButton* button(QWidget* parent, const char* name, const char* caption,
                        void (OptionsViewEvents::*event)(), OptionsViewEvents& events);
    std::unique_ptr<QtLineEdit> field(QWidget* parent, QGridLayout* grid, const char* name,
                                      const char* labelName, const char* caption);
    std::unique_ptr<QtCheckBox> checkRow(QWidget* parent, QGridLayout* grid, const char* name,
                                         const char* caption);

    QPointer<QDialog> dialog_;
    QStackedWidget* pages_ = nullptr;
    std::vector<QPushButton*> pageButtons_;
    std::unique_ptr<QtComboBox> server_, language_;
    std::unique_ptr<QtLineEdit> port_, fullName_, email_, nick_, alternative_, password_, saslUser_,
        proxyServer_, proxyPort_;
    std::unique_ptr<QtCheckBox> connOnStart_, openAtStart_, chanLog_, privLog_, proxy_;
    std::unique_ptr<QtListBox> plugins_;
    QGroupBox* proxyFrame_ = nullptr;
    // Every control that takes the focus, in tab order.
    std::vector<QWidget*> tabOrder_;
};

} // namespace vz
