#include "ButtonLookPainters.h"
#include "Rounding.h"

// Keramik: a rounded bevel of one-pixel columns and rows split at mid-height around a shaded face; only the
// face colour changes with the state.
namespace kx {
namespace {

LookColor KeramikFace(const ButtonFace& face) {
    const LookColor system = SystemColor(COLOR_BTNFACE);
    const LookColor back = face.useCustomColors ? face.backColor : system;
    const LookColor highlight = face.useCustomColors ? face.highlightColor : system;
    switch (face.state) {
        case kLookHot: return OffsetColor(highlight, 1);
        case kLookPressed: return OffsetColor(highlight, 24);
        case kLookDisabled: return OffsetColor(back, 15);
        default: return OffsetColor(back, -15);
    }
}

// Rows counted from the exact middle M = H / 2, rounded as a whole.
class Middle {
public:
    explicit Middle(int height) : m_(height / 2.0) {}
    int operator()(double offset) const { return static_cast<int>(RoundHalfEven(m_ + offset)); }

private:
    double m_;
};

void LeftBevel(const ButtonPainter& p, const Middle& m, const auto& f) {
    const int h = p.H();
    p.Ramp(0, 0, 1, h - 4, f(128), f(-128));
    p.Ramp(2, 4, 3, m(-7), f(0), f(-37));
    p.Ramp(3, 3, 4, m(-7), f(0), f(-53));
    p.Ramp(4, 2, 5, m(-7), f(0), f(-37));
    p.Ramp(5, 2, 6, m(-4), f(37), f(5));
    p.Ramp(2, m(-2), 3, m(-5), f(-37), f(-32));
    p.Ramp(3, m(-3), 4, m(-3), f(-53), f(-32));
    p.Ramp(4, m(-4), 5, m(-1), f(-37), f(-32));
    p.Ramp(5, m(-4), 6, m(-3), f(5), f(-5));
    p.ColumnRamp(5, h - 5, 12, h - 6, f(-53), f(-32));
    p.ColumnRamp(4, h - 6, 7, h - 7, f(-56), f(-32));
    p.ColumnRamp(3, h - 7, 5, h - 8, f(-37), f(-32));
}

void RightBevel(const ButtonPainter& p, const Middle& m, const auto& f) {
    const int w = p.W(), h = p.H();
    p.Ramp(w - 2, 0, w - 1, h - 4, f(128), f(-128));
    p.Ramp(w - 1, 0, w, m(0), f(128), f(-48));
    p.Ramp(w - 1, m(0), w, m(-4), f(-64), f(-8));
    p.Ramp(w - 4, 4, w - 3, m(-5), f(0), f(-37));
    p.Ramp(w - 5, 3, w - 4, m(-4), f(0), f(-48));
    p.Ramp(w - 6, 2, w - 5, m(-3), f(0), f(-37));
    p.Ramp(w - 7, 2, w - 6, m(-4), f(37), f(5));
    p.Ramp(w - 4, m(0), w - 3, m(-5), f(-37), f(-21));
    p.Ramp(w - 5, m(0), w - 4, m(-5), f(-48), f(-37));
    p.Ramp(w - 6, m(0), w - 5, m(-4), f(-37), f(-53));
    p.Ramp(w - 7, m(0), w - 6, m(-4), f(-5), f(-37));
    p.ColumnRamp(w - 15, h - 4, w - 7, h - 3, f(-32), f(-53));
}

void TopAndBottomEdges(const ButtonPainter& p, const auto& f) {
    const int w = p.W(), h = p.H();
    p.Line(3, 0, w - 3, 0, f(48));
    p.Line(1, 1, w - 1, 1, f(48));
    p.Line(5, 1, w - 5, 1, f(0));
    p.ColumnRamp(w - 11, 2, w - 4, 3, f(32), f(0));
    p.ColumnRamp(w - 10, 3, w - 5, 4, f(32), f(0));
    p.ColumnRamp(w - 9, 4, w - 6, 5, f(32), f(0));
    p.Line(6, 3, 7, 3, f(128));
    p.Line(3, h - 1, w - 3, h - 1, f(-16));
    p.Line(2, h - 2, w - 3, h - 2, f(-128));
    p.Line(7, h - 3, w - 7, h - 3, f(0));
    p.Pixel(1, p.B() - 2, f(-112));
    p.Pixel(p.R() - 2, p.B() - 2, f(-112));
    p.Line(w - 4, h - 1, w - 1, h - 4, f(-21));
}

}  // namespace

bool PaintKeramikLook(const ButtonPainter& p, const ButtonFace& face) {
    const LookColor faceColor = KeramikFace(face);
    const auto f = [faceColor](long n) { return OffsetColor(faceColor, n); };
    const Middle m(p.H());
    p.Surface(faceColor);
    p.Ramp(5, 2, p.W() - 5, p.H() - 6, f(32), f(-32));
    LeftBevel(p, m, f);
    RightBevel(p, m, f);
    TopAndBottomEdges(p, f);
    return true;
}

}  // namespace kx
