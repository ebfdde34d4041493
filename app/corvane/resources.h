// The window's pictures are compiled into the program; this makes sure they
// are registered before anything draws them.
#pragma once

#include <QIcon>
#include <QString>

void LoadCorvaneResources();
// The built-in picture :/corvane/NAME.png with its double-size copy
// NAME@2x.png, for screens scaled by two.
QIcon ResourceIcon(const QString& Name);
