#pragma once

#include <QString>

namespace tonalink {

enum class EntryCall {
    Called,
    LibraryMissing,    // the library could not be loaded
    EntryPointMissing, // loaded, but without the entry point
};

// Loads the shared library `fileName` with the system's library search (the
// program's run paths included), calls its extern "C" entry point without
// arguments, and unloads it. The component shows its own windows and returns when
// the user is done.
EntryCall callLibraryEntry(const char* fileName, const char* entryPoint);

// Starts `program` without waiting for it: the one beside this program, else the
// one on the search path. False when it could not be started.
bool startComponentProgram(const QString& program);

} // namespace tonalink
