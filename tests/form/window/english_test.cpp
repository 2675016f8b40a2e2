// The window under an English system locale: the translation is found and every text the
// window shows, or that its pages write, is English. The check is by words: a word of two
// letters or more that appears in no English translation, in no text typed here and in no
// example formula is taken for one left in German. A German locale, or one without a
// translation, keeps the German texts.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QXmlStreamReader>

#include <memory>

#include "equation_test_support.h"
#include "examples/equation_texts.h"
#include "form/equation/equation_page.h"
#include "form/equation/equation_state.h"
#include "form/graph/graph_frame.h"
#include "form/graph/graph_state.h"
#include "form/linear_system/linear_system_examples.h"
#include "form/window/form1.h"
#include "form/window/i18n.h"
#include "linear_system_test_support.h"
#include "qt_test_main.h"

namespace {

// Texts typed into the window by this test: formulas and cells are the user's own words.
const QStringList Typed{"x^2", "2", "foo(x)", "x$", "2x", "x^^2", "(x", "abc"};

QStringList words(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("\\p{L}{2,}"));
    QStringList found;
    for (const QRegularExpressionMatch& match : letters.globalMatch(text)) {
        found << match.captured().toLower();
    }
    return found;
}

// Every word of the English translations.
QSet<QString> englishWords() {
    QSet<QString> known;
    QFile file(QStringLiteral(QUINT_ENGLISH_TS));
    if (!file.open(QIODevice::ReadOnly)) {
        return known;
    }
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == QLatin1String("translation")) {
            for (const QString& word : words(reader.readElementText())) {
                known.insert(word);
            }
        }
    }
    return known;
}

// What the window shows: its texts, tool tips, names for screen readers, list lines, header
// labels, help text, menu and the progress dialog (a child of the window).
QStringList shownTexts(const Form1& form) {
    QStringList texts{form.windowTitle()};
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        // The arrows of a tab bar are Qt's, with Qt's own texts.
        if (qobject_cast<const QTabBar*>(widget->parentWidget())) {
            continue;
        }
        texts << widget->toolTip() << widget->whatsThis() << widget->accessibleName();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            texts << box->title();
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
            }
        } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->item(i)->text();
            }
        } else if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int i = 0; i < table->columnCount(); ++i) {
                texts << table->horizontalHeaderItem(i)->text();
            }
            for (int i = 0; i < table->rowCount(); ++i) {
                texts << table->verticalHeaderItem(i)->text();
            }
        } else if (const auto* edit = qobject_cast<const QTextEdit*>(widget)) {
            texts << edit->toPlainText();
        } else if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            texts << menu->title();
        }
    }
    for (const QAction* action : form.findChildren<QAction*>()) {
        texts << action->text() << action->iconText() << action->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class EnglishTest : public QObject {
    Q_OBJECT

private slots:
    void germanAndUntranslatedLocalesKeepTheSource_data();
    void germanAndUntranslatedLocalesKeepTheSource();
    void systemLocaleChoosesEnglish();
    void everyShownTextIsEnglish();
    void cleanup() {
        normalTimer = -1;
        KleinerGroesserTimer = -1;
    }
};

void EnglishTest::germanAndUntranslatedLocalesKeepTheSource_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("German") << "de_DE";
    QTest::newRow("Austrian German") << "de_AT";
    QTest::newRow("French") << "fr_FR";
}

// Run before the English translation is installed: nothing is installed for these.
void EnglishTest::germanAndUntranslatedLocalesKeepTheSource() {
    QFETCH(QString, locale);
    QVERIFY(!installTranslation(QLocale(locale), QStringLiteral(QUINT_TRANSLATIONS_DIR)));
    Form1 form;
    QCOMPARE(form.clearEingabe_pushButton->text(), QString::fromUtf16(u"L\u00f6sche Eingabe"));
}

