#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "window/form/FormLayout.h"

// Turns the table's units into Qt's. Pixels here are device-independent, so
// Qt's high-DPI scaling enlarges the whole form, text included, evenly.
namespace form::qt {

using form::ToPixels;

inline QRect ToRect(const Twips& t) {
    return {ToPixels(t.left), ToPixels(t.top), ToPixels(t.width), ToPixels(t.height)};
}

inline QColor ToColor(const Rgb& c) { return {c.r, c.g, c.b}; }

// The font is sized in the same pixels as the layout, so text keeps its
// place in the form whatever dots-per-inch the display claims.
inline QFont ToFont(const Window& w) {
    QFont font(QString::fromUtf8(w.fontFamily.data(), static_cast<qsizetype>(w.fontFamily.size())));
    font.setPixelSize(ToPixels(w.fontPoints * kTwipsPerPoint));
    font.setWeight(static_cast<QFont::Weight>(w.fontWeight));
    return font;
}

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The form's texts use CR LF; a plain text box shows a line break as LF.
inline QString ToBoxText(std::string_view text) { return ToQString(text).replace("\r\n", "\n"); }
inline std::string FromBoxText(const QString& text) {
    return QString(text).replace('\n', "\r\n").toStdString();
}

}  // namespace form::qt
