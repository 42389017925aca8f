#include "app/records_questions.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

QString QtRecordsQuestions::export_folder()
{
    return QFileDialog::getExistingDirectory(parent_, QStringLiteral("Copy the records into this folder"));
}

QString QtRecordsQuestions::pdf_file(const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent_, QStringLiteral("Save the records page as PDF"), suggested,
                                        QStringLiteral("PDF (*.pdf)"));
}

bool QtRecordsQuestions::print_setup(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtRecordsQuestions::confirm(const QString& text)
{
    return QMessageBox::question(parent_, QStringLiteral("Flickerbox II"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
