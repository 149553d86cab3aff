#pragma once

#include "core/app/shortcut_document.h"

#include <QObject>
#include <QString>

namespace tonalink {

// The program's one document: one shortcut (entry name, message, modes, applied
// flag). The framework's new, open and save-as operations read and write it; it is
// never marked modified, so nobody is ever asked to save it.
class CTonalinkDoc : public QObject {
    Q_OBJECT
public:
    static inline const QString kDefaultTitle = QStringLiteral("NewMsg");

    explicit CTonalinkDoc(QObject* parent = nullptr);

    ShortcutDocument shortcut;

    // New document: only the framework's part (path and title); the fields stay.
    bool OnNewDocument();
    // Reads the file; on failure the fields are left as they were and `error` tells why
    // in the framework's words.
    bool OnOpenDocument(const QString& path, QString* error);
    // Writes the file (applied flag written as 0, then set to 1).
    bool OnSaveDocument(const QString& path, QString* error);

    const QString& GetTitle() const { return m_title; }
    const QString& GetPathName() const { return m_path; }
    void SetPathName(const QString& path);

signals:
    void titleChanged(const QString& title);

private:
    void SetTitle(const QString& title);

    QString m_title = kDefaultTitle;
    QString m_path;
};

} // namespace tonalink
