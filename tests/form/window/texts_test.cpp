// The texts of the main window: captions, labels, tool tips, the help list, the header
// labels, the rich-text help, the menu, and translation through installed translators.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTranslator>

#include <memory>

#include "form/window/form1.h"
#include "form/window/help_texts.h"
#include "form/window/i18n.h"
#include "interpreter/formelinterpreter.h"
#include "qt_test_main.h"

namespace {

// Marks every text of one context, so that a translated text is recognisable.
class MarkingTranslator : public QTranslator {
public:
    explicit MarkingTranslator(const char* context) : m_context(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (qstrcmp(context, m_context) != 0) {
            return QString();
        }
        return QLatin1Char('<') + QString::fromUtf8(sourceText) + QLatin1Char('>');
    }

private:
    const char* m_context;
};

// Every text the window shows, in one list, to compare two states of the window.
QStringList allTexts(const Form1& form) {
    QStringList texts{form.windowTitle()};
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        texts << label->objectName() + '=' + label->text();
    }
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
        texts << button->objectName() + '=' + button->text() + '|' + button->toolTip();
    }
    for (const QGroupBox* box : form.findChildren<QGroupBox*>()) {
        texts << box->objectName() + '=' + box->title();
    }
    for (const QTabWidget* tabs : form.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->objectName() + '=' + tabs->tabText(i);
        }
    }
    for (const QListWidget* list : form.findChildren<QListWidget*>()) {
        for (int i = 0; i < list->count(); ++i) {
            texts << list->objectName() + '=' + list->item(i)->text();
        }
    }
    const QTableWidget* table = form.GleichungenXYZ_table;
    texts << QString::number(table->rowCount()) << QString::number(table->columnCount());
    for (int i = 0; i < table->columnCount(); ++i) {
        texts << table->horizontalHeaderItem(i)->text();
    }
    for (int i = 0; i < table->rowCount(); ++i) {
        texts << table->verticalHeaderItem(i)->text();
    }
    texts << form.textEdit1->toHtml();
    for (const QAction* action : form.findChildren<QAction*>()) {
        texts << action->text() + '|' + action->iconText() + '|' + action->toolTip();
    }
    return texts;
}

// The text of a formula word or operator as the help list names it: "sinD(x)" gives "sinD(x)".
QString helpToken(const char* item) {
    const QString text = QString::fromUtf8(item);
    return text.left(text.indexOf(QLatin1Char(' ')));
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void callLanguageChange() { QVERIFY(QMetaObject::invokeMethod(form.get(), "languageChange")); }

private slots:
    void init() { form = std::make_unique<Form1>(); }
    void cleanup() { form.reset(); }

    void initialTexts_data();
    void initialTexts();
    void caption();
    void helpItems_data();
    void helpItems();
    void helpDescriptionsStartAtColumn15_data();
    void helpDescriptionsStartAtColumn15();
    void helpNamesWhatTheCompilerReads_data();
    void helpNamesWhatTheCompilerReads();
    void secondCallYieldsSameWindow();
    void umlauts_data();
    void umlauts();
    void richText();
    void translatorReplacesTexts();
    void i18nTranslatesInItsOwnContext();
};

void TextsTest::initialTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char* const rows[][2] = {
        {"vonX_lb", "-1000"},           {"bisX_lb", "1000"},
        {"Xmin_textLabel", "0.0"},      {"Xmax_textLabel", "0.0"},
        {"Ymax_textLabel", "Ymax:0.0"}, {"Ymin_textLabel", "Ymin:0.0"},
        {"x_textLabel", "0"},           {"y_textLabel", "0"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
}

void TextsTest::initialTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* label = form->findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
}

void TextsTest::caption() {
    const QString title = form->windowTitle();
    QVERIFY(title.startsWith("Quintabor_2004-Version 0.5  eMail:"));
    const QRegularExpression pattern(
        QStringLiteral("^Quintabor_2004-Version 0\\.5  eMail:[^ @]+@[^ ]+ {5}[^ ]+$"));
    QVERIFY2(pattern.match(title).hasMatch(), qPrintable(title));
}

void TextsTest::helpItems_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    for (int i = 0; i < int(std::size(help_texts::Operators)); ++i) {
        QTest::addRow("%d", i + 1) << i << QString::fromUtf8(help_texts::Operators[i]);
    }
}

void TextsTest::helpItems() {
    QFETCH(int, index);
    QFETCH(QString, item);
    QCOMPARE(form->HilfeListBox->count(), 30);
    QCOMPARE(form->HilfeListBox->item(index)->text(), item);
    // Filled anew, not appended to, by every later call.
    callLanguageChange();
    callLanguageChange();
    QCOMPARE(form->HilfeListBox->count(), 30);
    QCOMPARE(form->HilfeListBox->item(index)->text(), item);
}

void TextsTest::helpDescriptionsStartAtColumn15_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < 30; ++i) {
        QTest::addRow("%d", i + 1) << i;
    }
}

void TextsTest::helpDescriptionsStartAtColumn15() {
    QFETCH(int, index);
    const QString item = form->HilfeListBox->item(index)->text();
    // token, one blank, a run of dots, one blank, description
    static const QRegularExpression columns(QStringLiteral("^(\\S+) (\\.+) ([^ .].*)$"));
    const QRegularExpressionMatch match = columns.match(item);
    QVERIFY2(match.hasMatch(), qPrintable(item));
    QCOMPARE(match.capturedStart(3), 14);
}

