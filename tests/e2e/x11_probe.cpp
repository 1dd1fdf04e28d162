// A small helper for the end-to-end test: where the form's controls are, in
// window pixels, and a polite close of a window (as a window manager would).
//   x11_probe point NAME INDEX   prints "X Y": a point inside the control,
//                                 away from its caption
//   x11_probe rect NAME INDEX    prints "WxH+X+Y" of the control
//   x11_probe back NAME INDEX    prints "#RRGGBB", the control's back colour
//   x11_probe close WINDOW_ID    sends WM_DELETE_WINDOW
//   x11_probe title              prints the caption the window must carry
//   x11_probe size               prints "WxH", the window's client size
//   x11_probe texts              prints, as JSON, what a screen reader meets:
//                                the title, the heading, each group with its
//                                buttons by name, the push buttons, the box
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Observation.h"
#include "window/form/FormLayout.h"

namespace {

using scenario::Json;

constexpr int kPointInset = 5;  // clear of the control's edge

const form::Control* Lookup(const char* name, const char* index) {
    for (const form::Control& row : form::kControls)
        if (row.id.name == std::string_view(name) && row.id.index == std::atoi(index)) return &row;
    return nullptr;
}

// {"NAME": "caption", ...} of the controls in a container, of one kind.
std::string Captions(form::ControlId container, form::Kind kind) {
    std::string map;
    for (const form::Control& row : form::kControls)
        if (row.container == container && row.kind == kind)
            map += (map.empty() ? "{" : ", ") + Json(form::NameOf(row.id)) + ": " + Json(row.text);
    return map + "}";
}

std::string Group(form::ControlId frame) {
    return "{\"name\": " + Json(form::At(frame).text) +
           ", \"options\": " + Captions(frame, form::Kind::OptionButton) + "}";
}

int Texts() {
    const form::Control& box = form::At(form::kFeedbackBox);
    std::printf(
        "{\"title\": %s, \"heading\": %s,\n \"groups\": [%s, %s],\n \"buttons\": %s,\n"
        " \"box\": {\"id\": %s, \"name\": %s}, \"right\": %s, \"wrong\": %s}\n",
        Json(form::WindowCaption()).c_str(), Json(form::At(form::kHeading).text).c_str(),
        Group(form::Frame1(0)).c_str(), Group(form::Frame1(1)).c_str(),
        Captions(form::kWindow, form::Kind::PushButton).c_str(), Json(form::NameOf(box.id)).c_str(),
        Json(box.accessibleName).c_str(), Json(form::NameOf(form::kRightCount)).c_str(),
        Json(form::NameOf(form::kWrongCount)).c_str());
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
