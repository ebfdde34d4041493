// Places a top-level window in the middle of its screen's available area,
// whether or not a window manager would place it.
#pragma once

class QWidget;

void CentreOnScreen(QWidget* Window);
