#pragma once

#include <QString>

class QWidget;

namespace tonalink {

// The framework's open and save-as file dialogs, behind one service so tests can
// say which file the user picks. An empty result means the dialog was cancelled.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // `directory` is where the dialog starts (empty: the current folder).
    virtual QString getOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                                    const QString& directory = {}) = 0;
    // `proposed` is the file name (or path) the dialog starts with; a name typed
    // without extension gets `defaultSuffix`.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& proposed, const QString& filter,
                                    const QString& defaultSuffix) = 0;
};

class QtFileDialogService final : public FileDialogService {
public:
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                            const QString& directory = {}) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                            const QString& filter, const QString& defaultSuffix) override;
};

} // namespace tonalink
