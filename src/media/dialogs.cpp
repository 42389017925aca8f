#include "media/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon to_qt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

void QtDialogs::message(const QString& title, Icon icon, const QString& text)
{
    QMessageBox box(to_qt(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    // Plain text: file names and reasons must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtDialogs::input(const QString& title, const QString& prompt, const QString& defaultAnswer)
{
    return QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                 defaultAnswer);
}
