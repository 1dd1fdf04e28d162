#include <QAccessible>
#include <QApplication>

#include "MainWindow.h"
#include "Translations.h"
#include "WindowAccessibility.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallBulgarianTranslations(app);
    QAccessible::installFactory(MainWindowAccessible);
    MainWindow window;
    window.show();
    return QApplication::exec();
}
