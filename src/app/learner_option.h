#pragma once
// The command line's "--learner NAME" (or "--learner=NAME"), so that a
// desktop shortcut per pupil starts the program with that pupil's options.

#include <QString>
#include <QStringList>

struct LearnerArgument {
    QString name;  // "" when none was asked for
    QString problem;  // "" or a plain message about the command line
};

LearnerArgument learner_argument(const QStringList& arguments);
