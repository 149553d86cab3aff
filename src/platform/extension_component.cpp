#include "platform/extension_component.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <dlfcn.h>

namespace tonalink {

EntryCall callLibraryEntry(const char* fileName, const char* entryPoint) {
    // Called from the program's own code, so its run paths apply. The library
    // stays mapped after the close: a Qt component leaves registered types and
    // metaobjects behind that must not point into unmapped memory.
    void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!library) {
        return EntryCall::LibraryMissing;
    }
    using Entry = void (*)();
    auto entry = reinterpret_cast<Entry>(dlsym(library, entryPoint));
    if (entry) {
        entry();
    }
    dlclose(library);
    return entry ? EntryCall::Called : EntryCall::EntryPointMissing;
}

bool startComponentProgram(const QString& program) {
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program);
    if (beside.isFile() && beside.isExecutable()) {
        return QProcess::startDetached(beside.absoluteFilePath(), {});
    }
    return QProcess::startDetached(program, {});
}

} // namespace tonalink
