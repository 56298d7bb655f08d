// The favourite channels dialog and the channel editor.
#include "qt_favourites_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz {

namespace {

QPushButton* button(QDialog* dialog, const char* name, const char* caption,
                    std::function<void()> pressed) {
    auto* made = new QPushButton(QString::fromUtf8(caption), dialog);
    made->setObjectName(name);
    made->setAutoDefault(false);
    QObject::connect(made, &QPushButton::clicked, std::move(pressed));
    return made;
}

QGroupBox* group(QDialog* dialog, const char* name, const char* caption) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), dialog);
    box->setObjectName(name);
    return box;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return layout;
}

} // namespace

QtFavouritesView::QtFavouritesView(QWidget* parent, FavouritesViewEvents& events)
    : dialog_(new QDialog(parent)) {
    dialog_->setWindowTitle("VuviVAZ");
    QGroupBox* favourites = group(dialog_, "Frame1", "Улюблені канали");
    QGroupBox* other = group(dialog_, "Frame2", "Інший канал");
    list_ = std::make_unique<QtListBox>(favourites);
    selected_ = std::make_unique<QtLineEdit>(favourites);
    typed_ = std::make_unique<QtLineEdit>(other);
    typed_->widget()->setObjectName("txtChannel");
    auto* check = new QCheckBox(QString::fromUtf8("Показувати після підключення"), dialog_);
    check->setObjectName("Check1");
    check_ = std::make_unique<QtCheckBox>(check);
    const auto pressed = [&events](const char* name) {
        return [&events, name] { events.onButton(name); };
    };
    const auto make = [&](const char* name, const char* caption) {
        return button(dialog_, name, caption, pressed(name));
    };
    auto* favouritesLayout = new QVBoxLayout(favourites);
    favouritesLayout->addWidget(list_->widget());
    favouritesLayout->addLayout(
        row({selected_->widget(), make("btnJoin", "Увійти"), make("btnInfo", "Хто там")}));
    favouritesLayout->addLayout(
        row({make("btnAdd", "Додати"), make("btnEdit", "Змінити"), make("btnDelete", "Видалити")}));
    auto* otherLayout = new QVBoxLayout(other);
    otherLayout->addLayout(row({typed_->widget(), make("btnJoinTo", "Увійти")}));
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(favourites);
    layout->addWidget(other);
    layout->addLayout(row({check, make("btnClose", "Закрити")}));
    list_->setHandlers([&events](int r) { events.onEntryClick(r); },
                       [&events](int r) { events.onEntryDoubleClick(r); }, {});
    typed_->setKeyHandler([&events](int code) { return events.onChannelKey(code); });
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onClosed(); });
    dialog_->resize(420, 460);
}

QtFavouritesView::~QtFavouritesView() {
    list_.reset();
    selected_.reset();
    typed_.reset();
    delete dialog_;
}

QtChannelEditorView::QtChannelEditorView(QWidget* parent, ChannelEditorEvents& events)
    : dialog_(new QDialog(parent)) {
    dialog_->setWindowTitle("VuviVAZ");
    QGroupBox* frame = group(dialog_, "Frame1", "Канал");
    channel_ = std::make_unique<QtLineEdit>(frame);
    description_ = std::make_unique<QtLineEdit>(frame);
    auto* password = new QLineEdit(frame);
    password->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout(frame);
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Канал:"}, {"Label2", "Опис:"}, {"Label3", "Пароль:"}};
    QWidget* fields[] = {channel_->widget(), description_->widget(), password};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(labels[i].second), frame);
        label->setObjectName(labels[i].first);
        form->addRow(label, fields[i]);
    }
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(frame);
    layout->addLayout(
        row({button(dialog_, "btnAdd", "Додати", [&events] { events.onEditorSave(); }),
             button(dialog_, "btnCancel", "Скасувати", [&events] { events.onEditorCancel(); })}));
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onEditorCancel(); });
}

QtChannelEditorView::~QtChannelEditorView() {
    channel_.reset();
    description_.reset();
    delete dialog_;
}

} // namespace vz
