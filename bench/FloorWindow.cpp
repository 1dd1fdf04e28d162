// The least a Qt Widgets program can do and still look like the quiz from
// outside: a window of the same size, title and colour with one caption in
// the same font. The quiz's start-up and memory are measured against it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "window/form/FormLayout.h"
#include "window/qt/FormUnits.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const form::Window& props = form::kWindowProps;
    QWidget window;
    window.setWindowTitle(form::qt::ToQString(form::WindowCaption()));
    window.setFont(form::qt::ToFont(props));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, form::qt::ToColor(props.back));
    window.setPalette(palette);
    window.setFixedSize(form::qt::ToPixels(props.clientWidth),
                        form::qt::ToPixels(props.clientHeight));
    const form::Control& heading = form::At(form::kHeading);
    QLabel caption(form::qt::ToQString(heading.text), &window);
    caption.setGeometry(form::qt::ToRect(heading.rect));
    caption.setAlignment(Qt::AlignCenter);
    window.show();
    return QApplication::exec();
}