void TextsTest::helpNamesWhatTheCompilerReads_data() {
    QTest::addColumn<QString>("token");
    for (const char* item : help_texts::Operators) {
        QTest::addRow("%s", qPrintable(helpToken(item))) << helpToken(item);
    }
}

// Each operator, function and constant of the help list, typed as shown, is read by the
// compiler without an unrecognised word or character.
void TextsTest::helpNamesWhatTheCompilerReads() {
    QFETCH(QString, token);
    Formelinterpreter formula{};
    formula.setFormel(token.toStdString());
    formula.Formel_compillieren();
    QCOMPARE(formula.AnzahlFehler, 0);
    QVERIFY(formula.AnzahlToken > 1);
}

void TextsTest::secondCallYieldsSameWindow() {
    const QStringList before = allTexts(*form);
    callLanguageChange();
    callLanguageChange();
    QCOMPARE(allTexts(*form), before);
    QCOMPARE(form->MenuBarEditor->actions().size(), 2);
}

void TextsTest::umlauts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("clearEingabe") << "clearEingabe_pushButton"
                                  << QString::fromUtf16(u"L\u00f6sche Eingabe");
    QTest::newRow("clearTableXYZ")
        << "clearTableXYZ_pushButton" << QString::fromUtf16(u"L\u00f6sche Tabelle");
    QTest::newRow("Vergroessern") << "Vergroessern_pushButton"
                                  << QString::fromUtf16(u"Gr\u00f6\u00dfer");
    QTest::newRow("yGroesser") << "yGroesser_pushButton"
                               << QString::fromUtf16(u"yGr\u00f6\u00dfer");
    QTest::newRow("textLabel3") << "textLabel3" << QString::fromUtf16(u"Ann\u00e4herung von:");
}

void TextsTest::umlauts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QObject* object = form->findChild<QObject*>(name);
    if (auto* label = qobject_cast<QLabel*>(object)) {
        QCOMPARE(label->text(), text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        QCOMPARE(button->text(), text);
    } else {
        QFAIL("no such label or button");
    }
}

void TextsTest::richText() {
    // One paragraph; the qrichtext document keeps its blanks, so the columns stay aligned.
    const QStringList lines = form->textEdit1->toPlainText().split('\n');
    // The lines of the text between its tags, with the entities of the arrows decoded.
    QString body = QString::fromUtf8(help_texts::LinearSystemHelp);
    const qsizetype spanStart = body.indexOf(QLatin1Char('>'), body.indexOf("<span")) + 1;
    body = body.mid(spanStart, body.indexOf("</span>") - spanStart);
    const QStringList expected = body.replace("&gt;", ">").split("<br />");
    QCOMPARE(expected.size(), 10);
    QCOMPARE(lines, expected);

    QTextCursor cursor(form->textEdit1->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat format = cursor.charFormat();
    QCOMPARE(format.fontFamilies().toStringList(), QStringList{"Adobe Times"});
    QCOMPARE(format.fontPointSize(), 20.0);
    QCOMPARE(format.fontWeight(), 600);
    QCOMPARE(form->textEdit1->document()->blockCount(), 1);
}

void TextsTest::translatorReplacesTexts() {
    MarkingTranslator translator("Form1");
    QVERIFY(QCoreApplication::installTranslator(&translator));
    Form1 translated;
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(translated.windowTitle().startsWith("<Quintabor_2004-Version 0.5  eMail:"));
    QCOMPARE(translated.clearEingabe_pushButton->text(),
             QString::fromUtf16(u"<L\u00f6sche Eingabe>"));
    QCOMPARE(translated.textLabel4->text(), QStringLiteral("<bis:>"));
    // The interval read-outs show numbers, which no translation changes.
    QCOMPARE(translated.vonX_lb->text(), QStringLiteral("-1000"));
    QCOMPARE(translated.HilfeListBox->item(0)->text(), QStringLiteral("<+ ........... Plus>"));
    QCOMPARE(translated.GleichungenXYZ_table->horizontalHeaderItem(0)->text(),
             QStringLiteral("<Wert=>"));
    QCOMPARE(translated.GleichungenXYZ_table->verticalHeaderItem(9)->text(),
             QStringLiteral("<G10>"));
    QCOMPARE(translated.menuGleichungenXYZ_Action->text(), QStringLiteral("<Gleichungen_ XYZ >"));
    QCOMPARE(translated.MenuBarEditor->actions().at(1)->text(), QStringLiteral("<Menu>"));
    QVERIFY(translated.TabWidget->toolTip().isEmpty());
}

void TextsTest::i18nTranslatesInItsOwnContext() {
    QCOMPARE(i18n("&Abbruch"), QStringLiteral("&Abbruch"));
    QCOMPARE(i18n("Bitte\twarten!\n"), QStringLiteral("Bitte\twarten!\n"));
    MarkingTranslator translator("i18n");
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = i18n("F\xc3\xbchre");
    const QString window = form->tr("Beispiel");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, QString::fromUtf16(u"<F\u00fchre>"));
    QCOMPARE(window, QStringLiteral("Beispiel"));
    QVERIFY(i18n(nullptr).isEmpty());
}

QUINT_QTEST_MAIN(TextsTest)
#include "texts_test.moc"
