// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

// Every text the program stores in a file or shows to the user, byte for byte. Settings files
// already written rely on the stored names, and users know the captions: change none of them
// without a reason that outweighs both.
namespace Texts {

// The settings file, its one section and its keys.
inline constexpr char SettingsFileName[] = "Glimmerview.ini";
inline constexpr char ConfigFolderName[] = "Glimmerview"; // in the user's configuration folder
inline constexpr char SettingsSection[] = "TForm1";
inline constexpr char FormVersionKey[] = "FormVersion";
inline constexpr char FlagsKey[] = "Flags";
inline constexpr char ShowCmdKey[] = "ShowCmd";
inline constexpr char PixelsPerInchKey[] = "PixelsPerInch";
inline constexpr char MinMaxPosKey[] = "MinMaxPos";
inline constexpr char NormPosKey[] = "NormPos";
inline constexpr char VisibleKey[] = "Visible";
inline constexpr char ColourKeyPattern[] = "led_col%1"; // led_col1 .. led_col17

// Stored properties as "Control.Property"; each is kept under its name with "." turned into "_"
// (OpenDialog_DefaultExt, TrackBar1_Position, OpenDialog_InitialDir).
inline constexpr char DefaultExtProperty[] = "OpenDialog.DefaultExt";
inline constexpr char ClockPositionProperty[] = "TrackBar1.Position";
inline constexpr char InitialDirProperty[] = "OpenDialog.InitialDir";
inline constexpr char DefaultImagePattern[] = "*.bin";

// Window titles.
inline constexpr char MainWindowTitle[] = "Glimmerview FINAL Version";
inline constexpr char OptionsTitle[] = "Options";
inline constexpr char AboutTitle[] = "About";
inline constexpr char OpenDialogTitle[] = "Open";

// The main window's menu. "&" marks the letter that Alt opens it with; it is not shown.
inline constexpr char FileMenu[] = "&File";
inline constexpr char LoadCommand[] = "&Load";
inline constexpr char ExitCommand[] = "E&xit";
inline constexpr char OptionsCommand[] = "&Options";
inline constexpr char AboutCommand[] = "&About";
inline constexpr char SaveCommand[] = "&Save";
inline constexpr char SaveAsCommand[] = "Save &As\u2026";
inline constexpr char ExportCArrayCommand[] = "Export as &C Array\u2026";
inline constexpr char ExportPictureCommand[] = "Export as &PNG\u2026";
inline constexpr char EditMenu[] = "&Edit";
inline constexpr char UndoCommand[] = "&Undo";
inline constexpr char RedoCommand[] = "&Redo";
inline constexpr char CopyPageCommand[] = "&Copy Page";
inline constexpr char PastePageCommand[] = "&Paste Page";
inline constexpr char ClearPageCommand[] = "C&lear Page";
inline constexpr char FillPageCommand[] = "&Fill Page";
inline constexpr char InvertPageCommand[] = "&Invert Page";

// The main window's controls.
inline constexpr char MatrixGroup[] = "Matrix";
inline constexpr char PreviewGroup[] = "Preview";
inline constexpr char PositionGroup[] = "Position";
inline constexpr char FirstPageText[] = "1";
inline constexpr char GoButton[] = "Ok";
inline constexpr char UpButton[] = "Up";
inline constexpr char DownButton[] = "Down";
inline constexpr char LoadFileButton[] = "Load file";
inline constexpr char PreviewModeGroup[] = "Preview mode";
inline constexpr char SinglePageBox[] = "Single page";
inline constexpr char MultiPageBox[] = "Multi page";
inline constexpr char PreviewEnabledBox[] = "Enable";
inline constexpr char ClockGroup[] = "Clock";
inline constexpr char FastestRate[] = "20 Hz";
inline constexpr char MiddleRate[] = "10 Hz";
inline constexpr char SlowestRate[] = "1 Hz";

// The Options dialog.
inline constexpr char LedColourGroup[] = "LED color";
inline constexpr char OffLedLabel[] = "Off LED";
inline constexpr char OkButton[] = "OK";
inline constexpr char CancelButton[] = "Cancel";

// The About window.
inline constexpr char AboutProgramTab[] = "About Program";
inline constexpr char InternetTab[] = "Internet";
inline constexpr char TeamLabel[] = "Glimmerview team";
inline constexpr char CreditsLabel[] = "with thanks to all";
inline constexpr char CloseButton[] = "Close";
inline constexpr char HardwareCredit[] = "Serial Interface Concept investigation and hardware embodiment  E-Mail:";
inline constexpr char SoftwareCredit[] = "Software idea and implementation E-Mail:";
inline constexpr char HardwareAddress[] = "hardware@glimmerview.example";
inline constexpr char SoftwareAddress[] = "software@glimmerview.example";
inline constexpr char MailPrefix[] = "mailto:";
inline constexpr char MailSuffix[] = "?Subject=about Other&Body=";

// The file dialog's filter labels, doubled parentheses and all.
inline constexpr char BinaryFilter[] = "binary(*.bin)";
inline constexpr char Binary8BitFilter[] = "binary8bit(*.bin8))";
inline constexpr char Binary16BitFilter[] = "binary16bit(*.bin16))";
inline constexpr char AllFilesFilter[] = "ALL(*.*)";

// Error messages; %1 is the path or the text at fault.
inline constexpr char CannotOpenFile[] = "Cannot open file \"%1\"";
inline constexpr char UnableToWrite[] = "Unable to write to %1";
inline constexpr char NotAnInteger[] = "'%1' is not a valid integer value";

} // namespace Texts
