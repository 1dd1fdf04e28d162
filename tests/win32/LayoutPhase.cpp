#include "LayoutPhase.h"

#include <cstdio>
#include <string>

#include "Model.h"
#include "window/form/FormLayout.h"
#include "window/form/TabStops.h"

using form::Kind;

namespace {

constexpr int kTwipsPerInch = 1440;

int ToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }

RECT ExpectedRect(const form::Control& row, int dpi) {
    const form::Twips t = form::TwipsInWindow(row);
    return {ToPixels(t.left, dpi), ToPixels(t.top, dpi), ToPixels(t.left + t.width, dpi),
            ToPixels(t.top + t.height, dpi)};
}

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

std::string Hex(LONG_PTR bits) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(bits));
    return text;
}

struct KindTraits {
    const char* className;
    LONG_PTR styleBits;  // all must be set
    LONG_PTR styleMask;  // of the bits compared
};

KindTraits TraitsOf(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return {"Static", 0, 0};
        case Kind::Frame:
            return {"Button", BS_GROUPBOX, BS_TYPEMASK};
        case Kind::OptionButton:
            return {"Button", BS_RADIOBUTTON, BS_TYPEMASK};
        case Kind::PushButton:
            return {"Button", BS_OWNERDRAW, BS_TYPEMASK};
        case Kind::TextBox: {
            constexpr LONG_PTR bits = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
            return {"Edit", bits, bits};
        }
        case Kind::ListBox:
            return {"ListBox", LBS_NOINTEGRALHEIGHT, LBS_NOINTEGRALHEIGHT};
    }
    return {"no such kind", 0, 0};
}

// The text a control shows at the start: the table's, but the counts, which
// the quiz writes.
std::string StartText(const form::Control& row, const scenario::Observation& start) {
    if (row.id == form::kRightCount) return start.right;
    if (row.id == form::kWrongCount) return start.wrong;
    return std::string(row.text);
}

// What a screen reader calls the control: the table's name for it, else its
// text; a button's group is the window holding it, a group named by the
// frame's caption.
void CheckForScreenReader(Checks& checks, const Probe& probe, const form::Control& row,
                          const std::string& text) {
    const std::string name = form::NameOf(row.id);
    checks.ExpectEqual(probe.AccessibleName(row.id),
                       row.accessibleName.empty() ? text : std::string(row.accessibleName),
                       name + " accessible name");
    if (row.kind == Kind::Frame)
        checks.ExpectEqual(
            probe.AccessibleRole(row.id), long{ROLE_SYSTEM_GROUPING},
            name + " accessible role (grouping: " + std::to_string(ROLE_SYSTEM_GROUPING) + ")");
    if (!(row.container == form::kWindow))
        checks.ExpectEqual(form::NameOf(Probe::IdOf(GetParent(probe.Control(row.id)))),
                           form::NameOf(row.container), name + " sits in its frame");
}

void CheckControl(Checks& checks, const Probe& probe, const form::Control& row, int dpi,
                  const std::string& text) {
    const std::string name = form::NameOf(row.id);
    const Probe::Reading reading = probe.Read(row.id);
    const KindTraits traits = TraitsOf(row.kind);
    checks.ExpectEqual(reading.className, std::string(traits.className), name + " class");
    checks.Expect((reading.style & traits.styleMask) == traits.styleBits,
                  name + " style " + Hex(reading.style));
    // Of a group, only the button Tab enters it at carries the tab stop
    // style, as in a dialog, for assistive technology.
    if (row.kind == Kind::OptionButton)
        checks.ExpectEqual((reading.style & WS_TABSTOP) != 0,
                           row.id == form::TabStopOf(row.container, form::StartOptions{}),
                           name + " tab stop style");
    checks.ExpectEqual(reading.text, text, name + " text");
    checks.ExpectEqual(reading.visible, row.visible, name + " visible");
    checks.ExpectEqual(reading.enabled, true, name + " enabled");
    checks.ExpectEqual(reading.checked, false, name + " checked");
    checks.ExpectEqual(Show(reading.rect), Show(ExpectedRect(row, dpi)), name + " position");
    if (row.visible) CheckForScreenReader(checks, probe, row, text);
    // The dialog keys select the whole text of a box that asks for it.
    if (row.kind == Kind::TextBox)
        checks.ExpectEqual(
            (SendMessageW(probe.Control(row.id), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0, false,
            name + ": Tab into it selects nothing");
}

void CheckWindow(Checks& checks, const Probe& probe, int dpi) {
    const form::Window& props = form::kWindowProps;
    checks.ExpectEqual(probe.Caption(), form::WindowCaption(), "caption");
    const SIZE client = probe.ClientSize();
    checks.ExpectEqual(std::to_string(client.cx) + "x" + std::to_string(client.cy),
                       std::to_string(ToPixels(props.clientWidth, dpi)) + "x" +
                           std::to_string(ToPixels(props.clientHeight, dpi)),
                       "client size");
    const LONG_PTR style = GetWindowLongPtrW(probe.Handle(), GWL_STYLE);
    checks.Expect((style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) ==
                          (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) &&
                      !(style & (WS_MAXIMIZEBOX | WS_THICKFRAME)),
                  "fixed border, minimise box only: style " + Hex(style));
    RECT window{};
    GetWindowRect(probe.Handle(), &window);
    const int offX = window.left + window.right - GetSystemMetrics(SM_CXSCREEN);
    const int offY = window.top + window.bottom - GetSystemMetrics(SM_CYSCREEN);
    checks.Expect(offX >= -1 && offX <= 1 && offY >= -1 && offY <= 1,
                  "centred on the screen: " + Show(window));
}

}  // namespace

void Layout(Checks& checks, const Probe& probe) {
    const int dpi = probe.Dpi();
    std::printf("dpi %d\n", dpi);
    CheckWindow(checks, probe, dpi);
    const scenario::Model model;
    const scenario::Observation start = model.Observe();
    for (const form::Control& row : form::kControls)
        CheckControl(checks, probe, row, dpi, StartText(row, start));
}
