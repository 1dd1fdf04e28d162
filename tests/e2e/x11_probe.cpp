// A small helper for the end-to-end test: where the form's controls are, in
// window pixels, and a polite close of a window (as a window manager would).
//   x11_probe point NAME INDEX   prints "X Y": a point inside the control,
//                                 away from its caption
//   x11_probe rect NAME INDEX    prints "WxH+X+Y" of the control
//   x11_probe back NAME INDEX    prints "#RRGGBB", the control's back colour
//   x11_probe close WINDOW_ID    sends WM_DELETE_WINDOW
//   x11_probe title              prints the caption the window must carry
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "window/FormLayout.h"

namespace {

constexpr int kPointInset = 5;  // clear of the control's edge

const form::Control* Lookup(const char* name, const char* index) {
    for (const form::Control& row : form::kControls)
        if (row.id.name == std::string_view(name) && row.id.index == std::atoi(index)) return &row;
    return nullptr;
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
    const form::Control* row = argc == 4 ? Lookup(argv[2], argv[3]) : nullptr;
    if (!row) {
        std::fprintf(stderr,
                     "usage: x11_probe point|rect|back NAME INDEX | close WINDOW_ID | title\n");
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
