#pragma once

#include <QWidget>

namespace tonalink {

class CFrameWnd;
class CTonalinkDoc;

// Base of the frame's client area: a form built from a dialog template. The
// document operations call OnInitialUpdate after every new and open, and the
// frame calls OnClose when it is about to close.
class CFormView : public QWidget {
    Q_OBJECT
public:
    explicit CFormView(QWidget* parent = nullptr);

    // The framework's initial update: resizes the frame to fit the form.
    virtual void OnInitialUpdate();
    // The frame is closing (close box, exit commands, end of session).
    virtual void OnClose() {}

    CTonalinkDoc* GetDocument() const { return m_document; }
    void setDocument(CTonalinkDoc* document) { m_document = document; }
    CFrameWnd* GetParentFrame() const;
    void ResizeParentToFit();

private:
    CTonalinkDoc* m_document = nullptr;
};

} // namespace tonalink
