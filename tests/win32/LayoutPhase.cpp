#include "LayoutPhase.h"

#include <cstdio>
#include <string>

#include "ControlNames.h"
#include "TabOrder.h"
#include "window/FormLayout.h"

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
            return {"Button", BS_AUTORADIOBUTTON, BS_TYPEMASK};
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

std::string StartText(const form::Control& row) {
    if (row.id == form::kRightCount || row.id == form::kWrongCount) return Count(row.text, 0);
    return std::string(row.text);
}

void CheckControl(Checks& checks, const Probe& probe, const form::Control& row, int dpi) {
    const std::string name = Name(row.id);
    const Probe::Reading reading = probe.Read(row.id);
    const KindTraits traits = TraitsOf(row.kind);
    checks.ExpectEqual(reading.className, std::string(traits.className), name + " class");
    checks.Expect((reading.style & traits.styleMask) == traits.styleBits,
                  name + " style " + Hex(reading.style));
    checks.ExpectEqual(reading.text, StartText(row), name + " text");
    checks.ExpectEqual(reading.visible, row.visible, name + " visible");
    checks.ExpectEqual(reading.enabled, true, name + " enabled");
    checks.ExpectEqual(reading.checked, false, name + " checked");
    checks.ExpectEqual(Show(reading.rect), Show(ExpectedRect(row, dpi)), name + " position");
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
    for (const form::Control& row : form::kControls) CheckControl(checks, probe, row, dpi);
    checks.ExpectEqual(NameOf(probe.Focus()), Name(form::kFeedbackBox), "focus at start");
    const FinishedPairs none{};
    checks.ExpectEqual(
        TabSequence(probe),
        ExpectedTabSequence({FirstOption(form::Frame1(0), none), FirstOption(form::Frame1(1), none),
                             form::Command1(form::kCheckButton),
                             form::Command1(form::kClearButton)}),
        "tab order after the feedback box");
}
