#pragma once

// The calculator's buttons and readout in twips, as data. Plain code.
namespace kx {

enum class CalculatorButtonKind { Number, Operator, Percent, Fraction, Memory, Decimal, Back, Clear };

struct CalculatorButtonSpec {
    const wchar_t* name;     // the button's name in the classic form, with its array index
    CalculatorButtonKind kind;
    const wchar_t* caption;  // the Back button's is drawn in a symbol font where there is one
    const wchar_t* tag;      // what the press procedures read
    int left, top, height;   // twips; every button is 375 wide
    const wchar_t* tooltip;  // null: none
};

constexpr int kCalculatorButtonCount = 29;
constexpr int kCalculatorButtonWidth = 375;
extern const CalculatorButtonSpec kCalculatorButtons[kCalculatorButtonCount];

// The readout: 0, 0, 2535 x 390. The control's inner size is the button grid's: 2535 x 2415.
constexpr int kReadoutWidth = 2535;
constexpr int kReadoutHeight = 390;
constexpr int kCalculatorWidth = 2535;
constexpr int kCalculatorHeight = 2415;

// The Back button's character in the symbol font, and its stand-in in a plain font.
constexpr wchar_t kBackSymbolCharacter = 232;
constexpr wchar_t kBackArrow = 0x2190;

}  // namespace kx
