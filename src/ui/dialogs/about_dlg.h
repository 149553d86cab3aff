#pragma once

#include "platform/system_info.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QLabel;

namespace tonalink {

// Where the version dialog takes its two machine figures from.
struct SystemFigures {
    std::function<std::optional<uint64_t>()> totalMemoryBytes = totalPhysicalMemoryBytes;
    std::function<std::optional<FreeSpace>()> freeSpace = freeSpaceOfCurrentDirectory;
};

// The version information dialog (template 100): name, version, notice, contact
// lines, a four-frame animated icon and the machine's memory and free disk space.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAnimationIntervalMs = 500;
    static constexpr int kFirstIconId = 131; // icons 131..134

    explicit CAboutDlg(QWidget* parent = nullptr, SystemFigures figures = {});

    // One animation step: shows icon control 130 + state and advances the state.
    void OnTimer();
    // The icon control now shown (131..134).
    int visibleIconId() const;
    bool isAnimating() const { return m_timerId != 0; }

    QString m_strMemory;
    QString m_strDisk;

protected:
    void timerEvent(QTimerEvent* event) override;
    void done(int result) override;

private:
    void OnInitDialog();
    void buildControls();

    SystemFigures m_figures;
    int m_nAnimation = 1;
    int m_timerId = 0;
    QLabel* m_icons[4] = {};
    QLabel* m_memoryLine = nullptr;
    QLabel* m_diskLine = nullptr;
};

} // namespace tonalink
