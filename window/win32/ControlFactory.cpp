#include "ControlFactory.h"

#include "CreationOrder.h"
#include "FormUnits.h"
#include "TextConversion.h"
#include "WindowIds.h"

namespace form::win32 {

namespace {

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Option buttons get their tab stop from the window, which keeps it on the
// one the user would expect to land on in each group.
ClassAndStyle ClassAndStyleOf(Kind kind) {
    constexpr DWORD kTextBoxStyle =
        ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_TABSTOP;
    switch (kind) {
        case Kind::Label:
            return {L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0};
        case Kind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case Kind::OptionButton:
            return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
        case Kind::PushButton:
            return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
        case Kind::TextBox:
            return {L"EDIT", kTextBoxStyle, WS_EX_CLIENTEDGE};
        case Kind::ListBox:
            return {L"LISTBOX", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};  // no such kind: an empty label shows the table's fault
}

}  // namespace

HWND CreateControl(HWND parent, std::size_t position) {
    const std::size_t rowIndex = kCreationOrder[position];
    const Control& row = kControls[rowIndex];
    const ClassAndStyle kind = ClassAndStyleOf(row.kind);
    DWORD style = WS_CHILD | kind.style;
    if (row.visible) style |= WS_VISIBLE;
    if (StartsGroup(position)) style |= WS_GROUP;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(rowIndex)));
    return CreateWindowExW(kind.exStyle, kind.className, Widen(row.text).c_str(), style, 0, 0, 0, 0,
                           parent, id, instance, nullptr);
}

RECT ControlRect(const Control& row, int dpi) {
    const Twips t = TwipsInWindow(row);
    return {ToPixels(t.left, dpi), ToPixels(t.top, dpi), ToPixels(t.left + t.width, dpi),
            ToPixels(t.top + t.height, dpi)};
}

}  // namespace form::win32
