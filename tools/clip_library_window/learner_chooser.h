#pragma once
// Whose clips the clip library window changes: on an account with learners
// the adult picks everyone's (the account's) or one learner's own clips.

#include "library/clip_folder.h"

#include <QStringList>
#include <optional>

// From the window's command line: a folder, "--learner NAME", or nothing,
// which asks when there are learners. nullopt when the adult cancelled or
// the learner named is unknown (told in a message).
std::optional<ClipFolder> choose_window_clip_folder(const QStringList& arguments);
