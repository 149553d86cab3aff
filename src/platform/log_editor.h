#pragma once

#include <QString>

namespace tonalink {

// Starts the editor named by the EditExeFile setting on the log file. The name
// "NOTEPAD.EXE" (in any case) stands for the desktop's default text editor.
// False when the editor cannot be started.
bool startLogEditor(const QString& editExeFile, const QString& logPath);

} // namespace tonalink
