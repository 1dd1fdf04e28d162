#include <QAccessible>
#include <QApplication>

#include "FormUnits.h"
#include "MainWindow.h"
#include "Translations.h"
#include "WindowAccessibility.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The form's font as the default: a text box lays out its document in the
    // default font before it takes its own, and would load a second font for
    // that. Menus keep the desktop's font.
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(form::qt::ToFont(form::kWindowProps));
    QApplication::setFont(desktopFont, "QMenu");
    InstallBulgarianTranslations(app);
    QAccessible::installFactory(WindowAccessible);
    MainWindow window;
    window.show();
    return QApplication::exec();
}
