#include "FormMarkup.h"

#include "FormUnits.h"
#include "window/form/OptionStates.h"
#include "window/form/TabStops.h"

namespace form::web {

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Attribute(std::string_view name, std::string_view value) {
    return std::string(" ").append(name).append("=\"").append(Escaped(value)).append("\"");
}

// Place, size and back colour, for the style sheet: the desktop layout
// puts each control where the table does, the layout for fingers takes
// what it needs of them.
std::string Style(const Control& row) {
    std::string css = "--left: " + Px(row.rect.left) + "; --top: " + Px(row.rect.top) +
                      "; --width: " + Px(row.rect.width) + "; --height: " + Px(row.rect.height);
    if (row.back) css += "; --back: " + CssColor(*row.back);
    return Attribute("style", css) + (row.visible ? "" : " hidden");
}

// The table row of a control that takes the focus, for its events.
std::string Row(const Control& row) {
    return Attribute("data-row", std::to_string(&row - kControls.data()));
}

// The first in tab order has the focus at the start: the page's script gives
// it, without scrolling. The browser's own autofocus would scroll down to it
// at whichever frame it comes to while the page is read. Of a group's option
// buttons only its Tab stop is in the Tab order.
std::string Focus(const Control& row) {
    const bool inTabOrder =
        row.kind != Kind::OptionButton || TabStopOf(row.container, StartOptions{}) == row.id;
    return Attribute("id", ElementId(row.id)) + Row(row) +
           Attribute("tabindex", std::to_string(inTabOrder ? TabIndex(row) : -1)) +
           (NextTabStop(kWindow, false, StartOptions{}) == row.id ? " data-focus" : "");
}

std::string Element(std::string_view tag, std::string_view cssClass, const std::string& attributes,
                    const std::string& content) {
    return std::string("<").append(tag).append(Attribute("class", cssClass)).append(attributes) +
           ">" + content + "</" + std::string(tag) + ">";
}

std::string Caption(std::string_view text, const std::string& attributes = {}) {
    return Element("span", "caption", attributes, Escaped(text));
}

// A frame names the group of its option buttons with its caption; the etched
// line is drawn by the style sheet.
std::string Frame(const Control& row) {
    const std::string captionId = ElementId(row.id) + "-caption";
    std::string content = Caption(row.text, Attribute("id", captionId));
    for (const Control& inside : kControls) {
        if (!(inside.container == row.id)) continue;
        // The whole rectangle is the radio's label, so a tap anywhere picks.
        const std::string radio =
            "<input type=\"radio\"" + Attribute("name", ElementId(row.id)) + Focus(inside) + ">";
        content += Element("label", "option", Style(inside), radio + Caption(inside.text));
    }
    return Element("div", "frame",
                   Attribute("id", ElementId(row.id)) + Attribute("role", "radiogroup") +
                       Attribute("aria-labelledby", captionId) + Style(row),
                   content);
}

// The text a control shows at the start: the load step's, else the table's.
std::string_view StartText(const Control& row, const LoadedTexts& loaded) {
    const auto written = loaded.find(ElementId(row.id));
    return written == loaded.end() ? row.text : std::string_view(written->second);
}

std::string ControlMarkup(const Control& row, const LoadedTexts& loaded) {
    const std::string_view text = StartText(row, loaded);
    switch (row.kind) {
        case Kind::Label:
            // The heading label is the page's heading.
            return Element(row.id == kHeading ? "h1" : "span", "label-box",
                           Attribute("id", ElementId(row.id)) + Style(row), Escaped(text));
        case Kind::Frame:
            return Frame(row);
        case Kind::OptionButton:
            return {};  // inside its frame
        case Kind::PushButton:
            return Element("button", "command", " type=\"button\"" + Focus(row) + Style(row),
                           Escaped(text));
        case Kind::TextBox:
            return Element(
                "textarea", "textbox",
                Focus(row) + " readonly" +
                    (row.accessibleName.empty() ? std::string()
                                                : Attribute("aria-label", row.accessibleName)) +
                    Style(row),
                Escaped(text));
        case Kind::ListBox:  // size > 1: a list box, not a drop-down
            return Element("select", "listbox", Focus(row) + " size=\"2\"" + Style(row), {});
    }
    return {};
}

// The window's size, colour and font, and what the layout for fingers
// derives from the table: the spacing of its two frames and the number of
// option rows in a frame.
std::string FormStyle() {
    const Window& w = kWindowProps;
    const Twips names = At(Frame1(0)).rect;
    const Twips places = At(Frame1(1)).rect;
    const std::string css = "--width: " + Px(w.clientWidth) + "; --height: " + Px(w.clientHeight) +
                            "; --gap: " + Px(places.left - (names.left + names.width)) +
                            "; --rows: " + std::to_string(quiz::kPairCount) +
                            "; background-color: " + CssColor(w.back) +
                            "; font-family: " + CssFontFamily(w) +
                            "; font-size: " + std::to_string(FontPixels(w)) + "px";
    return Attribute("style", css);
}

}  // namespace

std::string FormMarkup(const LoadedTexts& loaded) {
    // Controls that share a top in the table make one row; a row of hidden
    // controls is hidden too.
    std::string markup;
    std::string row;
    int rowTop = -1;
    bool rowShown = false;
    const auto endRow = [&] {
        if (!row.empty())
            markup += Element("div", "row", rowShown ? std::string() : " hidden", row);
        row.clear();
        rowShown = false;
    };
    for (const Control& control : kControls) {
        if (!(control.container == kWindow)) continue;
        if (control.rect.top != rowTop) endRow();
        rowTop = control.rect.top;
        rowShown = rowShown || control.visible;
        row += ControlMarkup(control, loaded);
    }
    endRow();
    // A reload must start afresh, not with the picks of the last visit: the
    // form keeps the browser from restoring them. Nothing submits it, and
    // Enter on an option button, which would, goes nowhere from a dialog form.
    return "<main>" +
           Element(
               "form", "form", " method=\"dialog\" autocomplete=\"off\"" + FormStyle(),
               markup + Element("div", "announcer",
                                Attribute("id", kAnnouncerId) + Attribute("role", "status"), {})) +
           "</main>";
}

std::string TouchMedia() {
    // "not all and (min-width)" is "width <" in the syntax every browser reads.
    return "(pointer: coarse), not all and (min-width: " + Px(kWindowProps.clientWidth) + ")";
}

}  // namespace form::web
