#include "ui/form/tonalink_doc.h"

#include <QFileInfo>

namespace tonalink {

CTonalinkDoc::CTonalinkDoc(QObject* parent) : QObject(parent) {}

bool CTonalinkDoc::OnNewDocument() {
    m_path.clear();
    SetTitle(kDefaultTitle);
    return true;
}

bool CTonalinkDoc::OnOpenDocument(const QString& path, QString* error) {
    const QFileInfo file(path);
    if (!file.exists()) {
        *error = path + QStringLiteral("\nCannot find this file.\nPlease verify that the correct "
                                       "path and file name are given.");
        return false;
    }
    ShortcutLoadResult result = readShortcutFile(QFile::encodeName(path).toStdString());
    if (!result.document) {
        *error = result.error == kUnexpectedFileFormat
                     ? QString::fromUtf8(kUnexpectedFileFormat.data(),
                                         qsizetype(kUnexpectedFileFormat.size()))
                     : QStringLiteral("Failed to open document.");
        return false;
    }
    shortcut = std::move(*result.document);
    SetPathName(path);
    return true;
}

bool CTonalinkDoc::OnSaveDocument(const QString& path, QString* error) {
    if (!writeShortcutFile(QFile::encodeName(path).toStdString(), shortcut)) {
        *error = QStringLiteral("Failed to save document.");
        return false;
    }
    SetPathName(path);
    return true;
}

void CTonalinkDoc::SetPathName(const QString& path) {
    m_path = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
}

void CTonalinkDoc::SetTitle(const QString& title) {
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

} // namespace tonalink
