// Titles and texts of the document core's messages, written once for the main window and tests.
#pragma once

namespace Texts {

// The caption of every closing "OK" button: the editors, the keypad, the composer, the About box.
inline constexpr char OkCaption[] = "OK";

inline constexpr char AppTitle[] = "ORVANE 32 Bit Editor Program";
inline constexpr char VersionLine[] = "Version 2.10    April 1, 2002";
inline constexpr char FileFilter[] = "ORVANE File(s) *.orv) (*.orv)";
inline constexpr char FileFilterText[] = "ORVANE File(s) *.orv)";
inline constexpr char Extension[] = ".orv";

inline constexpr char FilenameErrorTitle[] = "Filename Error";
inline constexpr char FilenameErrorText[] = "Error, Incorrect ORVANE Filename or File is Corrupted";
inline constexpr char OpenErrorTitle[] = "ORVANE File Open";
inline constexpr char OpenErrorText[] = "ORVANE File Open Error!\nFile May Be Missing";
inline constexpr char SaveErrorTitle[] = "File Save Error";
inline constexpr char SaveNameErrorText[] = "Error, Filename must contain the extension .orv.";
inline constexpr char SaveAlertTitle[] = "File Save Alert";
inline constexpr char TransmitterDisabled[] = "Repeater Transmitter Disabled";
inline constexpr char CtcssEnabled[] = "Repeater CTCSS Enabled";
inline constexpr char DtmfAccessEnabled[] = "Repeater DTMF Access Enabled";
inline constexpr char SaveAnyway[] = "Save Anyway?";
inline constexpr char ExitTitle[] = "ORVANE Editor";
inline constexpr char ExitText[] = "The Data File has changed\nDo you want to save the changes?";
inline constexpr char ModifiedMark[] = "Mod";
inline constexpr char SystemInfoUnavailable[] = "System Information Is Unavailable At This Time";

}  // namespace Texts
