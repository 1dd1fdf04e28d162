#include "ControlNames.h"

#include "window/win32/WindowIds.h"

std::string Name(form::ControlId id) {
    std::string name(id.name);
    return id.index < 0 ? name : name + "(" + std::to_string(id.index) + ")";
}

std::string NameOf(HWND control) {
    const std::size_t row = form::win32::RowOfControlId(GetDlgCtrlID(control));
    return row < form::kControls.size() ? Name(form::kControls[row].id) : "none";
}

std::string Count(std::string_view prefix, int n) {
    return std::string(prefix) + " " + (n < 0 ? "" : " ") + std::to_string(n);
}
