// What assistive technology reads of our controls where Qt's own interfaces
// say nothing or the wrong thing: names taken from the captions the controls
// already show, and the roles of the owner-drawn ones.
#pragma once

#include <QString>

class QWidget;

// A caption as it is read: without its mnemonic '&' and trailing ':'.
QString SpokenCaption(QString Caption);

// Names Control by the caption that shows beside or above it, and describes
// it by its hint, where it has one.
void NameControl(QWidget* Control, const QString& Caption, const QString& Hint = {});

// Combo boxes named by their label rather than by their value, colour buttons
// as buttons named by their caption, tab widgets that leave the focus to their
// tab bars. Safe to call more than once.
void InstallAccessibility();
