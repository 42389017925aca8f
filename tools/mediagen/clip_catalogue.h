// Every demo clip of the built-in library, described as data.
#pragma once

#include "scene.h"

const QList<ClipScene>& clip_catalogue();
