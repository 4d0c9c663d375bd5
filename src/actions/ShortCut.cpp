#include "actions/ShortCut.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>

#include <array>

namespace {

struct KeyName
{
    std::uint8_t code;
    const char *name;
};

// Named keys first; letters, digits and function keys are computed.
constexpr std::array<KeyName, 15> kNamedKeys{{
    {VK::Back, "BkSp"},   {VK::Tab, "Tab"},    {VK::Escape, "Esc"},   {VK::Return, "Enter"},
    {VK::Space, "Space"}, {VK::Prior, "PgUp"}, {VK::Next, "PgDn"},    {VK::End, "End"},
    {VK::Home, "Home"},   {VK::Left, "Left"},  {VK::Up, "Up"},        {VK::Right, "Right"},
    {VK::Down, "Down"},   {VK::Insert, "Ins"}, {VK::Delete, "Del"},
}};

// Keys that take the name the keyboard gives them: the US punctuation keys and the keypad.
constexpr std::array<KeyName, 16> kOtherKeys{{
    {VK::Multiply, "Num *"}, {VK::Add, "Num +"},     {VK::Subtract, "Num -"}, {VK::Decimal, "Num Del"},
    {VK::Divide, "Num /"},   {0xBA, ";"},            {0xBB, "="},            {0xBC, ","},
    {0xBD, "-"},             {0xBE, "."},            {0xBF, "/"},            {0xC0, "`"},
    {0xDB, "["},             {0xDC, "\\"},           {0xDD, "]"},            {0xDE, "'"},
}};

// Qt keys of the US punctuation row and their key codes (what the unshifted key is).
struct QtToVk
{
    int qtKey;
    std::uint8_t code;
};
constexpr std::array<QtToVk, 11> kPunctuation{{
    {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Equal, 0xBB}, {Qt::Key_Comma, 0xBC}, {Qt::Key_Minus, 0xBD},
    {Qt::Key_Period, 0xBE},    {Qt::Key_Slash, 0xBF}, {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_Backslash, 0xDC}, {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
}};

// Characters that Shift with a digit key gives, for platforms that report no
// physical key: the US layout, and the German one where it differs from it
// without clashing ('"' and '\u00a7' are Shift+2 and Shift+3 there).
std::uint8_t ShiftedDigit(int qtKey)
{
    constexpr std::array<QtToVk, 12> kShifted{{
        {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},        {Qt::Key_QuoteDbl, '2'},
        {Qt::Key_NumberSign, '3'}, {Qt::Key_section, '3'},   {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},    {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'},   {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
    }};
    for (const QtToVk &p : kShifted)
        if (p.qtKey == qtKey)
            return p.code;
    return 0;
}

// X11 (evdev) key codes of the digit row: 10 is the "1" key, 19 the "0" key.
std::uint8_t DigitFromScanCode(quint32 scanCode)
{
    if (scanCode >= 10 && scanCode <= 18)
        return std::uint8_t('1' + (scanCode - 10));
    if (scanCode == 19)
        return '0';
    return 0;
}

std::uint8_t QtKeyToCode(const QKeyEvent &event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return std::uint8_t(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? std::uint8_t(VK::Numpad0 + (key - Qt::Key_0)) : std::uint8_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return std::uint8_t(VK::F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return VK::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK::Tab;
    case Qt::Key_Escape: return VK::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK::Return;
    case Qt::Key_Space: return VK::Space;
    case Qt::Key_PageUp: return VK::Prior;
    case Qt::Key_PageDown: return VK::Next;
    case Qt::Key_End: return VK::End;
    case Qt::Key_Home: return VK::Home;
    case Qt::Key_Left: return VK::Left;
    case Qt::Key_Up: return VK::Up;
    case Qt::Key_Right: return VK::Right;
    case Qt::Key_Down: return VK::Down;
    case Qt::Key_Insert: return VK::Insert;
    case Qt::Key_Delete: return VK::Delete;
    default: break;
    }
    if (keypad) {
        switch (key) {
        case Qt::Key_Asterisk: return VK::Multiply;
        case Qt::Key_Plus: return VK::Add;
        case Qt::Key_Minus: return VK::Subtract;
        case Qt::Key_Period:
        case Qt::Key_Comma: return VK::Decimal;
        case Qt::Key_Slash: return VK::Divide;
        default: break;
        }
    }
    for (const QtToVk &p : kPunctuation)
        if (p.qtKey == key)
            return p.code;
    return 0;
}

} // namespace

QString KeyCodeName(std::uint8_t key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return QString(QChar(key));
    if (key >= VK::Numpad0 && key <= VK::Numpad0 + 9)
        return QString(QChar('0' + (key - VK::Numpad0)));
    if (key >= VK::F1 && key <= VK::F24)
        return QStringLiteral("F%1").arg(key - VK::F1 + 1);
    for (const KeyName &k : kNamedKeys)
        if (k.code == key)
            return QString::fromLatin1(k.name);
    for (const KeyName &k : kOtherKeys)
        if (k.code == key)
            return QString::fromLatin1(k.name);
    return {};
}

QString ShortCutToText(TShortCut shortCut)
{
    const QString name = KeyCodeName(std::uint8_t(shortCut & 0xFF));
    if (name.isEmpty())
        return {};
    QString text;
    if (shortCut & ShortCutBits::scShift)
        text += QLatin1String("Shift+");
    if (shortCut & ShortCutBits::scCtrl)
        text += QLatin1String("Ctrl+");
    if (shortCut & ShortCutBits::scAlt)
        text += QLatin1String("Alt+");
    return text + name;
}

TShortCut TextToShortCut(const QString &text)
{
    QString rest = text;
    TShortCut mods = 0;
    const struct
    {
        const char *prefix;
        TShortCut bit;
    } prefixes[] = {{"Shift+", ShortCutBits::scShift}, {"Ctrl+", ShortCutBits::scCtrl}, {"Alt+", ShortCutBits::scAlt}};
    for (bool more = true; more;) {
        more = false;
        for (const auto &p : prefixes) {
            const QLatin1String prefix(p.prefix);
            if (rest.size() > prefix.size() && rest.startsWith(prefix, Qt::CaseInsensitive) && !(mods & p.bit)) {
                mods |= p.bit;
                rest = rest.mid(prefix.size());
                more = true;
            }
        }
    }
    for (int code = 1; code < 256; ++code) {
        const QString name = KeyCodeName(std::uint8_t(code));
        // Keypad digits share their names with the digit row; the digit row wins.
        if (!name.isEmpty() && name.compare(rest, Qt::CaseInsensitive) == 0)
            return TShortCut(mods | code);
    }
    return 0;
}

TShortCut KeyEventToShortCut(const QKeyEvent &event)
{
    static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return KeyEventToShortCut(event, x11);
}

TShortCut KeyEventToShortCut(const QKeyEvent &event, bool x11KeyCodes)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool shift = mods & Qt::ShiftModifier;
    std::uint8_t code = QtKeyToCode(event);
    // With Shift held the digit row gives punctuation, which differs between
    // layouts; the physical key is what the shortcut names.
    if (shift && !(mods & Qt::KeypadModifier)) {
        std::uint8_t digit = 0;
        if (x11KeyCodes)
            digit = DigitFromScanCode(event.nativeScanCode());
        if (!digit && event.nativeScanCode() == 0)
            digit = ShiftedDigit(event.key());
        if (digit)
            code = digit;
    }
    if (!code)
        return 0;
    return MakeShortCut(code, shift, mods & Qt::ControlModifier, mods & Qt::AltModifier);
}
