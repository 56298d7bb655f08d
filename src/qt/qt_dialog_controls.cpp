// Qt controls of the dialogs: check box, combo box and captions by name.
#include "qt_dialog_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace vz {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QtCheckBox::QtCheckBox(QWidget* parent) : box_(new QCheckBox(parent)) {}

bool QtCheckBox::isChecked() const {
    return box_ && box_->isChecked();
}

void QtCheckBox::setChecked(bool checked) {
    if (box_)
        box_->setChecked(checked);
}

QtComboBox::QtComboBox(QWidget* parent) : combo_(new QComboBox(parent)) {
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
}

int QtComboBox::count() const {
    return combo_ ? combo_->count() : 0;
}

std::string QtComboBox::row(int index) const {
    return combo_ ? combo_->itemText(index).toStdString() : std::string();
}

void QtComboBox::addRow(const std::string& text) {
    if (combo_)
        combo_->addItem(qText(text));
}

void QtComboBox::setRow(int index, const std::string& text) {
    if (combo_)
        combo_->setItemText(index, qText(text));
}

void QtComboBox::removeRow(int index) {
    if (combo_)
        combo_->removeItem(index);
}

void QtComboBox::clear() {
    if (combo_)
        combo_->clear();
}

int QtComboBox::currentRow() const {
    return combo_ ? combo_->currentIndex() : -1;
}

void QtComboBox::setCurrentRow(int index) {
    if (combo_)
        combo_->setCurrentIndex(index);
}

std::string QtComboBox::text() const {
    return combo_ ? combo_->currentText().toStdString() : std::string();
}

void QtComboBox::setText(const std::string& text) {
    if (combo_)
        combo_->setEditText(qText(text));
}

void QtCaptions::set(const std::string& name, const std::string& caption) const {
    const auto found = widgets_.find(name);
    if (found == widgets_.end() || !found->second)
        return;
    QWidget* widget = found->second;
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(qText(caption));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(qText(caption));
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        frame->setTitle(qText(caption));
}

void SetTabOrder(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace vz
