#include "InterfaceTexts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

// The one place of the interface texts. Some Portuguese forms are kept as the
// program has always shown them ("Menssagem do Sistema"; "Auxílio Geral" for
// both the Help item and its tool-bar tip).
constexpr TextPair texts[] = {
    {Text::File, u"File", u"Arquivo"},
    {Text::New, u"New", u"Novo"},
    {Text::Open, u"Open...", u"Abrir..."},
    {Text::Save, u"Save", u"Salvar"},
    {Text::Exit, u"Exit", u"Encerrar"},
    {Text::Valorix, u"Valorix", u"Valorix"},
    {Text::GraphProperties, u"Graph Properties", u"Propriedades Gráficas"},
    {Text::PrintChart, u"Print Chart", u"Imprimir Gráfico"},
    {Text::CopyChart, u"Copy Chart", u"Copiar Gráfico"},
    {Text::Options, u"Options", u"Opções"},
    {Text::Close, u"Close", u"Fechar"},
    {Text::View, u"View", u"Exibir"},
    {Text::Toolbar, u"Toolbar", u"Barra de Ferramentas"},
    {Text::StatusBar, u"Status Bar", u"Barra de Status"},
    {Text::Window, u"Window", u"Janela"},
    {Text::Help, u"Help", u"Auxílio"},
    {Text::Contents, u"Contents", u"Auxílio Geral"},
    {Text::HelpContents, u"Help - Contents", u"Auxílio Geral"},
    {Text::AboutValorix, u"About Valorix", u"Sobre Valorix"},
    {Text::Copy, u"Copy", u"Copiar"},
    {Text::Paste, u"Paste", u"Colar"},
    {Text::Clear, u"Clear", u"Limpar"},
    {Text::Excel, u"Excel", u"Excel"},
    {Text::SystemMessage, u"System Message", u"Menssagem do Sistema"},
    {Text::ReadyFor, u"Valorix is ready for ", u"Valorix está pronto para "},
    {Text::LanguageFrame, u"Language", u"Linguagem"},
    {Text::LanguageFrameTip, u"Language used in Valorix", u"Linguagem usada em Valorix"},
    {Text::ListSeparatorFrame, u"List Separator", u"Separador de Lista"},
    {Text::OptionEnglish, u"English", u"English"}, // the option buttons never change
    {Text::OptionPortuguese, u"Português", u"Português"},
    {Text::Ok, u"OK", u"OK"},
    {Text::NumberOfPeriods, u"Number of periods", u"Número de períodos"},
    {Text::InterestRate, u"Interest rate", u"Taxa de juros"},
    {Text::PresentValue, u"Present Value", u"Valor Presente"},
    {Text::Payment, u"Payment", u"Pagamento"},
    {Text::FutureValue, u"Future Value", u"Valor Futuro"},
    {Text::DecimalPlaces, u"Decimal places", u"Casas decimais"},
    {Text::PaymentNumber, u"Payment number", u"Número do Pagamento"},
    {Text::Amortization, u"Amortization", u"Amortização"},
    {Text::InterestOfPayment, u"Interest of payment", u"Juros do Pagamento"},
    {Text::BalanceDue, u"Balance Due", u"Saldo Devedor"},
    {Text::TotalInterest, u"Total Interest", u"Total de Juros"},
    {Text::GoodMorning, u"Good morning", u"Bom dia"},
    {Text::GoodAfternoon, u"Good afternoon", u"Boa tarde"},
    {Text::GoodEvening, u"Good evening", u"Boa noite"},
    {Text::Welcome, u". Welcome to Valorix.", u". Bem-vindo ao Valorix."},
    {Text::PasteHintData, u"Edit Paste (chart's data)", u"Editar Colar (dados do gráfico)"},
    {Text::PasteHintBitmap, u" and Edit Paste Special (chart bitmap)", u" e Editar Colar Especial (gráfico bitmap)"},
    {Text::ProgramTitle, u"Pelmora", {}},
    {Text::TypeMismatch, u"Type mismatch", {}},
    {Text::Overflow, u"Overflow", {}},
    // The About box keeps its designed caption in both languages; the maker's
    // texts are the same in both.
    {Text::AboutCaption, u"Sobre o Qor", {}},
    {Text::ProgramDescription, u"Corporate Valorix: financial appraisal of investment projects",
     u"Corporate Valorix: análise financeira de projetos de investimento"},
    {Text::MakerCopyright, u"Copyright © 2009 Pelmora Software. All rights reserved.", {}},
    {Text::MakerHomePage, u"https://www.pelmora.example", {}},
    {Text::MakerSupportPage, u"https://www.pelmora.example/support", {}},
    {Text::MakerEmail, u"support@pelmora.example", {}},
    {Text::HomePageTip, u"Valorix Home Page", {}},
    {Text::LegalWarning,
     u"Warning: this program is protected by copyright. Copying it, lending it or passing it on "
     u"without the written permission of Pelmora Software is not allowed and may be prosecuted.",
     u"Aviso: este programa é protegido por direitos autorais. Copiá-lo, emprestá-lo ou repassá-lo "
     u"sem a permissão por escrito da Pelmora Software não é permitido e pode ser punido por lei."},
    {Text::SystemInfo, u"System Info...", {}},
    {Text::NoFile, u"No File", {}},
    {Text::BrowserNotFound, u"Sorry, I did not find your Browser", u"Desculpe, não encontrei o seu Browser"},
    {Text::SysInfoUnavailable, u"System Information Is Unavailable At This Time", {}},
    {Text::PrintCaption, u"Print", {}},
    {Text::PrinterSetup, u"Setup...", u"Configurar.."},
    {Text::Cancel, u"Cancel", u"Cancelar"},
    {Text::NoPrinter, u"No Printer", {}},
    {Text::PrintConfirmation, u"The graphic will be send to ", {}},
    {Text::ErrorPrefix, u"Error: ", {}},
    {Text::NoDefaultPrinter, u"A default printer does not exist. You must install a printer to send the chart.", {}},
    {Text::PrinterDriverUnavailable, u"Printer driver unavailable", {}},
    {Text::InvalidPropertyValue, u"Invalid property value", {}},
    // A device name, like the installed printers' own, in every language.
    {Text::PdfFilePrinter, u"PDF File", {}},
    {Text::PrintToPdf, u"Print to PDF File", u"Imprimir em Arquivo PDF"},
    {Text::CellEntryName, u"Cell entry", u"Entrada da célula"},
    {Text::ProfileChartName, u"NPV profile of projects A and B by discount rate",
     u"Perfil do VPL dos projetos A e B por taxa de desconto"},
    {Text::CashFlowChartAName, u"Cash flows of project A by period", u"Fluxos de caixa do projeto A por período"},
    {Text::CashFlowChartBName, u"Cash flows of project B by period", u"Fluxos de caixa do projeto B por período"},
    {Text::AmortListName, u"Amortization schedule", u"Tabela de amortização"},
    {Text::ScaleSliderName, u"Rate axis scale", u"Escala do eixo das taxas"},
    {Text::FootnoteSwitchName, u"Footnote", u"Nota de rodapé"},
};

