#pragma once

#include "core/app/broadcast_groups.h"

#include <QDialog>
#include <array>
#include <string>

class QLabel;
class QRadioButton;

namespace tonalink {

// The group chooser of a broadcast (template 138): the four groups by name with
// their member counts; only groups with members can be chosen.
class CBroadcastDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstGroup = 207; // radio buttons 207-210
    static constexpr int kFirstCount = 211; // counts 211-214

    // groupNames: Group1-Group4 (CP932); counts: the members of groups 1-4.
    CBroadcastDlg(const std::array<std::string, kBroadcastGroups>& groupNames,
                  const std::array<int32_t, kBroadcastGroups>& counts, QWidget* parent = nullptr);

    // Rejected at once, without showing, when no entry has a group.
    int exec() override;
    // 0-3; group 0 is selected at the start, also when it has no members.
    int selectedGroup() const { return m_group; }

    void accept() override;

private:
    std::array<int32_t, kBroadcastGroups> m_counts;
    std::array<QRadioButton*, kBroadcastGroups> m_groups{};
    int m_group = 0;
};

} // namespace tonalink
