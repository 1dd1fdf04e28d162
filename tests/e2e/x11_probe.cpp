// A small helper for the end-to-end test: where the form's controls are, in
// window pixels, and a polite close of a window (as a window manager would).
//   x11_probe point NAME INDEX   prints "X Y": a point inside the control,
//                                 away from its caption
//   x11_probe rect NAME INDEX    prints "WxH+X+Y" of the control
//   x11_probe back NAME INDEX    prints "#RRGGBB", the control's back colour
//   x11_probe close WINDOW_ID    sends WM_DELETE_WINDOW
//   x11_probe title              prints the caption the window must carry
//   x11_probe size               prints "WxH", the window's client size
//   x11_probe texts              prints, as JSON, the texts a screen reader
//                                meets: title, captions, the box's name, verdicts
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "quiz/QuizTexts.h"
#include "window/FormLayout.h"

namespace {

constexpr int kPointInset = 5;  // clear of the control's edge

const form::Control* Lookup(const char* name, const char* index) {
    for (const form::Control& row : form::kControls)
        if (row.id.name == std::string_view(name) && row.id.index == std::atoi(index)) return &row;
    return nullptr;
}

std::string Json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x",
                          static_cast<unsigned>(static_cast<unsigned char>(c)));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// The captions of one group's option buttons, in pair order.
std::string Captions(form::ControlId (*option)(int)) {
    std::string list = "[";
    for (int i = 0; i < quiz::kPairCount; ++i)
        list += (i ? ", " : "") + Json(form::At(option(i)).text);
    return list + "]";
}

int Texts() {
    auto text = [](form::ControlId id) { return Json(form::At(id).text); };
    std::printf(
        "{\"title\": %s, \"names\": %s, \"places\": %s, \"heading\": %s,\n"
        " \"names_frame\": %s, \"places_frame\": %s, \"check\": %s, \"clear\": %s,\n"
        " \"text_box\": %s, \"right_verdict\": %s, \"wrong_verdict\": %s, \"prompt\": %s}\n",
        Json(form::WindowCaption()).c_str(), Captions(form::Option1).c_str(),
        Captions(form::Option2).c_str(), text(form::kHeading).c_str(),
        text(form::Frame1(0)).c_str(), text(form::Frame1(1)).c_str(),
        text(form::Command1(form::kCheckButton)).c_str(),
        text(form::Command1(form::kClearButton)).c_str(),
        Json(form::At(form::kFeedbackBox).accessibleName).c_str(),
        Json(quiz::text::RightVerdict).c_str(), Json(quiz::text::WrongVerdict).c_str(),
        Json(quiz::text::Prompt).c_str());
    return 0;
}

int Close(const char* windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::strtoul(windowId, nullptr, 0);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "close" && argc == 3) return Close(argv[2]);
    if (verb == "title") {
        std::printf("%s\n", form::WindowCaption().c_str());
        return 0;
    }
    if (verb == "size") {
        std::printf("%dx%d\n", form::ToPixels(form::kWindowProps.clientWidth),
                    form::ToPixels(form::kWindowProps.clientHeight));
        return 0;
    }
    if (verb == "texts") return Texts();
    const form::Control* row = argc == 4 ? Lookup(argv[2], argv[3]) : nullptr;
    if (!row) {
        std::fprintf(
            stderr,
            "usage: x11_probe point|rect|back NAME INDEX | close WINDOW_ID | title|size|texts\n");
        return 2;
    }
    const form::PixelRect r = form::PixelsInWindow(*row);
    if (verb == "back" && row->back) {
        std::printf("#%02X%02X%02X\n", row->back->r, row->back->g, row->back->b);
        return 0;
    }
    if (verb == "point")
        std::printf("%d %d\n", r.x + r.w - kPointInset, r.y + r.h / 2);
    else
        std::printf("%dx%d+%d+%d\n", r.w, r.h, r.x, r.y);
    return 0;
}
