#pragma once

#include <string>

// The page's elements as the quiz reaches them: a few calls into the document,
// each to one element by its id, with texts in UTF-8 both ways. Small calls of
// our own, rather than a general binding, keep the page's script short and
// its start free of registering types.
namespace form::web {

// A boolean, text or number property of the element with this id, such as
// "checked", "value" or "scrollWidth".
void SetFlag(const std::string& id, const char* property, bool on);
void SetText(const std::string& id, const char* property, const std::string& text);
std::string Text(const std::string& id, const char* property);
double Number(const std::string& id, const char* property);
bool Flag(const std::string& id, const char* property);
// Calls a method of the element that takes nothing, such as "focus".
void Call(const std::string& id, const char* method);
// A property of the element's inline style, such as "fontSize"; an empty
// value drops it.
void SetStyle(const std::string& id, const char* property, const std::string& value);
// The text of a list's item, or an empty text past its end.
std::string ItemText(const std::string& id, int index);

}  // namespace form::web
