// Places a window in the middle of its screen before it is shown.
#pragma once

class QWidget;

void CentreOnScreen(QWidget& Window);
