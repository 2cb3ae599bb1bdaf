#pragma once

#include "uitranslations.h"

#include <QApplication>

// The application object: sets up Qt, builds the main window, shows it and runs the
// event loop until the window is closed; then the program ends.
class TallyfoxApp {
public:
    TallyfoxApp(int& argc, char** argv);
    TallyfoxApp(const TallyfoxApp&) = delete;
    TallyfoxApp& operator=(const TallyfoxApp&) = delete;

    // Runs the main window; the result is the program's exit status.
    int InitInstance();

private:
    QApplication m_application;
    UiTranslations m_translations;
};
