// The options dialog's widgets.
#include "qt_options_view.h"

#include "qt_server_editor_view.h"

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

QtOptionsView::QtOptionsView(QWidget* parent, OptionsViewEvents& events)
    : dialog_(new QDialog(parent)) {
    dialog_->setWindowTitle("VuviVAZ");
    pages_ = new QStackedWidget(dialog_);
    pages_->addWidget(buildConnectionPage(events));
    pages_->addWidget(buildPluginPage(events));
    pages_->addWidget(buildOtherPage(events));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = button(dialog_, "btnOk", "Гаразд", &OptionsViewEvents::onOk, events);
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(
        button(dialog_, "btnCancel", "Скасувати", &OptionsViewEvents::onCancel, events));
    buttons->addWidget(
        button(dialog_, "btnApply", "Застосувати", &OptionsViewEvents::onApply, events));
    auto* pageColumn = new QVBoxLayout;
    const char* const pageCaptions[] = {"З'єднання", "Модулі", "Інше"};
    for (int page = 1; page <= 3; ++page) {
        const QByteArray name = QByteArray("cmdOption") + QByteArray::number(page);
        QPushButton* pageButton = button(dialog_, name, pageCaptions[page - 1], nullptr, events);
        pageButton->setCheckable(true);
        QObject::connect(pageButton, &QPushButton::clicked,
                         [&events, page] { events.onPage(page); });
        pageColumn->addWidget(pageButton);
        pageButtons_.push_back(pageButton);
    }
    pageColumn->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(pageColumn);
    body->addWidget(pages_, 1);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addLayout(body);
    layout->addLayout(buttons);
    setTabOrder(tabOrder_);
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onCancel(); });
}

QtOptionsView::~QtOptionsView() {
    delete dialog_;
}

// A push button that never takes Enter from the OK button; it joins the tab
// order and, given an event, reports its clicks.
QPushButton* QtOptionsView::button(QWidget* parent, const char* name, const char* caption,
                                   void (OptionsViewEvents::*event)(), OptionsViewEvents& events) {
    auto* made = new QPushButton(QString::fromUtf8(caption), parent);
    made->setAutoDefault(false);
    made->setObjectName(name);
    tabOrder_.push_back(made);
    if (event != nullptr)
        QObject::connect(made, &QPushButton::clicked, [&events, event] { (events.*event)(); });
    return made;
}

// A labelled text box on a new row of `grid`.
std::unique_ptr<QtLineEdit> QtOptionsView::field(QWidget* parent, QGridLayout* grid,
                                                 const char* name, const char* labelName,
                                                 const char* caption) {
    auto line = std::make_unique<QtLineEdit>(parent);
    line->widget()->setObjectName(name);
    QLabel* text = namedLabel(parent, labelName, caption);
    text->setBuddy(line->widget());
    const int row = grid->rowCount();
    grid->addWidget(text, row, 0);
    grid->addWidget(line->widget(), row, 1);
    tabOrder_.push_back(line->widget());
    return line;
}

// A check box over a whole row of `grid`.
std::unique_ptr<QtCheckBox> QtOptionsView::checkRow(QWidget* parent, QGridLayout* grid,
                                                    const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(name);
    grid->addWidget(box, grid->rowCount(), 0, 1, 2);
    tabOrder_.push_back(box);
    return std::make_unique<QtCheckBox>(box);
}

