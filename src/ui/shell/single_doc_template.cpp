#include "ui/shell/single_doc_template.h"

#include "ui/form/form_view.h"
#include "ui/form/tonalink_doc.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/tonalink_app.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"

#include <QFileInfo>

namespace tonalink {

QString CSingleDocTemplate::filter() {
    return tr("ｼｮｰﾄｶｯﾄ ﾌｧｲﾙ (*.tks);;All Files (*)");
}

CSingleDocTemplate::CSingleDocTemplate(CommandDispatcher& commands, SettingsStore& store,
                                       FormFactory formFactory)
    : m_commands(commands), m_store(store), m_formFactory(std::move(formFactory)),
      m_document(std::make_unique<CTonalinkDoc>()) {}

CSingleDocTemplate::~CSingleDocTemplate() = default;

bool CSingleDocTemplate::createFrame() {
    auto frame = std::make_unique<CMainFrame>(m_commands, m_store);
    if (frame->OnCreate() != 0)
        return false;
    CFormView* form = m_formFactory ? m_formFactory() : new CFormView;
    form->setDocument(m_document.get());
    frame->setForm(form);
    connect(m_document.get(), &CTonalinkDoc::titleChanged, frame.get(),
            &CMainFrame::OnUpdateFrameTitle);
    m_frame = std::move(frame);
    emit frameCreated(m_frame.get());
    return true;
}

void CSingleDocTemplate::destroyFrame() {
    m_frame.reset();
}

void CSingleDocTemplate::initialUpdate() {
    m_frame->OnUpdateFrameTitle(m_document->GetTitle());
    if (CFormView* form = m_frame->form())
        form->OnInitialUpdate();
    if (!m_frame->isVisible())
        m_frame->show();
}

CMainFrame* CSingleDocTemplate::OpenDocumentFile() {
    if (!m_frame && !createFrame()) {
        messageBox(QStringLiteral("Failed to create empty document."), MsgIcon::Exclamation);
        return nullptr;
    }
    m_document->OnNewDocument();
    initialUpdate();
    return m_frame.get();
}

CMainFrame* CSingleDocTemplate::OpenDocumentFile(const QString& path) {
    if (m_frame && !m_document->GetPathName().isEmpty() &&
        QFileInfo(path).absoluteFilePath() == m_document->GetPathName()) {
        m_frame->ActivateFrame();
        return m_frame.get();
    }
    const bool created = !m_frame;
    if (created && !createFrame()) {
        messageBox(QStringLiteral("Failed to open document."), MsgIcon::Exclamation);
        return nullptr;
    }
    QString error;
    if (!m_document->OnOpenDocument(path, &error)) {
        messageBox(error, MsgIcon::Exclamation);
        if (created)
            destroyFrame();
        return nullptr;
    }
    initialUpdate();
    return m_frame.get();
}

void CSingleDocTemplate::OnFileOpen() {
    const QString path = tonalinkApp().fileDialogs().getOpenFileName(
        m_frame.get(), QStringLiteral("Open"), filter());
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CSingleDocTemplate::OnFileSaveAs() {
    QString proposed = m_document->GetPathName();
    if (proposed.isEmpty())
        proposed = m_document->GetTitle() + QLatin1Char('.') + kExtension;
    const QString path = tonalinkApp().fileDialogs().getSaveFileName(
        m_frame.get(), QStringLiteral("Save As"), proposed, filter(), kExtension);
    if (path.isEmpty())
        return;
    QString error;
    if (!m_document->OnSaveDocument(path, &error))
        messageBox(error, MsgIcon::Exclamation);
}

} // namespace tonalink
