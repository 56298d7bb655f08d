// The options dialog's widgets.
#include "qt_options_view.h"

#include "qt_server_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vz {

namespace {

constexpr int PageCount = 3;

// A check box over a whole row of `grid`.
std::unique_ptr<QtCheckBox> checkRow(QWidget* parent, QGridLayout* grid, const char* name,
                                     const char* caption) {
    auto box = std::make_unique<QtCheckBox>(parent);
    box->widget()->setObjectName(name);
    box->widget()->setText(caption);
    grid->addWidget(box->widget(), grid->rowCount(), 0, 1, 2);
    return box;
}

} // namespace

QtOptionsView::QtOptionsView(QWidget* parent, OptionsViewEvents& events)
    : dialog_(new QDialog(parent)) {
    dialog_->setWindowTitle("VuviVAZ");
    auto* pageColumn = new QVBoxLayout;
    const char* const pageCaptions[PageCount] = {"Connection", "Plug-ins", "Other"};
    for (int page = 1; page <= PageCount; ++page) {
        QPushButton* pageButton = button(dialog_, "", pageCaptions[page - 1], nullptr, events);
        pageButton->setCheckable(true);
        pageButton->setObjectName(QStringLiteral("cmdOption%1").arg(page));
        captions_.add(pageButton->objectName().toStdString(), pageButton);
        QObject::connect(pageButton, &QPushButton::clicked,
                         [&events, page] { events.onPage(page); });
        pageColumn->addWidget(pageButton);
        pageButtons_[page - 1] = pageButton;
    }
    pageColumn->addStretch();
    pages_ = new QStackedWidget(dialog_);
    pages_->addWidget(buildConnectionPage(events));
    pages_->addWidget(buildPluginPage(events));
    pages_->addWidget(buildOtherPage(events));
    auto* body = new QHBoxLayout;
    body->addLayout(pageColumn);
    body->addWidget(pages_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = button(dialog_, "btnOk", "OK", &OptionsViewEvents::onOk, events);
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(
        button(dialog_, "btnCancel", "Cancel", &OptionsViewEvents::onCancel, events));
    buttons->addWidget(button(dialog_, "btnApply", "Apply", &OptionsViewEvents::onApply, events));
    auto* layout = new QVBoxLayout(dialog_);
    layout->addLayout(body);
    layout->addLayout(buttons);
    SetTabOrder(tabOrder_);
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onCancel(); });
}

QtOptionsView::~QtOptionsView() {
    delete dialog_;
}

// A push button that never takes Enter from the OK button; it joins the tab
// order and, with an event, reports its clicks.
QPushButton* QtOptionsView::button(QWidget* parent, const char* name, const char* caption,
                                   void (OptionsViewEvents::*event)(), OptionsViewEvents& events) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setAutoDefault(false);
    pushButton->setObjectName(name);
    captions_.add(name, pushButton);
    tabOrder_.push_back(pushButton);
    if (event != nullptr)
        QObject::connect(pushButton, &QPushButton::clicked,
                         [&events, event] { (events.*event)(); });
    return pushButton;
}

// A labelled text box on a new row of `grid`.
std::unique_ptr<QtLineEdit> QtOptionsView::field(QWidget* parent, QGridLayout* grid,
                                                 const char* name, const char* labelName,
                                                 const char* caption) {
    auto line = std::make_unique<QtLineEdit>(parent);
    line->widget()->setObjectName(name);
    auto* label = new QLabel(caption, parent);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(line->widget(), row, 1);
    label->setBuddy(line->widget());
    captions_.add(labelName, label);
    tabOrder_.push_back(line->widget());
    return line;
}

