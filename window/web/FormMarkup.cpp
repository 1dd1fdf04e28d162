#include "FormMarkup.h"

#include "FormUnits.h"
#include "window/OptionStates.h"
#include "window/TabStops.h"

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

// Place, size and back colour; a label's caption stands in the middle of its
// height.
std::string Style(const Control& row) {
    std::string css = "left: " + Px(row.rect.left) + "; top: " + Px(row.rect.top) +
                      "; width: " + Px(row.rect.width) + "; height: " + Px(row.rect.height);
    if (row.back) css += "; --back: " + CssColor(*row.back);
    if (row.kind == Kind::Label) css += "; line-height: " + Px(row.rect.height);
    return Attribute("style", css) + (row.visible ? "" : " hidden");
}

// The table row of a control that takes the focus, for its events.
std::string Row(const Control& row) {
    return Attribute("data-row", std::to_string(&row - kControls.data()));
}

// The first in tab order has the focus at the start. Of a group's option
// buttons only its Tab stop is in the Tab order.
std::string Focus(const Control& row) {
    const bool inTabOrder =
        row.kind != Kind::OptionButton || TabStopOf(row.container, StartOptions{}) == row.id;
    return Attribute("id", ElementId(row.id)) + Row(row) +
           Attribute("tabindex", std::to_string(inTabOrder ? TabIndex(row) : -1)) +
           (NextTabStop(kWindow, false, StartOptions{}) == row.id ? " autofocus" : "");
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
        // A reload must start afresh, not with the picks of the last visit.
        const std::string radio = "<input type=\"radio\"" + Attribute("name", ElementId(row.id)) +
                                  Focus(inside) + " autocomplete=\"off\">";
        content += Element("label", "option", Style(inside), radio + Caption(inside.text));
    }
    return Element("div", "frame",
                   Attribute("id", ElementId(row.id)) + Attribute("role", "radiogroup") +
                       Attribute("aria-labelledby", captionId) + Style(row),
                   content);
}

std::string ControlMarkup(const Control& row) {
    switch (row.kind) {
        case Kind::Label:
            return Element("span", "label-box", Attribute("id", ElementId(row.id)) + Style(row),
                           Escaped(row.text));
        case Kind::Frame:
            return Frame(row);
        case Kind::OptionButton:
            return {};  // inside its frame
        case Kind::PushButton:
            return Element("button", "command", " type=\"button\"" + Focus(row) + Style(row),
                           Escaped(row.text));
        case Kind::TextBox:
            return Element(
                "textarea", "textbox",
                Focus(row) + " readonly autocomplete=\"off\"" +
                    (row.accessibleName.empty() ? std::string()
                                                : Attribute("aria-label", row.accessibleName)) +
                    Style(row),
                Escaped(row.text));
        case Kind::ListBox:  // size > 1: a list box, not a drop-down
            return Element("select", "listbox", Focus(row) + " size=\"2\"" + Style(row), {});
    }
    return {};
}

}  // namespace

std::string FormMarkup() {
    std::string markup;
    for (const Control& row : kControls)
        if (row.container == kWindow) markup += ControlMarkup(row);
    return markup + Element("div", "announcer",
                            Attribute("id", kAnnouncerId) + Attribute("role", "status"), {});
}

}  // namespace form::web
