#include <QApplication>

#include "MainWindow.h"
#include "Translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallBulgarianTranslations(app);
    MainWindow window;
    window.show();
    return QApplication::exec();
}
