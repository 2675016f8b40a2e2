// Sessions: saved and opened again into another window, whole; files that are corrupt,
// truncated, foreign, of a newer format or with a member out of its kind or range are
// refused with the problem named and change nothing in the window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "equation_test_support.h"
#include "form/window/form1.h"
#include "form/window/session_file.h"
#include "form/window/session_menu.h"
#include "linear_system_test_support.h"
#include "qt_test_main.h"

namespace {

// A window with work in it: an equation solved twice, a system solved, a tab chosen.
void doWork(Form1& form) {
    form.GleichLinks_LineEdit->setText(QStringLiteral("X^2"));
    form.GleichRechts_LineEdit->setText(QStringLiteral("2"));
    form.Delta_spinBox->setValue(10);
    QTest::mouseClick(form.IstGleich_pushButton, Qt::LeftButton);
    form.GleichRechts_LineEdit->setText(QStringLiteral("x+2"));
    form.Mitte_spinBox->setValue(-3);
    QTest::mouseClick(form.tusendstel_radioButton, Qt::LeftButton);
    QTest::mouseClick(form.IstGleich_pushButton, Qt::LeftButton);
    fillTable(form.GleichungenXYZ_table,
              {{"18", "1", "1", "1"}, {"12", "1", "1", "-1"}, {"-8", "1", "-1", "-1"}});
    form.menuGleichungenXYZ_Action->trigger();
    QTest::mouseClick(form.istGleichXYZ_pushButton, Qt::LeftButton);
}

QByteArray validJson() {
    Session session;
    session.inputs.left = QStringLiteral("x");
    session.inputs.right = QStringLiteral("1");
    session.inputs.cells = CellTexts(10, QStringList(11));
    session.equationResults = QStringList{"x = 1", "", " ", "X1 =  1"};
    return sessionJson(session);
}

} // namespace

class SessionFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void roundTrip();
    void menuHoldsTheSessionEntries();
    void suffixAdded();
    void refused_data();
    void refused();
    void missingMembersTakeTheStart();
    void failedSaveLeavesNoFile();
};

void SessionFileTest::roundTrip() {
    auto first = startWindow<Form1>();
    QVERIFY(first != nullptr);
    doWork(*first);
    const Session saved = sessionOf(*first);
    QCOMPARE(saved.systemResults.last(), Separator);
    QCOMPARE(saved.systemResults.at(saved.systemResults.size() - 4), QStringLiteral("X1 =  5"));
    QCOMPARE(saved.equationResults.count(Closing), 2);
    const QString path = dir.filePath(QStringLiteral("work.quintabor"));
    QCOMPARE(saveSession(*first, path), QString());

    auto second = startWindow<Form1>();
    QVERIFY(second != nullptr);
    QCOMPARE(openSession(*second, path), QString());
    QCOMPARE(sessionOf(*second), saved);
    // What the user sees: the lists, the inputs, the step the next solve uses.
    QCOMPARE(lines(second->Ergebnisse_ListBox), lines(first->Ergebnisse_ListBox));
    QCOMPARE(lines(second->AusgabeXYZ_listBox), lines(first->AusgabeXYZ_listBox));
    QCOMPARE(second->widgetStack->currentIndex(), 1);
    QCOMPARE(second->vonX_lb->text(), QStringLiteral("-13"));
    QVERIFY(second->tusendstel_radioButton->isChecked());
    second->menuGleichnungenX_Action->trigger();
    const int before = second->Ergebnisse_ListBox->count();
    QTest::mouseClick(second->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(lines(second->Ergebnisse_ListBox).mid(before),
             lines(first->Ergebnisse_ListBox).mid(before / 2));
}

void SessionFileTest::menuHoldsTheSessionEntries() {
    Form1 form;
    const QList<QAction*> actions = form.PopupMenu->actions();
    QCOMPARE(actions.at(2), form.menuGleichnungenX_Action);
    QCOMPARE(actions.at(3), form.menuGleichungenXYZ_Action);
    QCOMPARE(actions.at(5)->text(), QString::fromUtf8("Sitzung speichern…"));
    QCOMPARE(actions.at(6)->text(), QString::fromUtf8("Sitzung öffnen…"));
}

void SessionFileTest::suffixAdded() {
    Form1 form;
    QCOMPARE(saveSession(form, dir.filePath(QStringLiteral("plain"))), QString());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("plain.quintabor"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("plain"))));
}

