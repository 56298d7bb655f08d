// The about box: name, version, credits that scroll by themselves, and the
// project's web page and contact address.
#include "qt_about_box.h"

#include "config/globals.h"
#include "config/version.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace vz {

namespace {

constexpr int ScrollStepMs = 600;

const char* const Credits =
    "VuviVAZ is a small IRC client: one window for the server, one for each\n"
    "channel and each private talk.\n\n"
    "Written in C++ with Qt 6.\n"
    "Tested against ngircd.\n"
    "Transliteration and layout swap for Ukrainian typists.\n\n"
    "Thanks to everyone who keeps IRC alive.\n\n\n";

QLabel* linkLabel(QWidget* parent, const QString& url, const QString& text) {
    auto* label =
        new QLabel(QString("<a href=\"%1\">%2</a>").arg(url, text.toHtmlEscaped()), parent);
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    return label;
}

// A read-only text that scrolls down a line at a time and starts over.
QPlainTextEdit* scrollingCredits(QWidget* parent) {
    auto* credits = new QPlainTextEdit(QString::fromUtf8(Credits), parent);
    credits->setReadOnly(true);
    credits->setFixedHeight(110);
    credits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* timer = new QTimer(credits);
    QObject::connect(timer, &QTimer::timeout, credits, [credits] {
        QScrollBar* bar = credits->verticalScrollBar();
        bar->setValue(bar->value() < bar->maximum() ? bar->value() + 1 : 0);
    });
    timer->start(ScrollStepMs);
    return credits;
}

QDialog* makeAboutBox(QWidget& parent) {
    auto* box = new QDialog(&parent);
    box->setWindowTitle(ProgramTitle);
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto* title = new QLabel(QString("<b>%1 v%2</b><br>%3")
                                 .arg(ProgramTitle, QString::fromStdString(VersionText()),
                                      QString::fromUtf8(CreditLine)),
                             box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, box);
    QObject::connect(buttons, &QDialogButtonBox::rejected, box, &QDialog::reject);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(title);
    layout->addWidget(scrollingCredits(box));
    layout->addWidget(linkLabel(box, VUVIVAZ_WEB_PAGE, VUVIVAZ_WEB_PAGE));
    layout->addWidget(linkLabel(box, QString("mailto:") + VUVIVAZ_CONTACT, VUVIVAZ_CONTACT));
    layout->addWidget(buttons);
    return box;
}

} // namespace

void showAboutBox(QWidget& parent) {
    static QPointer<QDialog> open;
    if (!open)
        open = makeAboutBox(parent);
    open->show();
    open->raise();
    open->activateWindow();
}

} // namespace vz