// textFor() indexes the table by id.
constexpr bool inIdOrder()
{
    for (std::size_t k = 0; k < std::size(texts); ++k) {
        if (texts[k].id != Text(k))
            return false;
    }
    return true;
}
static_assert(inIdOrder(), "the text table must list every Text once, in the order of the enum");
static_assert(std::size(texts) == std::size_t(Text::FootnoteSwitchName) + 1, "a Text without its text");

constexpr MenuCaption captions[] = {
    {u"mfile", Text::File, u'F', u'A'},
    {u"mnew", Text::New, u'N', u'N'},
    {u"mopen", Text::Open, u'O', u'b'},
    {u"msair", Text::Exit, u'x', u'E'},
    {u"mvalorix", Text::Valorix, u'l', u'l'},
    {u"mgraphpr", Text::GraphProperties, u'G', u'P'},
    {u"mprint", Text::PrintChart, u'P', u'I'},
    {u"mcopy", Text::CopyChart, u'C', u'C'},
    {u"mopcoes", Text::Options, u'O', u'O'},
    {u"mclose", Text::Close, u'l', u'F'},
    {u"mver", Text::View, u'V', u'E'},
    {u"mtoolbar", Text::Toolbar, u'T', u'F'},
    {u"mstatusbar", Text::StatusBar, u'S', u'S'},
    {u"mjanela", Text::Window, u'W', u'J'},
    {u"mauxilio", Text::Help, u'H', u'u'},
    {u"mauxiliogeral", Text::Contents, u'C', u'A'},
    {u"msobreqor", Text::AboutValorix, u'A', u'S'},
    {u"mcopycell", Text::Copy, u'C', u'C'},
    {u"mpastecell", Text::Paste, u'P', u'o'},
    {u"mclearcell", Text::Clear, u'l', u'L'},
    {u"mexcelamort", Text::Excel, u'E', u'E'},
    {u"mcloseamort", Text::Close, u'C', u'F'},
    {u"mprintmschart2", Text::PrintChart, u'P', u'I'},
    {u"mprintmschart3", Text::PrintChart, u'P', u'I'},
    {u"mcopymschart2", Text::CopyChart, u'C', u'C'},
    {u"mcopymschart3", Text::CopyChart, u'C', u'C'},
};

