#pragma once
// The questions the learner control asks the adult, behind a small interface
// so that the control can be driven in tests without anything modal.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

class LearnerQuestions {
public:
    virtual ~LearnerQuestions() = default;
    // Asks for a learner's name, starting from `current`. `check` says what is
    // wrong with a name ("" when it may be used); the answer always passes it.
    // nullopt when the adult cancelled.
    virtual std::optional<QString> name(const QString& title, const QString& prompt, const QString& current,
                                        const std::function<QString(const QString&)>& check) = 0;
    // Asks once before a learner is deleted; true to go ahead.
    virtual bool confirm_removal(const QString& text) = 0;
    // Asks whether to take over a learner in use on another computer.
    virtual bool take_over(const QString& text) = 0;
};

// The real dialogs, modal to `parent`.
class QtLearnerQuestions : public LearnerQuestions {
public:
    explicit QtLearnerQuestions(QWidget* parent)
        : parent_(parent)
    {
    }
    std::optional<QString> name(const QString& title, const QString& prompt, const QString& current,
                                const std::function<QString(const QString&)>& check) override;
    bool confirm_removal(const QString& text) override;
    bool take_over(const QString& text) override;

private:
    QWidget* parent_;
};
