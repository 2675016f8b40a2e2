// The language of the interface and Qt's own texts in it: the context menu of a line edit
// and the standard buttons speak German under the German interface.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <memory>

#include "form/window/interface_language.h"
#include "qt_test_main.h"

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void language_data();
    void language();
    void qtTextsInGerman();
};

void InterfaceLanguageTest::language_data() {
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QLocale::Language>("expected");
    QTest::newRow("named en") << "en"
                              << "de_DE" << QLocale::English;
    QTest::newRow("named de") << "de"
                              << "en_GB" << QLocale::German;
    QTest::newRow("system German") << ""
                                   << "de_AT" << QLocale::German;
    QTest::newRow("system English") << ""
                                    << "en_GB" << QLocale::English;
    QTest::newRow("no translation") << ""
                                    << "fr_FR" << QLocale::German;
}

void InterfaceLanguageTest::language() {
    QFETCH(QString, named);
    QFETCH(QString, system);
    QFETCH(QLocale::Language, expected);
    const QLocale chosen =
        interfaceLanguage(named, QLocale(system), QStringLiteral(QUINT_TRANSLATIONS_DIR));
    QCOMPARE(chosen.language(), expected);
}

void InterfaceLanguageTest::qtTextsInGerman() {
    QTranslator catalogue;
    QVERIFY2(loadQtCatalogue(catalogue, QLocale(QLocale::German)),
             "Qt's German catalogue (qt6-translations-l10n) is missing");
    QCoreApplication::installTranslator(&catalogue);
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    QVERIFY2(texts.contains(QStringLiteral("&Rückgängig")), qPrintable(texts.join(", ")));
    QVERIFY(!texts.contains(QStringLiteral("&Undo")));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCoreApplication::removeTranslator(&catalogue);
}

QUINT_QTEST_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
