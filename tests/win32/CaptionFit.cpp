#include "CaptionFit.h"

#include <windows.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "Model.h"
#include "Probe.h"
#include "quiz/QuizState.h"
#include "quiz/QuizTexts.h"
#include "window/form/FormLayout.h"
#include "window/win32/FittingLabel.h"
#include "window/win32/MainWindow.h"
#include "window/win32/TextConversion.h"
#include "window/win32/WindowIds.h"

namespace {

// The most right answers the quiz counts, and a wrong count of six digits.
constexpr int kMostRight = std::numeric_limits<std::int16_t>::max();
constexpr int kSixDigits = 999999;

struct Measure {
    std::string text;
    LONG fontHeight = 0;  // as the font was made: negative, in pixels
    int width = 0;        // of the caption in the label's font
    int widthInFormFont = 0;
    int widthOneLarger = 0;  // in the label's font a pixel taller
    int available = 0;       // the label's client width
};

Measure Read(HWND label, HFONT formFont) {
    Measure m;
    const std::wstring text = form::win32::WindowText(label);
    m.text = form::win32::Narrow(text);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    GetObjectW(font, sizeof logFont, &logFont);
    m.fontHeight = logFont.lfHeight;
    RECT client{};
    GetClientRect(label, &client);
    m.available = client.right;
    const HDC dc = GetDC(label);
    m.width = form::win32::TextWidth(dc, font, text);
    m.widthInFormFont = form::win32::TextWidth(dc, formFont, text);
    logFont.lfHeight -= 1;
    const HFONT larger = CreateFontIndirectW(&logFont);
    m.widthOneLarger = form::win32::TextWidth(dc, larger, text);
    DeleteObject(larger);
    ReleaseDC(label, dc);
    return m;
}

// The caption fits; a caption that fits in the form's font keeps it, and a
// smaller font is the largest that fits.
void ExpectFits(Checks& checks, HWND label, const std::wstring& caption, HFONT formFont) {
    const Measure m = Read(label, formFont);
    LOGFONTW logFont{};
    GetObjectW(formFont, sizeof logFont, &logFont);
    const LONG formHeight = logFont.lfHeight;
    const std::string what = form::NameOf(Probe::IdOf(label)) + " \"" + m.text +
                             "\": " + std::to_string(m.width) + " px in " +
                             std::to_string(m.available) + " px, font " +
                             std::to_string(-m.fontHeight) + " px";
    checks.ExpectEqual(m.text, form::win32::Narrow(caption), what + ": the caption");
    checks.Expect(m.width <= m.available, what + " fits");
    if (m.widthInFormFont <= m.available)
        checks.ExpectEqual(m.fontHeight, formHeight, what + ": fits in the form's font, keeps it");
    else
        checks.Expect(m.fontHeight > formHeight && m.widthOneLarger > m.available,
                      what + ": smaller than the form's " + std::to_string(-formHeight) +
                          " px, and a pixel taller would not fit (" +
                          std::to_string(m.widthOneLarger) + " px)");
}

}  // namespace

void CheckCaptionsFit(Checks& checks, int dpi, int wrongAnswers) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    MainWindow::Register(instance);
    const MainWindow window(instance);
    checks.ExpectEqual(static_cast<int>(GetDpiForWindow(window.Handle())), dpi,
                       "a window made in this process has the program's dpi");
    const auto control = [&window](form::ControlId id) {
        return GetDlgItem(window.Handle(), form::win32::ControlIdOf(id));
    };
    // The form's font is the one its text box keeps.
    const auto formFont =
        reinterpret_cast<HFONT>(SendMessageW(control(form::kFeedbackBox), WM_GETFONT, 0, 0));
    const HWND right = control(form::kRightCount);
    const HWND wrong = control(form::kWrongCount);
    // The captions the model shows after as many wrong answers.
    scenario::Model model;
    for (int n = 0; n < wrongAnswers; ++n) {
        SendMessageW(control(form::Command1(form::kCheckButton)), BM_CLICK, 0, 0);
        model.Play({scenario::Verb::Check});
    }
    ExpectFits(checks, right, form::win32::Widen(model.Observe().right), formFont);
    ExpectFits(checks, wrong, form::win32::Widen(model.Observe().wrong), formFont);
    // Counts this high take longer to play than to write: the captions as
    // the quiz writes them.
    const auto caption = [](std::string_view prefix, int n) {
        return form::win32::Widen(std::string(prefix) + quiz::QuizState::FormatCount(n));
    };
    for (const auto& [label, text] :
         {std::pair{right, caption(quiz::text::RightPrefix, kMostRight)},
          std::pair{wrong, caption(quiz::text::WrongPrefix, kSixDigits)}}) {
        SetWindowTextW(label, text.c_str());
        ExpectFits(checks, label, text, formFont);
    }
}