constexpr bool contains(QStringView text, char16_t letter)
{
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] == QChar(letter))
            return true;
    }
    return false;
}

constexpr bool lettersInCaptions()
{
    for (const MenuCaption &caption : captions) {
        const TextPair &pair = texts[std::size_t(caption.text)];
        if (!contains(pair.english, caption.english) || !contains(pair.portuguese, caption.portuguese))
            return false;
    }
    return true;
}
static_assert(lettersInCaptions(), "a menu item's letter must be one of its caption's");

// Buttons 1..12; 4, 8 and 10 are separators.
constexpr std::optional<Text> toolBarTips[] = {
    Text::New, Text::Open, Text::Save, std::nullopt, Text::GraphProperties, Text::PrintChart,
    Text::CopyChart, std::nullopt, Text::Options, std::nullopt, Text::HelpContents, Text::Exit,
};

constexpr Text labelTips[] = {
    Text::NumberOfPeriods, Text::InterestRate, Text::PresentValue, Text::Payment,
    Text::FutureValue, Text::DecimalPlaces, Text::PaymentNumber, Text::Amortization,
    Text::InterestOfPayment, Text::BalanceDue, Text::TotalInterest,
};

} // namespace

std::optional<Language> chosenLanguage(bool OptEN, bool OptPT)
{
    std::optional<Language> language;
    if (OptEN)
        language = Language::English;
    if (OptPT)
        language = Language::Portuguese;
    return language;
}

std::optional<Language> chosenLanguage(const Settings &settings)
{
    return chosenLanguage(settings.OptEN, settings.OptPT);
}

std::span<const TextPair> textTable()
{
    return texts;
}

QString textFor(Text id, Language language)
{
    const TextPair &pair = texts[std::size_t(id)];
    const bool portuguese = language == Language::Portuguese && !pair.portuguese.isEmpty();
    return (portuguese ? pair.portuguese : pair.english).toString();
}

std::span<const MenuCaption> menuCaptions()
{
    return captions;
}

QString menuCaption(const MenuCaption &caption, Language language)
{
    QString text = textFor(caption.text, language);
    const QChar letter(language == Language::Portuguese ? caption.portuguese : caption.english);
    const qsizetype at = text.indexOf(letter);
    if (at >= 0)
        text.insert(at, u'&');
    return text;
}

std::optional<Text> toolBarTip(int button)
{
    if (button < 1 || button > int(std::size(toolBarTips)))
        return std::nullopt;
    return toolBarTips[button - 1];
}

QString statusPanelTip(int panel, Language language, QStringView userName)
{
    if (panel == 1)
        return textFor(Text::SystemMessage, language);
    if (panel != 3)
        return {};
    QString tip = textFor(Text::ReadyFor, language);
    tip += userName;
    return tip;
}

std::optional<Text> labelTip(int label)
{
    if (label < 1 || label > int(std::size(labelTips)))
        return std::nullopt;
    return labelTips[label - 1];
}

QString Greeting(QStringView clockTime, QStringView userName, Language language)
{
    // Compared as text, which orders "HH:MM" times as the clock does.
    Text salutation = Text::GoodAfternoon;
    if (clockTime.compare(u"12:00") <= 0)
        salutation = Text::GoodMorning;
    else if (clockTime.compare(u"18:00") >= 0)
        salutation = Text::GoodEvening;
    QString greeting = textFor(salutation, language);
    greeting += u' ';
    greeting += userName;
    greeting += textFor(Text::Welcome, language);
    return greeting;
}

QString pasteHint(Language language)
{
    return textFor(Text::PasteHintData, language) + textFor(Text::PasteHintBitmap, language);
}

void chooseLanguage(Settings &settings, Language language)
{
    settings.OptEN = language == Language::English;
    settings.OptPT = language == Language::Portuguese;
}

QString listSepFromOptions(QStringView fieldText)
{
    return fieldText.isEmpty() ? u";"_s : fieldText.toString();
}

} // namespace pelmora
