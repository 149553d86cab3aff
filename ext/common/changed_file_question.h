#pragma once

#include <QString>

namespace tonalink {

enum class ChangedFileChoice { Reload, Overwrite, Cancel };

// Asks what to do when the editor is about to save a file that someone else
// changed since the editor read it: read it again (the editor's changes are
// dropped), write over it, or not save now.
ChangedFileChoice askAboutChangedFile(const QString& path);

} // namespace tonalink
