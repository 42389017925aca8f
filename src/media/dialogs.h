#pragma once
// Modal message and input boxes behind a small interface, so that windows can
// be driven in tests by a fake that records what would have been shown.

#include <QString>

class QWidget;

class Dialogs {
public:
    enum class Icon { None, Information, Warning, Critical };

    virtual ~Dialogs() = default;
    // A message box with one OK button; returns when it is closed.
    virtual void message(const QString& title, Icon icon, const QString& text) = 0;
    // An input box; returns the typed answer, or "" when it was cancelled.
    virtual QString input(const QString& title, const QString& prompt, const QString& defaultAnswer) = 0;
};

// The real boxes, modal to the application's active window.
class QtDialogs : public Dialogs {
public:
    void message(const QString& title, Icon icon, const QString& text) override;
    QString input(const QString& title, const QString& prompt, const QString& defaultAnswer) override;
};
