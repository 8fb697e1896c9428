#pragma once
class QApplication;
class TFmain1;

namespace Startup {
// Fonts, Qt's Chinese texts, application title.
void initApplication(QApplication& app);
// Data module, main window, chart, reports; false after the start-up error was shown.
TFmain1* createMain();
}
