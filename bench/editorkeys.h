// Driving a shown editing component as a user does: keys through the widget,
// each followed by the styling and painting of what the screen shows.
#pragma once

#include <QString>
#include <Qt>

class QsciScintilla;
class QWidget;

// Styles what the screen shows, as painting it would (the offscreen platform
// may not paint at all), then paints.
void ShowScreen(QsciScintilla& E);

// One key press sent to the widget, then ShowScreen.
void Key(QsciScintilla& E, int Code, const QString& Text = {},
         Qt::KeyboardModifiers Mods = Qt::NoModifier);

// Shows W at a fixed size and lets it settle.
void ShowAtTop(QWidget& W);
