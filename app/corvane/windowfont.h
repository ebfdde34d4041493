// The window font the layouts were designed with, MS Sans Serif 8 point,
// mapped to a small, narrow sans-serif font that this system has.
#pragma once

#include <QFont>

QFont WindowFont();