void EnglishTest::systemLocaleChoosesEnglish() {
    QCOMPARE(QLocale::system().language(), QLocale::English);
    QVERIFY(installTranslation(QLocale::system(), QStringLiteral(QUINT_TRANSLATIONS_DIR)));
    Form1 form;
    QCOMPARE(form.clearEingabe_pushButton->text(), QStringLiteral("Clear input"));
    QCOMPARE(form.HilfeListBox->item(7)->text(), QStringLiteral("sin(x) ...... Sine (RAD)"));
}

void EnglishTest::everyShownTextIsEnglish() {
    QSet<QString> known = englishWords();
    QVERIFY(known.size() > 100);
    for (const QString& text : Typed) {
        for (const QString& word : words(text)) {
            known.insert(word);
        }
    }
    for (const char* formula : BeispielTexte) {
        for (const QString& word : words(QString::fromLatin1(formula))) {
            known.insert(word);
        }
    }

    Schrittweite = 100;
    Index_Beispiel = 0;
    BeispielNr = 0;
    auto form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    const QStringList sides[][2] = {{{"x^2"}, {"2"}},  {{"foo(x)"}, {"2"}}, {{"x$"}, {"2"}},
                                    {{"2x"}, {"2"}},   {{"x^^2"}, {"2"}},   {{"(x"}, {"2"}},
                                    {{"x^2"}, {"-1"}}, {{"x-x"}, {"0"}},    {{""}, {"5"}}};
    for (const auto& side : sides) {
        form->GleichLinks_LineEdit->setText(side[0].first());
        form->GleichRechts_LineEdit->setText(side[1].first());
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    }
    QTest::mouseClick(form->Beispiel_pushButton, Qt::LeftButton);
    form->TabWidget->setCurrentIndex(1);
    QTest::mouseClick(form->yL_yR_pushButton13, Qt::LeftButton);
    QTest::mouseClick(form->grafik, Qt::LeftButton, {}, QPoint(10, 10));
    form->TabWidget->setCurrentIndex(2);

    form->menuGleichungenXYZ_Action->trigger();
    QTest::mouseClick(form->BeispieleXYZ_pushButton, Qt::LeftButton);
    const Rows systems[] = {{{"1", "1", "1"}, {"1", "1", "1"}},
                            {{"1", "1", "1"}, {"2", "1", "1"}},
                            {{"1", "abc"}},
                            {{"3", "1", "1"}, {"1", "1", "-1"}},
                            {{"3", "1", "1"}, {}, {"1", "1", "-1", "2"}}};
    for (const Rows& rows : systems) {
        form->clearTabeleXYZ_Slot();
        fillTable(form->GleichungenXYZ_table, rows);
        QTest::mouseClick(form->istGleichXYZ_pushButton, Qt::LeftButton);
    }

    QStringList german;
    for (const QString& text : shownTexts(*form)) {
        for (const QString& word : words(text)) {
            if (!known.contains(word)) {
                german << text;
                break;
            }
        }
    }
    QVERIFY2(german.isEmpty(), qPrintable(german.join(QLatin1String(" | "))));
    // The pages' own lines were among the texts.
    const QStringList written = lines(form->AusgabeXYZ_listBox);
    QVERIFY(written.contains(QStringLiteral("Infinitely many solutions!")));
    QVERIFY(written.contains(QStringLiteral("No solution!")));
    QVERIFY(written.contains(QStringLiteral("E2 is empty")));
    QVERIFY(written.contains(QStringLiteral("X3 free")));
    const QStringList results = lines(form->Ergebnisse_ListBox);
    QVERIFY(results.contains(QStringLiteral("Unknown word on the left side: foo")));
    QVERIFY(results.contains(QStringLiteral("No root in the interval")));
    QVERIFY(results.contains(QStringLiteral("The left side is empty")));
    QVERIFY(results.contains(QStringLiteral("Every x from -1000 to 1000 solves the equation")));
}

QUINT_QTEST_MAIN(EnglishTest)
#include "english_test.moc"
