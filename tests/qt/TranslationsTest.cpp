#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <memory>

#include "window/qt/MainWindow.h"
#include "window/qt/Translations.h"

namespace {

TEST(Translations, TextBoxMenuIsBulgarian) {
    InstallBulgarianTranslations(*qApp);
    MainWindow window;
    const std::unique_ptr<QMenu> menu(window.FeedbackBox()->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text();
    ASSERT_FALSE(texts.isEmpty());
    for (const QString& text : texts) {
        const bool cyrillic = std::any_of(
            text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
        EXPECT_TRUE(cyrillic) << text.toStdString();
    }
    EXPECT_EQ(QLocale().language(), QLocale::Bulgarian);
}

}  // namespace