void SessionFileTest::refused_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");
    const QByteArray valid = validJson();
    QTest::newRow("truncated") << valid.left(valid.size() / 2) << QStringLiteral("abgeschnitten");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("abgeschnitten");
    QTest::newRow("not JSON") << QByteArray("\x89PNG\r\n\x1a\n") << QStringLiteral("beschädigt");
    QTest::newRow("foreign object")
        << QByteArray("{\"name\": \"x\"}") << QStringLiteral("keine Sitzung");
    QTest::newRow("array") << QByteArray("[1, 2]") << QStringLiteral("keine Sitzung");
    QTest::newRow("no version") << QByteArray("{\"format\": \"quintabor-session\"}")
                                << QStringLiteral("Formatversion");
    QTest::newRow("newer version") << QByteArray(valid).replace("\"version\": 1", "\"version\": 2")
                                   << QStringLiteral("Format 2");
    QTest::newRow("centre beyond range")
        << QByteArray(valid).replace("\"centre\": 0", "\"centre\": 1e10")
        << QStringLiteral("equation.centre");
    QTest::newRow("centre not whole")
        << QByteArray(valid).replace("\"centre\": 0", "\"centre\": 0.5")
        << QStringLiteral("equation.centre");
    QTest::newRow("half-width 0") << QByteArray(valid).replace("\"halfWidth\": 1000",
                                                               "\"halfWidth\": 0")
                                  << QStringLiteral("equation.halfWidth");
    QTest::newRow("step 0.1") << QByteArray(valid).replace("\"0.01\"", "\"0.1\"")
                              << QStringLiteral("equation.step");
    QTest::newRow("left a number") << QByteArray(valid).replace("\"left\": \"x\"", "\"left\": 5")
                                   << QStringLiteral("equation.left");
    QTest::newRow("page 2") << QByteArray(valid).replace("\"page\": 0", "\"page\": 2")
                            << QStringLiteral("page");
    QTest::newRow("cell a number")
        << QByteArray(valid).replace("\"cells\": [\n", "\"cells\": [[1],\n")
        << QStringLiteral("system.cells");
    QTest::newRow("eleven rows") << QByteArray(valid).replace("\"cells\": [\n", "\"cells\": [[],\n")
                                 << QStringLiteral("system.cells");
    QTest::newRow("result line a number")
        << QByteArray(valid).replace("\"x = 1\"", "7") << QStringLiteral("results.equation");
}

void SessionFileTest::refused() {
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    auto form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    doWork(*form);
    const Session before = sessionOf(*form);
    const int tab = form->widgetStack->currentIndex();

    const QString path = dir.filePath(QStringLiteral("refused.quintabor"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    const QString named = openSession(*form, path);
    QVERIFY2(named.startsWith(path + QLatin1Char(':')), qPrintable(named));
    QVERIFY2(named.contains(problem), qPrintable(named));
    QCOMPARE(sessionOf(*form), before);
    QCOMPARE(form->widgetStack->currentIndex(), tab);
}

// Members a file of an earlier version lacks take the values of a window just started.
void SessionFileTest::missingMembersTakeTheStart() {
    const QString path = dir.filePath(QStringLiteral("sparse.quintabor"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"format\": \"quintabor-session\", \"version\": 1,"
               " \"equation\": {\"left\": \"x^3\", \"right\": \"8\"}}");
    file.close();
    auto form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    doWork(*form);
    QCOMPARE(openSession(*form, path), QString());
    QCOMPARE(form->GleichLinks_LineEdit->text(), QStringLiteral("x^3"));
    QCOMPARE(form->Mitte_spinBox->value(), 0);
    QCOMPARE(form->Delta_spinBox->value(), 1000);
    QVERIFY(form->hunderstel_radioButton->isChecked());
    QCOMPARE(form->Ergebnisse_ListBox->count(), 0);
    QCOMPARE(form->GleichungenXYZ_table->item(0, 0), nullptr);
    QCOMPARE(form->widgetStack->currentIndex(), 0);
}

// A save that cannot complete leaves nothing under the name, and says why.
void SessionFileTest::failedSaveLeavesNoFile() {
    Form1 form;
    const QString missingDir = dir.filePath(QStringLiteral("missing/work.quintabor"));
    QVERIFY(saveSession(form, missingDir).contains(missingDir));
    QVERIFY(!QFile::exists(missingDir));
    // A directory in the file's place is not replaced.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.quintabor")));
    const QString taken = dir.filePath(QStringLiteral("taken.quintabor"));
    QVERIFY(!saveSession(form, taken).isEmpty());
    QVERIFY(QFileInfo(taken).isDir());
}

QUINT_QTEST_MAIN(SessionFileTest)
#include "session_file_test.moc"
