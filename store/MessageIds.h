#pragma once

namespace trelink::Msg {

// Ids of the numbered texts of the catalogue. The store's check findings and the outcomes of
// the commands name their texts by these ids; each front end looks them up in its language.
inline constexpr int kInfoAbout = 101;
inline constexpr int kInternalError = 102;
inline constexpr int kColumnNumber = 103;
inline constexpr int kColumnHardwareName = 104;
inline constexpr int kColumnStatus = 105;
inline constexpr int kTabGeneral = 106;
inline constexpr int kTabDriver = 107;
inline constexpr int kTabSettings = 108;
inline constexpr int kColumnFileName = 109;
inline constexpr int kColumnVersion = 110;
inline constexpr int kColumnDate = 111;
inline constexpr int kColumnParameter = 112;
inline constexpr int kColumnValue = 113;
inline constexpr int kEditSetting = 114;
inline constexpr int kNoFreeSlot = 115;
inline constexpr int kIncompatibleActive = 116;
inline constexpr int kValueNotUnique = 117;
inline constexpr int kCheckPassed = 118;
inline constexpr int kLeaveDespiteFindings = 119;
inline constexpr int kNothingActive = 120;
inline constexpr int kNoSingleDefault = 121;
inline constexpr int kDeviceStatus = 122;
inline constexpr int kAskScanBus = 123;
inline constexpr int kNodesFound = 124;
inline constexpr int kDeviceNumberTransferred = 125;
inline constexpr int kDeviceNumberTransferFailed = 126;
inline constexpr int kNoNodesFound = 127;
inline constexpr int kCaptionAdd = 128;
inline constexpr int kCaptionRemove = 129;
inline constexpr int kCaptionCheck = 130;
inline constexpr int kCaptionLeave = 131;
inline constexpr int kCaptionDiagnose = 132;
inline constexpr int kCaptionDeviceStatus = 133;
inline constexpr int kCaptionDriverInfo = 134;
inline constexpr int kCaptionSettings = 135;
inline constexpr int kWindowTitle = 136;
inline constexpr int kCannotSave = 137;

// Texts of the program's own beyond the numbered table.
inline constexpr int kCannotLoadErrorLookup = 901;  // file name, error code, the same in hex
inline constexpr int kCannotLoadLanguage = 902;     // file name
// The captions the window's layout has before a language is applied, where they differ from
// the string table's.
inline constexpr int kLayoutCheck = 903;
inline constexpr int kLayoutTitle = 904;
// Captions that several dialogs share.
inline constexpr int kButtonOk = 905;
inline constexpr int kButtonCancel = 906;
// A change of the window met a file that another program had changed or holds.
inline constexpr int kChangedElsewhere = 907;
inline constexpr int kChangedUnreadable = 908;
inline constexpr int kChangeBusy = 909;

}  // namespace trelink::Msg
