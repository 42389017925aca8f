#pragma once
// The questions the records window asks the adult, behind a small interface
// so that the window can be driven in tests without anything modal.

#include <QString>

class QPrinter;
class QWidget;

class RecordsQuestions {
public:
    virtual ~RecordsQuestions() = default;
    // A folder to copy the records into; "" when cancelled.
    virtual QString export_folder() = 0;
    // A PDF file to save the page in, starting from `suggested`; "" when cancelled.
    virtual QString pdf_file(const QString& suggested) = 0;
    // The print dialog for printer; false when cancelled.
    virtual bool print_setup(QPrinter& printer) = 0;
    // Asks once before something is deleted or rewritten; true to go ahead.
    virtual bool confirm(const QString& text) = 0;
};

// The real dialogs, modal to `parent`.
class QtRecordsQuestions : public RecordsQuestions {
public:
    explicit QtRecordsQuestions(QWidget* parent)
        : parent_(parent)
    {
    }
    QString export_folder() override;
    QString pdf_file(const QString& suggested) override;
    bool print_setup(QPrinter& printer) override;
    bool confirm(const QString& text) override;

private:
    QWidget* parent_;
};
