// The event wiring: the page's listeners on the controls that its markup
// holds from the start, and what each event means to the quiz.
#include <emscripten/em_js.h>

#include <string>

#include "FormMarkup.h"
#include "FormUnits.h"
#include "MainPage.h"
#include "PageElements.h"
#include "window/form/TabStops.h"

using form::Kind;

// The page's listeners for the quiz's controls. A pick is an option button
// becoming checked, by mouse, keyboard, touch or assistive technology: each
// raises "change", which switching a button off from code never does. A push
// button raises "click" for the mouse, Space and Enter alike. The arrow keys
// in a group are the page's own, so that every browser moves alike; their
// order here is that of form::Arrow. So are Tab and Shift+Tab within the
// page: an engine may pass over a group whose first button is out of the Tab
// order. A press on anything but a usable control, a finished pair's button
// among them, leaves the focus where it was, as on the desktop. A resize may
// switch the layout, and the captions fit anew: a listener of our own, lighter
// to start than emscripten's event library.
// clang-format off
EM_JS(void, ListenToControls, (MainPage* page), {
    function row(event) { return Number(event.target.dataset.row); }
    var form = document.querySelector(".form");
    form.addEventListener("change", function(event) {
        if (event.target.type == "radio") _QuizPageControl(page, row(event));
    });
    form.addEventListener("click", function(event) {
        if (event.target.type == "button") _QuizPageControl(page, row(event));
    });
    form.addEventListener("mousedown", function(event) {
        var option = event.target.closest(".option");
        var control = option ? option.querySelector("input") :
                               event.target.closest("button, textarea");
        if (!control || control.disabled) event.preventDefault();
    });
    form.addEventListener("keydown", function(event) {
        if (event.altKey || event.ctrlKey || event.metaKey || !event.target.dataset.row) return;
        var arrow = ["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight"].indexOf(event.key);
        if (arrow >= 0 && event.target.type == "radio") {
            event.preventDefault();
            _QuizPageArrow(page, row(event), arrow);
        } else if (event.key == "Tab") {
            var to = _QuizPageTab(page, row(event), event.shiftKey);
            if (to < 0) return;
            event.preventDefault();
            form.querySelector('[data-row="' + to + '"]').focus();
        }
    });
    window.addEventListener("resize", function() { _QuizPageResize(page); });
});
// clang-format on

extern "C" EMSCRIPTEN_KEEPALIVE void QuizPageControl(MainPage* page, int row) {
    page->OnControl(static_cast<std::size_t>(row));
}

extern "C" EMSCRIPTEN_KEEPALIVE int QuizPageTab(MainPage* page, int row, int backwards) {
    return page->OnTab(static_cast<std::size_t>(row), backwards != 0);
}

extern "C" EMSCRIPTEN_KEEPALIVE void QuizPageArrow(MainPage* page, int row, int arrow) {
    page->OnArrow(static_cast<std::size_t>(row), static_cast<form::Arrow>(arrow));
}

extern "C" EMSCRIPTEN_KEEPALIVE void QuizPageResize(MainPage* page) { page->OnResize(); }

MainPage::MainPage()
    : tabStops_{form::TabStopOf(form::Frame1(0), form::StartOptions{}),
                form::TabStopOf(form::Frame1(1), form::StartOptions{})} {
    ListenToControls(this);
    // The load step. The page's markup already shows what it leaves, so it
    // changes nothing on screen, and the page may be painted before it.
    quiz_.Load();
    FitCaptionsLater();
}

void MainPage::OnResize() { FitCaptionsLater(); }

void MainPage::FitCaptionsLater() {
    for (std::size_t row = 0; row < form::kControls.size(); ++row)
        if (form::kControls[row].fitsCaption) fitting_[row].FitLater(form::kControls[row].id);
}

void MainPage::OnControl(std::size_t row) {
    const form::Control& control = form::kControls.at(row);
    const std::string told = quiz_.Press(control.id);
    ApplyTabStops(control);
    if (!told.empty())
        form::web::SetText(std::string(form::web::kAnnouncerId), "textContent", told);
}

void MainPage::OnArrow(std::size_t row, form::Arrow arrow) {
    const std::string target =
        form::web::ElementId(form::ArrowTarget(form::kControls.at(row).id, arrow, *this));
    form::web::Call(target, "focus");
    // A click checks it and raises the change that picks.
    if (!form::web::Flag(target, "checked")) form::web::Call(target, "click");
}

int MainPage::OnTab(std::size_t row, bool backwards) const {
    const form::ControlId from = form::kControls.at(row).id;
    if (form::TabWraps(from, backwards, *this)) return -1;
    return static_cast<int>(form::RowOf(form::NextTabStop(from, backwards, *this)));
}
