#pragma once

#include <QDialog>

class QTabWidget;

namespace tonalink {

class COpPropertyPage1;
class COpPropertyPage2;
class COpPropertyPage3;
class FileDialogService;
struct Settings;

// The options sheet: broadcast group names, custom commands and other switches,
// on three pages, the first shown on opening. It edits copies of the settings;
// ApplyOptions writes them back after OK.
class COpPropertySheet : public QDialog {
    Q_OBJECT
public:
    COpPropertySheet(const Settings& settings, FileDialogService& fileDialogs,
                     QWidget* parent = nullptr);

    void ApplyOptions(Settings& settings) const;
    // Takes every page's values; on a refused box that page is shown and the
    // sheet stays open.
    void accept() override;

    QTabWidget* tabs() const { return m_tabs; }
    COpPropertyPage1* page1() const { return m_page1; }
    COpPropertyPage2* page2() const { return m_page2; }
    COpPropertyPage3* page3() const { return m_page3; }

private:
    QTabWidget* m_tabs = nullptr;
    COpPropertyPage1* m_page1 = nullptr;
    COpPropertyPage2* m_page2 = nullptr;
    COpPropertyPage3* m_page3 = nullptr;
};

} // namespace tonalink
