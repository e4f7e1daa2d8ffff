#include "ScrollColors.h"

#include "Handles.h"

namespace kx {

long ScrollColors::Offset(long colour, long offset) const {
    OLE_COLOR in = static_cast<OLE_COLOR>(colour);
    LONG by = offset;
    OLE_COLOR out = 0;
    return graph_ && SUCCEEDED(graph_->ColorOffset(&in, &by, &out)) ? static_cast<long>(out) : -1;
}

long ScrollColors::Base(long colour, long base) const {
    OLE_COLOR out = 0;
    return graph_ && SUCCEEDED(graph_->ColorBase(static_cast<OLE_COLOR>(colour), base, &out)) ? static_cast<long>(out)
                                                                                                : -1;
}

long ScrollColors::Translate(long colour) const {
    OLE_COLOR out = 0;
    return graph_ && SUCCEEDED(graph_->TranslateColor(static_cast<OLE_COLOR>(colour), &out)) ? static_cast<long>(out)
                                                                                               : -1;
}

void ScrollColors::Gradient(HDC dc, long x1, long y1, long x2, long y2, long first, long second,
                            bool vertical, long alpha1, long alpha2) const {
    if (!graph_) return;
    LONG hdc = LongFromHandle(dc);
    LONG a = x1, b = y1, c = x2, d = y2, one = first, two = second, start = alpha1, end = alpha2;
    VARIANT_BOOL down = vertical ? VARIANT_TRUE : VARIANT_FALSE;
    graph_->DrawGradeint(&hdc, &a, &b, &c, &d, &one, &two, &start, &end, &down);
}

}  // namespace kx
