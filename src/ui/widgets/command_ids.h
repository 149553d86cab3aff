#pragma once

// Command ids: fixed, since menus, accelerators, the tool bar and posted commands
// all name them.
namespace tonalink::cmd {

inline constexpr int kPhoneBookSettings = 32768;
inline constexpr int kPagerTypeSettings = 32770;
inline constexpr int kOpenLog = 32771;
inline constexpr int kModemSettings = 32772;
inline constexpr int kExitMenu = 32775;
inline constexpr int kOptions = 32776;
inline constexpr int kCreateShortcut = 32777;
inline constexpr int kLoadShortcutAndSend = 32780;
inline constexpr int kExtension = 32784;
inline constexpr int kAddToMessageList = 32787;
inline constexpr int kInsertFromMessageList = 32788;
inline constexpr int kReplaceWithMessageList = 32789;

// The framework's standard commands.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kHelpIndex = 57666;
inline constexpr int kHelpFinder = 57667;
inline constexpr int kHelpUsing = 57668;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
inline constexpr int kDefaultHelp = 57671;
inline constexpr int kViewToolBar = 59392;
inline constexpr int kViewStatusBar = 59393;

// Status-bar indicators and bar window ids.
inline constexpr int kIndicatorCaps = 59137;
inline constexpr int kIndicatorKana = 59142;
inline constexpr int kToolBarId = 0xE800;
inline constexpr int kStatusBarId = 0xE801;

} // namespace tonalink::cmd
