// Paints the surroundings of a scene at time `t` (seconds).
#pragma once

#include "scene.h"

#include <QPainter>

void paint_setting(QPainter& p, Setting setting, double t);
