#include "ControlFactory.h"

#include <string>

#include "FormUnits.h"

using emscripten::val;

namespace form::web {

namespace {

// Strings go to the page as std::string: a `const char*` would be read as
// Latin-1 and garble the Cyrillic.
val Element(const val& document, const std::string& tag, const std::string& cssClass) {
    val element = document.call<val>("createElement", tag);
    element.set("className", cssClass);
    return element;
}

val TextElement(const val& document, const std::string& cssClass, std::string_view text) {
    val element = Element(document, "span", cssClass);
    element.set("textContent", std::string(text));
    return element;
}

// One style text a control: each property set on its own would cost a call
// out of WebAssembly, and the page's start-up is mostly such calls.
void Place(const val& box, const Control& row) {
    std::string css = "left: " + Px(row.rect.left) + "; top: " + Px(row.rect.top) +
                      "; width: " + Px(row.rect.width) + "; height: " + Px(row.rect.height);
    if (row.back) css += "; --back: " + CssColor(*row.back);
    // A label's caption stands in the middle of its height.
    if (row.kind == Kind::Label) css += "; line-height: " + Px(row.rect.height);
    box["style"].set("cssText", css);
}

// A frame names the group of its option buttons with its caption; the
// etched line is drawn by the style sheet.
val CreateFrame(const val& document, const Control& row) {
    val frame = Element(document, "div", "frame");
    frame.call<void>("setAttribute", std::string("role"), std::string("radiogroup"));
    frame.call<void>("setAttribute", std::string("aria-labelledby"), CaptionId(row.id));
    val caption = TextElement(document, "caption", row.text);
    caption.set("id", CaptionId(row.id));
    frame.call<void>("appendChild", caption);
    return frame;
}

PageControl CreateOption(const val& document, const Control& row) {
    val box = Element(document, "label", "option");
    val radio = Element(document, "input", "");
    radio.set("type", std::string("radio"));
    radio.set("name", ElementId(row.container));
    // A reload must start afresh, not with the picks of the last visit.
    radio.set("autocomplete", std::string("off"));
    box.call<void>("appendChild", radio);
    box.call<void>("appendChild", TextElement(document, "caption", row.text));
    return {box, radio};
}

val CreateTextBox(const val& document, const Control& row) {
    val box = Element(document, "textarea", "textbox");
    box.set("readOnly", true);
    box.set("autocomplete", std::string("off"));
    box.set("value", std::string(row.text));
    if (!row.accessibleName.empty())
        box.call<void>("setAttribute", std::string("aria-label"), std::string(row.accessibleName));
    return box;
}

PageControl CreateElements(const val& document, const Control& row) {
    switch (row.kind) {
        case Kind::Label: {
            val label = TextElement(document, "label-box", row.text);
            return {label, label};
        }
        case Kind::Frame: {
            val frame = CreateFrame(document, row);
            return {frame, frame};
        }
        case Kind::OptionButton:
            return CreateOption(document, row);
        case Kind::PushButton: {
            val button = Element(document, "button", "command");
            button.set("type", std::string("button"));
            button.set("textContent", std::string(row.text));
            return {button, button};
        }
        case Kind::TextBox: {
            val box = CreateTextBox(document, row);
            return {box, box};
        }
        case Kind::ListBox: {
            val list = Element(document, "select", "listbox");
            list.set("size", 2);  // a list box, not a drop-down
            return {list, list};
        }
    }
    return {val::undefined(), val::undefined()};
}

}  // namespace

std::string CaptionId(ControlId frame) { return ElementId(frame) + "-caption"; }

PageControl CreateControl(const val& document, const Control& row) {
    PageControl made = CreateElements(document, row);
    made.control.set("id", ElementId(row.id));
    Place(made.box, row);
    // Positive tab indexes all come before 0, so the table's 0 becomes 1.
    if (row.kind != Kind::Label && row.kind != Kind::Frame)
        made.control.set("tabIndex", row.tabIndex + 1);
    made.box.set("hidden", !row.visible);
    return made;
}

}  // namespace form::web