QWidget* QtOptionsView::buildConnectionPage(OptionsViewEvents& events) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* serverLabel = new QLabel("Server:", page);
    captions_.add("Label1", serverLabel);
    server_ = std::make_unique<QtComboBox>(page);
    server_->widget()->setObjectName("cmbServer");
    tabOrder_.push_back(server_->widget());
    grid->addWidget(serverLabel, 0, 0);
    grid->addWidget(server_->widget(), 0, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(button(page, "btnAdd", "Add", &OptionsViewEvents::onAddServer, events));
    listButtons->addWidget(
        button(page, "btnEdit", "Edit", &OptionsViewEvents::onEditServer, events));
    listButtons->addWidget(
        button(page, "btnDelete", "Delete", &OptionsViewEvents::onDeleteServer, events));
    listButtons->addStretch();
    grid->addLayout(listButtons, 1, 1);
    port_ = field(page, grid, "txtIrcPort", "Label2", "Port:");
    fullName_ = field(page, grid, "txtFullName", "Label3", "Full name:");
    email_ = field(page, grid, "txtEmail", "Label4", "E-mail:");
    nick_ = field(page, grid, "txtNick", "Label5", "Nick:");
    alternative_ = field(page, grid, "txtAlternative", "Label6", "Alternative nick:");
    password_ = field(page, grid, "txtPassword", "lblPassword", "Password:");
    password_->widget()->setEchoMode(QLineEdit::Password);
    connOnStart_ = checkRow(page, grid, "chkConnOnStart", "Connect at start-up");
    captions_.add("chkConnOnStart", connOnStart_->widget());
    tabOrder_.push_back(connOnStart_->widget());
    grid->addWidget(button(page, "btnConnect", "Connect", &OptionsViewEvents::onConnect, events),
                    grid->rowCount(), 1, Qt::AlignRight);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* QtOptionsView::buildPluginPage(OptionsViewEvents& events) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel("Plug-ins:", page);
    captions_.add("Label7", label);
    plugins_ = std::make_unique<QtListBox>(page);
    plugins_->widget()->setObjectName("lstPlugins");
    plugins_->setHandlers([](int) {}, [&events](int) { events.onPlugin(); }, [] {});
    tabOrder_.push_back(plugins_->widget());
    layout->addWidget(label);
    layout->addWidget(plugins_->widget(), 1);
    layout->addWidget(button(page, "btnPlugin", "Start", &OptionsViewEvents::onPlugin, events), 0,
                      Qt::AlignRight);
    return page;
}

QWidget* QtOptionsView::buildOtherPage(OptionsViewEvents& events) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* label = new QLabel("Language:", page);
    captions_.add("Label8", label);
    language_ = std::make_unique<QtComboBox>(page);
    language_->widget()->setObjectName("cmbLang");
    tabOrder_.push_back(language_->widget());
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(language_->widget(), 1);
    languageRow->addWidget(
        button(page, "btnLangEdit", "Edit", &OptionsViewEvents::onLangEdit, events));
    grid->addWidget(label, 0, 0);
    grid->addLayout(languageRow, 0, 1);
    const std::pair<std::unique_ptr<QtCheckBox>*, const char*> boxes[] = {
        {&openAtStart_, "Check2"}, {&chanLog_, "chkChanLog"}, {&privLog_, "chkPrivLog"}};
    const char* const builtIn[] = {"Show this window at start-up", "Log channels",
                                   "Log private chats"};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        *boxes[i].first = checkRow(page, grid, boxes[i].second, builtIn[i]);
        captions_.add(boxes[i].second, (*boxes[i].first)->widget());
        tabOrder_.push_back((*boxes[i].first)->widget());
    }
    grid->addWidget(buildProxyFrame(page, events), grid->rowCount(), 0, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QGroupBox* QtOptionsView::buildProxyFrame(QWidget* page, OptionsViewEvents& events) {
    proxyFrame_ = new QGroupBox("Proxy", page);
    auto* grid = new QGridLayout(proxyFrame_);
    proxy_ = checkRow(proxyFrame_, grid, "chkProxy", "Proxy");
    tabOrder_.push_back(proxy_->widget());
    QObject::connect(proxy_->widget(), &QCheckBox::clicked, [&events] { events.onProxyClick(); });
    proxyServer_ = field(proxyFrame_, grid, "txtProxyServer", "", "Server:");
    proxyPort_ = field(proxyFrame_, grid, "txtProxyPort", "", "Port:");
    return proxyFrame_;
}

void QtOptionsView::setCaption(const std::string& name, const std::string& text) {
    captions_.set(name, text);
}

void QtOptionsView::showPage(int page) {
    pages_->setCurrentIndex(page - 1);
    for (int i = 0; i < PageCount; ++i)
        pageButtons_[i]->setChecked(i == page - 1);
}

int QtOptionsView::selectedPlugin() const {
    const QListWidget* list = plugins_->widget();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void QtOptionsView::setProxyBoxesEnabled(bool enabled) {
    proxyServer_->widget()->setEnabled(enabled);
    proxyPort_->widget()->setEnabled(enabled);
}

void QtOptionsView::hideProxyFrame() {
    proxyFrame_->hide();
}

std::unique_ptr<ServerEditorView>
QtOptionsView::createServerEditor(ServerEditorViewEvents& events) {
    return std::make_unique<QtServerEditorView>(dialog_, events);
}

// The dialog opens with the focus in the server field. Hiding it also ends a
// modal showing.
void QtOptionsView::show(bool modal) {
    server_->widget()->setFocus();
    if (modal) {
        dialog_->exec();
        return;
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void QtOptionsView::close() {
    dialog_->hide();
}

} // namespace vz
