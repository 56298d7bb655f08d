// Qt controls of the dialogs: check box and combo box; captions by control
// name, showing and tab order.
#include "qt_dialog_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace vz {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

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

void setDialogCaption(QDialog& dialog, const std::string& control, const std::string& text) {
    QWidget* widget = dialog.findChild<QWidget*>(QString::fromStdString(control));
    const QString caption = QString::fromStdString(text);
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        box->setTitle(caption);
    else if (auto* pressable = qobject_cast<QAbstractButton*>(widget))
        pressable->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(caption);
}

void showDialog(QDialog& dialog, bool modal) {
    dialog.setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

QLabel* namedLabel(QWidget* parent, const char* name, const char* caption) {
    auto* made = new QLabel(QString::fromUtf8(caption), parent);
    made->setObjectName(name);
    return made;
}

void setTabOrder(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace vz
