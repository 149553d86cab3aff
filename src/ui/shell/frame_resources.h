#pragma once

#include <QKeyCombination>
#include <span>

namespace tonalink {

// The main frame's resources as data: menu, accelerators, tool bar, prompts.
// Texts are UTF-8, translated in the context "Menu" when shown.

struct MenuItemText {
    int id;                    // 0: separator
    const char* caption;       // with the mnemonic marked by '&'
    const char* shownShortcut; // shown after a tab; not a binding
};

struct MenuPopupText {
    const char* caption;
    std::span<const MenuItemText> items;
};

struct Accelerator {
    QKeyCombination keys;
    int id;
};

struct CommandPrompt {
    int id;
    const char* prompt;  // status bar while the item or button is highlighted
    const char* toolTip; // may be empty
};

std::span<const MenuPopupText> frameMenu();
std::span<const Accelerator> frameAccelerators();
// Tool-bar buttons in order, 0 for a separator; the n-th non-zero entry shows image n.
std::span<const int> frameToolBarButtons();
std::span<const CommandPrompt> commandPrompts();
const CommandPrompt* findCommandPrompt(int id);

inline constexpr int kToolBarImageWidth = 16;
inline constexpr int kToolBarImageHeight = 15;
inline constexpr int kToolBarImageCount = 15;

} // namespace tonalink