QWidget* QtOptionsView::buildConnectionPage(OptionsViewEvents& events) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    server_ = std::make_unique<QtComboBox>(page);
    server_->widget()->setObjectName("cmbServer");
    tabOrder_.push_back(server_->widget());
    grid->addWidget(namedLabel(page, "Label1", "Сервер:"), 0, 0);
    grid->addWidget(server_->widget(), 0, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(
        button(page, "btnAdd", "Додати", &OptionsViewEvents::onAddServer, events));
    listButtons->addWidget(
        button(page, "btnEdit", "Змінити", &OptionsViewEvents::onEditServer, events));
    listButtons->addWidget(
        button(page, "btnDelete", "Видалити", &OptionsViewEvents::onDeleteServer, events));
    listButtons->addStretch();
    grid->addLayout(listButtons, 1, 1);
    port_ = field(page, grid, "txtIrcPort", "Label2", "Порт:");
    fullName_ = field(page, grid, "txtFullName", "Label3", "Повне ім'я:");
    email_ = field(page, grid, "txtEmail", "Label4", "Ел. пошта:");
    nick_ = field(page, grid, "txtNick", "Label5", "Нік:");
    alternative_ = field(page, grid, "txtAlternative", "Label6", "Запасний нік:");
    password_ = field(page, grid, "txtPassword", "lblPassword", "Пароль сервера:");
    password_->widget()->setEchoMode(QLineEdit::Password);
    saslUser_ = field(page, grid, "txtSaslUser", "lblSaslUser", "Обліковий запис SASL:");
    connOnStart_ = checkRow(page, grid, "chkConnOnStart", "Підключатися під час запуску");
    grid->addWidget(
        button(page, "btnConnect", "Підключитися", &OptionsViewEvents::onConnect, events),
        grid->rowCount(), 1, Qt::AlignRight);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* QtOptionsView::buildPluginPage(OptionsViewEvents& events) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    plugins_ = std::make_unique<QtListBox>(page);
    plugins_->widget()->setObjectName("lstPlugins");
    plugins_->setHandlers([](int) {}, [&events](int) { events.onPlugin(); }, [] {});
    tabOrder_.push_back(plugins_->widget());
    layout->addWidget(namedLabel(page, "Label7", "Модулі:"));
    layout->addWidget(plugins_->widget(), 1);
    layout->addWidget(button(page, "btnPlugin", "Запустити", &OptionsViewEvents::onPlugin, events),
                      0, Qt::AlignRight);
    return page;
}

QWidget* QtOptionsView::buildOtherPage(OptionsViewEvents& events) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    language_ = std::make_unique<QtComboBox>(page);
    language_->widget()->setObjectName("cmbLang");
    tabOrder_.push_back(language_->widget());
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(language_->widget(), 1);
    languageRow->addWidget(
        button(page, "btnLangEdit", "Редагувати", &OptionsViewEvents::onLangEdit, events));
    grid->addWidget(namedLabel(page, "Label8", "Мова:"), 0, 0);
    grid->addLayout(languageRow, 0, 1);
    openAtStart_ = checkRow(page, grid, "Check2", "Показувати це вікно під час запуску");
    chanLog_ = checkRow(page, grid, "chkChanLog", "Вести логи каналів");
    privLog_ = checkRow(page, grid, "chkPrivLog", "Вести логи приватних розмов");
    grid->addWidget(buildProxyFrame(page, events), grid->rowCount(), 0, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QGroupBox* QtOptionsView::buildProxyFrame(QWidget* page, OptionsViewEvents& events) {
    proxyFrame_ = new QGroupBox(QString::fromUtf8("Проксі"), page);
    proxyFrame_->setObjectName("frmProxy");
    auto* grid = new QGridLayout(proxyFrame_);
    proxy_ = checkRow(proxyFrame_, grid, "chkProxy", "Проксі");
    QObject::connect(proxyFrame_->findChild<QCheckBox*>("chkProxy"), &QCheckBox::clicked,
                     [&events] { events.onProxyClick(); });
    proxyServer_ = field(proxyFrame_, grid, "txtProxyServer", "", "Сервер:");
    proxyPort_ = field(proxyFrame_, grid, "txtProxyPort", "", "Порт:");
    return proxyFrame_;
}

void QtOptionsView::showPage(int page) {
    pages_->setCurrentIndex(page - 1);
    for (int i = 0; i < pages_->count(); ++i)
        pageButtons_[static_cast<std::size_t>(i)]->setChecked(i == page - 1);
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

void QtOptionsView::show(bool modal) {
    showDialog(*dialog_, modal);
    server_->widget()->setFocus();
}

} // namespace vz
