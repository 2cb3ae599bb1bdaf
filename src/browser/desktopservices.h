#pragma once

#include <QString>

// What the browser asks of the desktop: open a file or folder with its default
// application, find and start a terminal. The program uses the system's; tests put in
// one that records.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Opens a local file or folder with the desktop's default application; false when
    // none could be started.
    virtual bool OpenPath(const QString& path) = 0;
    // The terminal program to offer, or an empty text when none is found.
    [[nodiscard]] virtual QString TerminalProgram() const = 0;
    // Starts the terminal program in a folder.
    virtual void StartTerminal(const QString& program, const QString& folder) = 0;
};

class SystemDesktopServices final : public DesktopServices {
public:
    bool OpenPath(const QString& path) override;
    // $TERMINAL when it names a program on the PATH, else the first of the usual
    // terminals found (x-terminal-emulator first, Debian's chosen one).
    [[nodiscard]] QString TerminalProgram() const override;
    void StartTerminal(const QString& program, const QString& folder) override;
};
