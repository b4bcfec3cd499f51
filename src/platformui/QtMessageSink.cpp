#include "platformui/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton ShowBox(QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, ApplicationTitle(), text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtMessageSink::Critical(const QString& text)
{
    ShowBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageSink::AskYesNo(const QString& text)
{
    return ShowBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void QtMessageSink::Plain(const QString& text)
{
    ShowBox(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}
