#include "ButtonLookPainters.h"
#include "DrawingModule.h"

// The looks built from platform edges, fills and the visual-styles theme: Normal, Soft, Flat, Java,
// OfficeXP and WindowsTheme.
namespace kx {
namespace {

constexpr UINT kNoEdge = 0;
constexpr int kPushButtonPart = 1;   // BP_PUSHBUTTON
constexpr long kDefaultedState = 5;  // PBS_DEFAULTED

// The colour of a hot or pressed face: HighlightColor with custom colours, else the button face.
LookColor ActiveFace(const ButtonFace& face) {
    return face.useCustomColors ? face.highlightColor : SystemColor(COLOR_BTNFACE);
}

// The skeleton of the edge looks: one surface colour and at most one edge around it.
bool EdgeFace(const ButtonPainter& p, LookColor surface, UINT edge) {
    p.Surface(surface);
    if (edge != kNoEdge) p.Edge(edge);
    return true;
}

// Edges of the Soft and Flat looks by state 1 to 4.
UINT EdgeByState(const UINT (&edges)[4], long state) {
    return state >= kLookNormal && state <= kLookDisabled ? edges[state - 1] : kNoEdge;
}

bool SoftOrFlat(const ButtonPainter& p, const ButtonFace& face, const UINT (&edges)[4]) {
    const bool active = face.Is(kLookHot) || face.Is(kLookPressed);
    return EdgeFace(p, active ? ActiveFace(face) : face.BackOrButtonFace(), EdgeByState(edges, face.state));
}

// HighlightColor translated here: the mixes and lightenings below expect a plain colour.
LookColor PlainHighlightOr(const ButtonFace& face, int systemIndex) {
    return face.useCustomColors ? face.PlainHighlight() : SystemColor(systemIndex);
}

LookColor JavaFace(const ButtonFace& face) {
    if (face.Is(kLookPressed)) return PlainHighlightOr(face, COLOR_BTNSHADOW);
    if (face.Is(kLookHot))
        return face.useCustomColors ? MixColors(face.PlainHighlight(), face.backColor)
                                    : MixColors(SystemColor(COLOR_BTNSHADOW), SystemColor(COLOR_BTNFACE));
    return face.BackOrButtonFace();
}

}  // namespace

bool PaintNormalLook(const ButtonPainter& p, const ButtonFace& face) {
    const LookColor surface = face.Is(kLookNormal) ? face.BackOrButtonFace() : ActiveFace(face);
    return EdgeFace(p, surface, face.Is(kLookPressed) ? EDGE_SUNKEN : EDGE_RAISED);
}

bool PaintSoftLook(const ButtonPainter& p, const ButtonFace& face) {
    static constexpr UINT kEdges[4] = {BDR_RAISEDINNER, BDR_RAISEDINNER, BDR_SUNKENOUTER, kNoEdge};
    return SoftOrFlat(p, face, kEdges);
}

bool PaintFlatLook(const ButtonPainter& p, const ButtonFace& face) {
    static constexpr UINT kEdges[4] = {kNoEdge, BDR_RAISEDINNER, BDR_SUNKENOUTER, kNoEdge};
    return SoftOrFlat(p, face, kEdges);
}

bool PaintJavaLook(const ButtonPainter& p, const ButtonFace& face) {
    const LookColor inner = JavaFace(face);
    p.Surface(face.BackOrButtonFace());
    p.Fill(3, 3, p.W() - 7, p.H() - 7, inner);
    p.CornerPixels(0, 0, p.W() - 1, p.H() - 1, SystemColor(COLOR_BTNSHADOW), SystemColor(COLOR_WINDOW), inner);
    return true;
}

bool PaintOfficeXPLook(const ButtonPainter& p, const ButtonFace& face) {
    p.Surface(0x000000);
    const LookColor highlight = PlainHighlightOr(face, COLOR_HIGHLIGHT);
    if (face.Is(kLookHot) || face.Is(kLookPressed)) {
        p.Fill(0, 0, p.W() - 1, p.H() - 1, LightenColor(highlight, face.Is(kLookHot) ? 176 : 128));
        p.Frame(highlight);
    } else {
        p.Fill(0, 0, p.W(), p.H(), LightenColor(face.BackOrButtonFace(), 32));
    }
    return true;
}

bool PaintWindowsThemeLook(const ButtonPainter& p, const ButtonFace& face) {
    p.Surface(SystemColor(COLOR_BTNFACE));
    const long state = face.Is(kLookNormal) && face.hasFocus ? kDefaultedState : face.state;
    return p.Themed(L"Button", kPushButtonPart, static_cast<int>(state));
}

}  // namespace kx
