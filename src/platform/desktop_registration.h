#pragma once

#include <QString>
#include <QStringList>

namespace tonalink {

// Where the desktop files go and what they start.
struct DesktopPlaces {
    QString dataHome;     // $XDG_DATA_HOME
    QString templatesDir; // the user's new-file templates folder; empty when there is none
    QString programPath;  // the running program, started by the file manager for *.tks
};

// Desktop places of this user and this program.
DesktopPlaces currentDesktopPlaces();

// Registers the shortcut type with the desktop: the MIME type for *.tks (the
// pattern left out when another type already claims it), the program's menu
// entry opening such files, its icons and an empty new-file template. Writes
// only what differs from what is there and returns the files it wrote.
QStringList registerDesktopIntegration(const DesktopPlaces& places);

// The same on a worker thread; when anything was written the desktop's databases
// are refreshed by their tools in the background. Never waits, never fails.
void startDesktopRegistration(const DesktopPlaces& places);

// "Exec=" value that starts `programPath` with the file's path.
QString desktopExecLine(const QString& programPath);

} // namespace tonalink
