#include "PageElements.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

// The calls below read texts with the runtime's UTF8ToString, which newer
// emscripten links in only when code says it needs it.
#ifdef EM_JS_DEPS
EM_JS_DEPS(page_elements, "$UTF8ToString");
#endif

// clang-format off
EM_JS(void, JsSetProperty, (const char* id, const char* property, int on), {
    document.getElementById(UTF8ToString(id))[UTF8ToString(property)] = !!on;
});

EM_JS(void, JsSetText, (const char* id, const char* property, const char* text), {
    document.getElementById(UTF8ToString(id))[UTF8ToString(property)] = UTF8ToString(text);
});

EM_JS(double, JsNumber, (const char* id, const char* property), {
    return document.getElementById(UTF8ToString(id))[UTF8ToString(property)];
});

EM_JS(void, JsCall, (const char* id, const char* method), {
    document.getElementById(UTF8ToString(id))[UTF8ToString(method)]();
});

EM_JS(void, JsSetStyle, (const char* id, const char* property, const char* value), {
    document.getElementById(UTF8ToString(id)).style[UTF8ToString(property)] = UTF8ToString(value);
});

// A text read from the page, the element's own or that of an item of its
// list, comes back in memory that the caller frees.
EM_JS(char*, JsText, (const char* id, int item, const char* property), {
    var element = document.getElementById(UTF8ToString(id));
    if (item >= 0) element = element.options.item(item);
    var bytes = new TextEncoder().encode(element ? element[UTF8ToString(property)] : "");
    var text = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, text);
    HEAPU8[text + bytes.length] = 0;
    return text;
});
// clang-format on

namespace form::web {

namespace {

std::string Taken(char* text) {
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return owned.get();
}

}  // namespace

void SetFlag(const std::string& id, const char* property, bool on) {
    JsSetProperty(id.c_str(), property, on);
}

void SetText(const std::string& id, const char* property, const std::string& text) {
    JsSetText(id.c_str(), property, text.c_str());
}

std::string Text(const std::string& id, const char* property) {
    return Taken(JsText(id.c_str(), -1, property));
}

double Number(const std::string& id, const char* property) {
    return JsNumber(id.c_str(), property);
}

bool Flag(const std::string& id, const char* property) { return Number(id, property) != 0; }

void Call(const std::string& id, const char* method) { JsCall(id.c_str(), method); }

void SetStyle(const std::string& id, const char* property, const std::string& value) {
    JsSetStyle(id.c_str(), property, value.c_str());
}

std::string ItemText(const std::string& id, int index) {
    return Taken(JsText(id.c_str(), index, "text"));
}

}  // namespace form::web
