// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// Every text the program stores in a file or shows to the user, byte for byte. Settings files
// already written rely on the stored names, and users know the captions: change none of them
// without a reason that outweighs both. Shown texts are marked for translation and reach the
// screen through shown(); stored ones never are.
namespace Texts {

// A shown text in the user's language.
inline QString shown(const char *text)
{
    return QCoreApplication::translate("Texts", text);
}

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
// The program's own section, for what the stored section never held (the panels shown).
inline constexpr char OwnSection[] = "Glimmerview";
inline constexpr char OverviewShownKey[] = "Overview"; // 1 shown, 0 hidden
inline constexpr char ChipTargetKey[] = "Chip"; // the chip chosen last, as its target text

// Stored properties as "Control.Property"; each is kept under its name with "." turned into "_"
// (OpenDialog_DefaultExt, TrackBar1_Position, OpenDialog_InitialDir).
inline constexpr char DefaultExtProperty[] = "OpenDialog.DefaultExt";
inline constexpr char ClockPositionProperty[] = "TrackBar1.Position";
inline constexpr char InitialDirProperty[] = "OpenDialog.InitialDir";
inline constexpr char DefaultImagePattern[] = "*.bin";

// Window titles.
inline constexpr char MainWindowTitle[] = QT_TRANSLATE_NOOP("Texts", "Glimmerview FINAL Version");
inline constexpr char OptionsTitle[] = QT_TRANSLATE_NOOP("Texts", "Options");
inline constexpr char AboutTitle[] = QT_TRANSLATE_NOOP("Texts", "About");
inline constexpr char OpenDialogTitle[] = QT_TRANSLATE_NOOP("Texts", "Open");

// The main window's menu. "&" marks the letter that Alt opens it with; it is not shown.
inline constexpr char FileMenu[] = QT_TRANSLATE_NOOP("Texts", "&File");
inline constexpr char NewCommand[] = QT_TRANSLATE_NOOP("Texts", "&New");
inline constexpr char NewEightLedCommand[] = QT_TRANSLATE_NOOP("Texts", "New &8-LED Image");
inline constexpr char LoadCommand[] = QT_TRANSLATE_NOOP("Texts", "&Load");
inline constexpr char ExitCommand[] = QT_TRANSLATE_NOOP("Texts", "E&xit");
inline constexpr char OptionsCommand[] = QT_TRANSLATE_NOOP("Texts", "&Options");
inline constexpr char AboutCommand[] = QT_TRANSLATE_NOOP("Texts", "&About");
inline constexpr char SaveCommand[] = QT_TRANSLATE_NOOP("Texts", "&Save");
inline constexpr char SaveAsCommand[] = QT_TRANSLATE_NOOP("Texts", "Save &As…");
inline constexpr char ExportCArrayCommand[] = QT_TRANSLATE_NOOP("Texts", "Export as &C Array…");
inline constexpr char ExportPictureCommand[] = QT_TRANSLATE_NOOP("Texts", "Export as &PNG…");
inline constexpr char ExportGifCommand[] = QT_TRANSLATE_NOOP("Texts", "Export as Animated &GIF…");
inline constexpr char ExportGifPagesCommand[] = QT_TRANSLATE_NOOP("Texts", "Export as GIF o&f Pages…");
inline constexpr char ExportHexCommand[] = QT_TRANSLATE_NOOP("Texts", "Export as Intel &HEX…");
inline constexpr char ExportSRecordCommand[] = QT_TRANSLATE_NOOP("Texts", "Export as S-Reco&rd…");
inline constexpr char ImportPictureCommand[] = QT_TRANSLATE_NOOP("Texts", "&Import Picture…");
inline constexpr char EditMenu[] = QT_TRANSLATE_NOOP("Texts", "&Edit");
inline constexpr char UndoCommand[] = QT_TRANSLATE_NOOP("Texts", "&Undo");
inline constexpr char RedoCommand[] = QT_TRANSLATE_NOOP("Texts", "&Redo");
inline constexpr char CopyCommand[] = QT_TRANSLATE_NOOP("Texts", "&Copy");
inline constexpr char PasteCommand[] = QT_TRANSLATE_NOOP("Texts", "&Paste");
inline constexpr char ClearCommand[] = QT_TRANSLATE_NOOP("Texts", "C&lear");
inline constexpr char FillCommand[] = QT_TRANSLATE_NOOP("Texts", "&Fill");
inline constexpr char InvertCommand[] = QT_TRANSLATE_NOOP("Texts", "&Invert");
inline constexpr char ShiftTowardLedOneCommand[] = QT_TRANSLATE_NOOP("Texts", "Shift Toward LED &1");
inline constexpr char ShiftAwayCommand[] = QT_TRANSLATE_NOOP("Texts", "Shift Away From LED 1");
inline constexpr char RotateTowardLedOneCommand[] = QT_TRANSLATE_NOOP("Texts", "Rotate Toward LED 1");
inline constexpr char RotateAwayCommand[] = QT_TRANSLATE_NOOP("Texts", "Rotate Away From LED 1");
inline constexpr char MirrorCommand[] = QT_TRANSLATE_NOOP("Texts", "&Mirror");
inline constexpr char EarlierCommand[] = QT_TRANSLATE_NOOP("Texts", "Shift a Row &Earlier");
inline constexpr char LaterCommand[] = QT_TRANSLATE_NOOP("Texts", "Shift a Row La&ter");
inline constexpr char ReverseCommand[] = QT_TRANSLATE_NOOP("Texts", "&Reverse Rows");
inline constexpr char InsertRowsCommand[] = QT_TRANSLATE_NOOP("Texts", "Insert Ro&ws");
inline constexpr char DeleteRowsCommand[] = QT_TRANSLATE_NOOP("Texts", "&Delete Rows");
inline constexpr char RepeatCommand[] = QT_TRANSLATE_NOOP("Texts", "Repeat Row&s…");
inline constexpr char GenerateCommand[] = QT_TRANSLATE_NOOP("Texts", "&Generate…");
inline constexpr char SelectAllCommand[] = QT_TRANSLATE_NOOP("Texts", "Select &All");
inline constexpr char SelectNoneCommand[] = QT_TRANSLATE_NOOP("Texts", "Select N&one");
inline constexpr char CompareCommand[] = QT_TRANSLATE_NOOP("Texts", "Compare &With…");
inline constexpr char StopComparingCommand[] = QT_TRANSLATE_NOOP("Texts", "S&top Comparing");
inline constexpr char NextDifferenceCommand[] = QT_TRANSLATE_NOOP("Texts", "&Next Difference");
inline constexpr char PreviousDifferenceCommand[] = QT_TRANSLATE_NOOP("Texts", "Pre&vious Difference");
inline constexpr char CompareDialogTitle[] = QT_TRANSLATE_NOOP("Texts", "Compare With");
inline constexpr char ViewMenu[] = QT_TRANSLATE_NOOP("Texts", "&View");
inline constexpr char OverviewCommand[] = QT_TRANSLATE_NOOP("Texts", "&Overview");
inline constexpr char ChipMenu[] = QT_TRANSLATE_NOOP("Texts", "&Chip");
inline constexpr char ReadFromChipCommand[] = QT_TRANSLATE_NOOP("Texts", "&Read From Chip…");
inline constexpr char WriteToChipCommand[] = QT_TRANSLATE_NOOP("Texts", "&Write To Chip…");
inline constexpr char VerifyChipCommand[] = QT_TRANSLATE_NOOP("Texts", "&Verify Chip");
inline constexpr char ChooseChipCommand[] = QT_TRANSLATE_NOOP("Texts", "C&hoose Chip…");
inline constexpr char ProductionCommand[] = QT_TRANSLATE_NOOP("Texts", "&Production…");

// The main window's controls.
inline constexpr char MatrixGroup[] = QT_TRANSLATE_NOOP("Texts", "Matrix");
inline constexpr char PreviewGroup[] = QT_TRANSLATE_NOOP("Texts", "Preview");
inline constexpr char PositionGroup[] = QT_TRANSLATE_NOOP("Texts", "Position");
inline constexpr char FirstPageText[] = "1";
inline constexpr char GoButton[] = QT_TRANSLATE_NOOP("Texts", "Ok");
inline constexpr char UpButton[] = QT_TRANSLATE_NOOP("Texts", "Up");
inline constexpr char DownButton[] = QT_TRANSLATE_NOOP("Texts", "Down");
inline constexpr char LoadFileButton[] = QT_TRANSLATE_NOOP("Texts", "Load file");
inline constexpr char PreviewModeGroup[] = QT_TRANSLATE_NOOP("Texts", "Preview mode");
inline constexpr char SinglePageBox[] = QT_TRANSLATE_NOOP("Texts", "Single page");
inline constexpr char MultiPageBox[] = QT_TRANSLATE_NOOP("Texts", "Multi page");
inline constexpr char PreviewEnabledBox[] = QT_TRANSLATE_NOOP("Texts", "Enable");
inline constexpr char ClockGroup[] = QT_TRANSLATE_NOOP("Texts", "Clock");
inline constexpr char FastestRate[] = QT_TRANSLATE_NOOP("Texts", "20 Hz");
inline constexpr char MiddleRate[] = QT_TRANSLATE_NOOP("Texts", "10 Hz");
inline constexpr char SlowestRate[] = QT_TRANSLATE_NOOP("Texts", "1 Hz");

// The Options dialog.
inline constexpr char LedColourGroup[] = QT_TRANSLATE_NOOP("Texts", "LED color");
inline constexpr char OffLedLabel[] = QT_TRANSLATE_NOOP("Texts", "Off LED");
inline constexpr char OkButton[] = QT_TRANSLATE_NOOP("Texts", "OK");
inline constexpr char CancelButton[] = QT_TRANSLATE_NOOP("Texts", "Cancel");

// The About window.
inline constexpr char AboutProgramTab[] = QT_TRANSLATE_NOOP("Texts", "About Program");
inline constexpr char InternetTab[] = QT_TRANSLATE_NOOP("Texts", "Internet");
inline constexpr char TeamLabel[] = QT_TRANSLATE_NOOP("Texts", "Glimmerview team");
inline constexpr char CreditsLabel[] = QT_TRANSLATE_NOOP("Texts", "with thanks to all");
inline constexpr char CloseButton[] = QT_TRANSLATE_NOOP("Texts", "Close");
inline constexpr char HardwareCredit[]
    = QT_TRANSLATE_NOOP("Texts", "Serial Interface Concept investigation and hardware embodiment  E-Mail:");
inline constexpr char SoftwareCredit[] = QT_TRANSLATE_NOOP("Texts", "Software idea and implementation E-Mail:");
inline constexpr char HardwareAddress[] = "hardware@glimmerview.example";
inline constexpr char SoftwareAddress[] = "software@glimmerview.example";
inline constexpr char MailPrefix[] = "mailto:";
inline constexpr char MailSuffix[] = "?Subject=about Other&Body=";

// The file dialog's filter labels, doubled parentheses and all.
inline constexpr char BinaryFilter[] = QT_TRANSLATE_NOOP("Texts", "binary(*.bin)");
inline constexpr char Binary8BitFilter[] = QT_TRANSLATE_NOOP("Texts", "binary8bit(*.bin8))");
inline constexpr char Binary16BitFilter[] = QT_TRANSLATE_NOOP("Texts", "binary16bit(*.bin16))");
inline constexpr char AllFilesFilter[] = QT_TRANSLATE_NOOP("Texts", "ALL(*.*)");

// Error messages; %1 is the path or the text at fault, %2 the reason.
inline constexpr char CannotOpenFile[] = QT_TRANSLATE_NOOP("Texts", "Cannot open file \"%1\": %2");
inline constexpr char UnableToWrite[] = QT_TRANSLATE_NOOP("Texts", "Unable to write to %1");
inline constexpr char NotAnInteger[] = QT_TRANSLATE_NOOP("Texts", "'%1' is not a valid integer value");

} // namespace Texts
