#pragma once
// The file choosers, questions and messages of the clip library window,
// behind an interface so that a test can answer them without a person.

#include <QString>

class QWidget;

class WindowDialogs {
public:
    virtual ~WindowDialogs() = default;
    // The chosen file, or "" when cancelled. filter as for QFileDialog.
    virtual QString choose_file(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual bool confirm(QWidget* parent, const QString& question) = 0;
    virtual void tell(QWidget* parent, const QString& message) = 0;
    // Lets the adult record the clip's title spoken; true when wavPath then
    // holds a recording to use.
    virtual bool record_voice(QWidget* parent, const QString& title, const QString& wavPath) = 0;
};

// Where the file choosers open: the Videos folder, or home when there is none.
QString chooser_start_folder();

class QtWindowDialogs : public WindowDialogs {
public:
    QString choose_file(QWidget* parent, const QString& caption, const QString& filter) override;
    bool confirm(QWidget* parent, const QString& question) override;
    void tell(QWidget* parent, const QString& message) override;
    bool record_voice(QWidget* parent, const QString& title, const QString& wavPath) override;
};
