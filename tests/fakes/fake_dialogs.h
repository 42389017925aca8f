#pragma once
// Records the message and input boxes a window would have shown, so tests
// run without anything modal.

#include "media/dialogs.h"

#include <QString>
#include <vector>

struct FakeDialogs : Dialogs {
    struct Shown {
        QString title;
        Icon icon;
        QString text;
        QString defaultAnswer;  // input boxes only
    };
    std::vector<Shown> messages;
    std::vector<Shown> inputs;
    QString answer;

    void message(const QString& title, Icon icon, const QString& text) override
    {
        messages.push_back({title, icon, text, {}});
    }
    QString input(const QString& title, const QString& prompt, const QString& defaultAnswer) override
    {
        inputs.push_back({title, Icon::None, prompt, defaultAnswer});
        return answer;
    }
};
