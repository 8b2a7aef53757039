#pragma once

// Command ids of the menus, the toolbar and the accelerators. The help
// topics of the commands carry the same numbers.
namespace qm530::ui::cmd {

// Program menu and the view's commands.
constexpr int kRead = 32773;
constexpr int kWrite = 32774;
constexpr int kComSetup = 32777;
constexpr int kControlBar = 32780;
constexpr int kScanInfo = 32782;
constexpr int kSideKey = 32783;
constexpr int kProductInfo = 32786;
constexpr int kChannelInfo = 32787;
constexpr int kOptionalFeatures = 32788;
constexpr int kLanguage = 32799;
constexpr int kTransferTrace = 32820;  // Setup > Transfer Trace, checkable
// A key of the channel view: the current channel as one phrase, where a
// screen reader reads it.
constexpr int kSpeakChannel = 32821;
// Help > Using qm530 with a Screen Reader.
constexpr int kHelpScreenReader = 32822;
constexpr int kBackupBeforeWrite = 32823;  // Setup > Back Up Before Writing, checkable

// File menu.
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileClose = 57602;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePageSetup = 57605;
constexpr int kFilePrintSetup = 57606;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintDirect = 57608;
constexpr int kFilePrintPreview = 57609;
// Channel lists in the common CSV column set.
constexpr int kFileImport = 32804;
constexpr int kFileExport = 32805;
constexpr int kFileCompare = 32810;
constexpr int kFileOpenBackup = 32824;
// The recent files, numbered 1 to 8 in the File menu.
constexpr int kFileRecent1 = 57616;
constexpr int kFileRecentLast = 57623;

// Edit menu: clipboard, undo and the channel order.
constexpr int kEditClear = 57632;
constexpr int kEditCopy = 57634;
constexpr int kEditCut = 57635;
constexpr int kEditPaste = 57637;
constexpr int kEditUndo = 57643;
constexpr int kEditRedo = 57644;
constexpr int kMoveUp = 32800;
constexpr int kMoveDown = 32801;
constexpr int kInsertChannel = 32802;
constexpr int kRemoveChannel = 32803;

// Application.
constexpr int kAppAbout = 57664;
constexpr int kAppExit = 57665;
constexpr int kHelp = 57670;
constexpr int kNextPane = 57680;  // F6
constexpr int kPrevPane = 57681;  // Shift+F6

// Window menu: arrange the document windows, bring one to the front.
constexpr int kWindowCascade = 57650;
constexpr int kWindowTile = 57651;
constexpr int kWindowFirstDocument = 65280;  // documents 1 to 9: this id plus 0 to 8
constexpr int kWindowDocuments = 9;

// View menu.
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;

}  // namespace qm530::ui::cmd

namespace qm530::ui::ctl {

// Controls that can hold the keyboard focus and have a help topic.
constexpr int kOk = 1;
constexpr int kCancel = 2;
// Channel view.
constexpr int kGrid = 1000;
constexpr int kRxEdit = 2127;
constexpr int kTxEdit = 2128;
constexpr int kDecodeToneList = 2132;
constexpr int kEncodeToneList = 2133;
constexpr int kPowerList = 1129;
constexpr int kScanAddList = 1134;
constexpr int kBusyLockList = 1139;
constexpr int kBandwidthList = 1128;
// Product Information.
constexpr int kTypeList = 1013;
constexpr int kFrequencyList = 1014;
// Optional Features.
constexpr int kTimeOutTimer = 1118;
constexpr int kTotPreAlert = 1130;
constexpr int kSquelchLevel = 1116;
constexpr int kVoiceAnnunciation = 1117;
constexpr int kVoxGainLevel = 1121;
constexpr int kVoxDelayTime = 1123;
constexpr int kBeep = 1016;
constexpr int kBatterySaver = 1005;
constexpr int kSquelchTune = 1119;  // hidden
constexpr int kCallTone = 1120;     // hidden
// Password.
constexpr int kPasswordEdit = 1009;
// Navigation tree.
constexpr int kNavigationTree = 1032;

}  // namespace qm530::ui::ctl
