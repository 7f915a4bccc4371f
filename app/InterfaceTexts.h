#pragma once

// The texts of the interface in English and Portuguese: the menu captions, the
// tool tips of the tool bar, the status bar and the project window's labels,
// the Options dialog, the greeting and the paste hint, and the few messages
// that exist in English only.
//
// Every text lives once, in the table in InterfaceTexts.cpp, addressed by a
// `Text` id named after what it says. The tables below map the controls of the
// windows (menu items by object name, tool-bar buttons and labels by number)
// to those ids, so that the windows set their texts in one loop.

#include "Settings.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace pelmora {

enum class Language { English, Portuguese };

// The language whose texts are applied: English when OptEN is set, then
// Portuguese when OptPT is set, so Portuguese wins when both are set. With
// neither set no text is changed (no value).
std::optional<Language> chosenLanguage(bool OptEN, bool OptPT);
std::optional<Language> chosenLanguage(const Settings &settings);

enum class Text {
    // Menus and tool bar.
    File, New, Open, Save, Exit, Valorix, GraphProperties, PrintChart, CopyChart,
    Options, Close, View, Toolbar, StatusBar, Window, Help, Contents, HelpContents,
    AboutValorix, Copy, Paste, Clear, Excel,
    // Status bar tool tips; ReadyFor is followed by the user name.
    SystemMessage, ReadyFor,
    // Options dialog.
    LanguageFrame, LanguageFrameTip, ListSeparatorFrame, OptionEnglish, OptionPortuguese, Ok,
    // Tool tips of the project window's labels Label1..Label11.
    NumberOfPeriods, InterestRate, PresentValue, Payment, FutureValue, DecimalPlaces,
    PaymentNumber, Amortization, InterestOfPayment, BalanceDue, TotalInterest,
    // Greeting and paste hint.
    GoodMorning, GoodAfternoon, GoodEvening, Welcome, PasteHintData, PasteHintBitmap,
    // English only: the program's title (caption of its message boxes) and the
    // descriptions of the two errors a conversion of a settings value raises.
    ProgramTitle, TypeMismatch, Overflow,
    // The About box: its caption, the program's description, the maker's fixed
    // texts, the web link's tool tip, the legal warning and the button.
    AboutCaption, ProgramDescription, MakerCopyright, MakerHomePage, MakerSupportPage, MakerEmail,
    HomePageTip, LegalWarning, SystemInfo,
    // The shell services' messages.
    NoFile, BrowserNotFound, SysInfoUnavailable,
    // The print dialog: caption, buttons, the printer list's design text, the
    // confirmation (followed by the printer's caption), the load error ("Error: "
    // number, blank, description) with its two descriptions, and the PDF file
    // printer with the title of its save dialog.
    PrintCaption, PrinterSetup, Cancel, NoPrinter, PrintConfirmation, ErrorPrefix, NoDefaultPrinter,
    PrinterDriverUnavailable, InvalidPropertyValue, PdfFilePrinter, PrintToPdf,
    // Names read out by screen readers for controls that show no caption.
    CellEntryName, ProfileChartName, CashFlowChartAName, CashFlowChartBName, AmortListName,
    ScaleSliderName, FootnoteSwitchName,
};

struct TextPair
{
    Text id;
    QStringView english;
    QStringView portuguese; // empty: the text exists in English only
};

// Every text, in the order of `Text`.
std::span<const TextPair> textTable();

QString textFor(Text id, Language language);

// Captions that follow the language, by the menu item's object name ("mfile"),
// each with the letter that chooses it from the keyboard (Alt+letter in the
// menu bar, the letter alone in an open menu) in English and in Portuguese,
// chosen so that no two items of one menu share one (the keyboard journey
// presses them all).
struct MenuCaption
{
    QStringView item;
    Text text;
    char16_t english;
    char16_t portuguese;
};
std::span<const MenuCaption> menuCaptions();

// The caption as the menu shows it, its letter marked ("E&xit").
QString menuCaption(const MenuCaption &caption, Language language);

// Tool tips of the tool-bar buttons, by button number from 1; separators have none.
std::optional<Text> toolBarTip(int button);

// Tool tips of the status bar: panel 1 and panel 3 ("...ready for " + user
// name); other panels have none here (empty text).
QString statusPanelTip(int panel, Language language, QStringView userName);

// Tool tip of the project window's label Label1..Label11.
std::optional<Text> labelTip(int label);

// The greeting of status panel 1 at start-up, for the time of day as "HH:MM"
// (24-hour clock), compared as text: up to "12:00" morning, after it afternoon,
// from "18:00" on evening.
QString Greeting(QStringView clockTime, QStringView userName, Language language);

// Status panel 1 after a chart has been copied: how to paste it elsewhere.
QString pasteHint(Language language);

// The Options dialog: a click on an option button sets its flag and clears the
// other. OK makes the field's text the list separator, as typed, of any length;
// only an empty field gives ";". (Closing by the close box leaves ListSep as it was.)
void chooseLanguage(Settings &settings, Language language);
QString listSepFromOptions(QStringView fieldText);

// The name of the logged-on user, at most 255 characters; empty when the
// system does not tell it.
QString UserName();

} // namespace pelmora
