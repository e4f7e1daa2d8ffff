#include "ScrollBevel.h"

namespace kx {

void Draw3DBox(const SkinPainter& painter, const ScrollColors& graph, int x1, int y1, int x2, int y2,
               long light, long dark, int depth) {
    for (int i = 0; i < depth; ++i) {
        const long lightShift = 10 * i + 5;
        const long darkShift = i == 0 ? 5 : -(10 * i + 5);  // the text of -0 has no sign: "05"
        painter.Line(x1 + i, y1 + i, x2 - i, y1 + i, graph.Offset(light, lightShift));
        painter.Line(x1 + i, y1 + i, x1 + i, y2 - i, graph.Offset(light, lightShift));
        painter.Line(x1 + i, y2 - i, x2 - i + 1, y2 - i, graph.Offset(dark, darkShift));
        painter.Line(x2 - i, y1 + i, x2 - i, y2 - i, graph.Offset(dark, darkShift));
    }
}

}  // namespace kx
