#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace tonalink {

class CFormView;
class CMainFrame;
class CTonalinkDoc;
class CommandDispatcher;
class SettingsStore;

// The single-document structure: one document, one frame, one form. Creates the
// frame on the first new or open, and carries out the framework's new, open and
// save-as operations with their file dialogs and failure messages.
class CSingleDocTemplate : public QObject {
    Q_OBJECT
public:
    using FormFactory = std::function<CFormView*()>;

    static QString filter();
    static inline const QString kExtension = QStringLiteral("tks");

    CSingleDocTemplate(CommandDispatcher& commands, SettingsStore& store, FormFactory formFactory);
    ~CSingleDocTemplate() override;

    // A new empty document (creating the frame when there is none). Returns the
    // frame, or null when it could not be created.
    CMainFrame* OpenDocumentFile();
    // Reads `path` into the document (creating the frame when there is none). A file
    // that is already the open document is not read again. On failure the user is
    // told, a frame created for this call is destroyed, and null is returned.
    CMainFrame* OpenDocumentFile(const QString& path);

    void OnFileNew() { OpenDocumentFile(); }
    void OnFileOpen();
    void OnFileSaveAs();

    CMainFrame* frame() const { return m_frame.get(); }
    CTonalinkDoc* document() const { return m_document.get(); }
    // Ends the frame's life (after it closed).
    void destroyFrame();

signals:
    void frameCreated(CMainFrame* frame);

private:
    bool createFrame();
    void initialUpdate();

    CommandDispatcher& m_commands;
    SettingsStore& m_store;
    FormFactory m_formFactory;
    std::unique_ptr<CTonalinkDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace tonalink
