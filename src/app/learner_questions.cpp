#include "app/learner_questions.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QString> QtLearnerQuestions::name(const QString& title, const QString& prompt,
                                                const QString& current,
                                                const std::function<QString(const QString&)>& check)
{
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("LearnerNameDialog"));
    dialog.setWindowTitle(title);
    auto* text = new QLabel(prompt, &dialog);
    text->setWordWrap(true);
    auto* field = new QLineEdit(current, &dialog);
    // What is wrong with the name is said while it is typed, and OK waits for
    // a usable one: nothing typed is lost to a message box.
    auto* problem = new QLabel(&dialog);
    problem->setObjectName(QStringLiteral("LearnerNameProblem"));
    problem->setWordWrap(true);
    problem->setTextFormat(Qt::PlainText);
    problem->setStyleSheet(QStringLiteral("color: #a01010;"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    auto update = [&] {
        const QString reason = check(field->text());
        problem->setText(reason);
        ok->setEnabled(reason.isEmpty());
    };
    QObject::connect(field, &QLineEdit::textChanged, &dialog, update);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (ok->isEnabled())
            dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(text);
    column->addWidget(field);
    column->addWidget(problem);
    column->addWidget(buttons);
    dialog.setMinimumWidth(460);
    update();
    field->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->text();
}

namespace {

// A question whose safe answer is the default: Return on a quick glance
// changes nothing.
bool ask(QWidget* parent, const QString& title, const QString& text, const QString& yes, const QString& no)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* go = box.addButton(yes, QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == go;
}

}  // namespace

bool QtLearnerQuestions::confirm_removal(const QString& text)
{
    return ask(parent_, QStringLiteral("Remove learner"), text, QStringLiteral("Remove"),
               QStringLiteral("Keep"));
}

bool QtLearnerQuestions::take_over(const QString& text)
{
    return ask(parent_, QStringLiteral("Learner in use"), text, QStringLiteral("&Take over"),
               QStringLiteral("Cancel"));
}
