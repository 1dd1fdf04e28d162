#include "PushButtonPainter.h"

#include "TextConversion.h"

namespace form::win32 {

namespace {

constexpr int kPressShift = 1;  // the caption moves with a pressed face
constexpr int kFocusInset = 1;  // the focus rectangle stands clear of the edge
constexpr int kFrameWidth = 1;  // FrameRect's line

bool Has(const DRAWITEMSTRUCT& item, UINT state) { return (item.itemState & state) != 0; }

// Draws the frame and edge, and returns the face inside them.
RECT PaintEdges(const DRAWITEMSTRUCT& item, HBRUSH face) {
    RECT rect = item.rcItem;
    FillRect(item.hDC, &rect, face);
    if (Has(item, ODS_FOCUS)) {
        FrameRect(item.hDC, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -kFrameWidth, -kFrameWidth);
    }
    DrawEdge(item.hDC, &rect, Has(item, ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT | BF_ADJUST);
    return rect;
}

void PaintCaption(const DRAWITEMSTRUCT& item, RECT rect) {
    const std::wstring caption = WindowText(item.hwndItem);
    if (Has(item, ODS_SELECTED)) OffsetRect(&rect, kPressShift, kPressShift);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ previousFont = SelectObject(item.hDC, font);
    const int previousMode = SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(
        item.hDC, GetSysColor(Has(item, ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(item.hDC, previousColour);
    SetBkMode(item.hDC, previousMode);
    SelectObject(item.hDC, previousFont);
}

}  // namespace

void PaintPushButton(const DRAWITEMSTRUCT& item, HBRUSH face) {
    RECT inside = PaintEdges(item, face);
    PaintCaption(item, inside);
    if (Has(item, ODS_FOCUS) && !Has(item, ODS_NOFOCUSRECT)) {
        InflateRect(&inside, -kFocusInset, -kFocusInset);
        DrawFocusRect(item.hDC, &inside);
    }
}

}  // namespace form::win32
