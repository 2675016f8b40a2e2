// The lines of a solve request do not depend on the user's locale: the same program run
// under a German locale writes the same lines, with decimal points.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "equation_test_support.h"
#include "form/window/application_setup.h"
#include "form/window/form1.h"

namespace {

// Set in the environment of the child that runs one request and prints its lines.
const char* const ChildVariable = "QUINT_EQUATION_LOCALE_CHILD";

// Types the two sides into the window and presses "=".
void solve(Form1& form, const QString& left, const QString& right) {
    form.GleichLinks_LineEdit->setText(QString());
    form.GleichRechts_LineEdit->setText(QString());
    QTest::keyClicks(form.GleichLinks_LineEdit, left);
    QTest::keyClicks(form.GleichRechts_LineEdit, right);
    QTest::mouseClick(form.IstGleich_pushButton, Qt::LeftButton);
}

// Example 8 with its literal 1,34: x^x + 2 x^2 + 1.34 x = 94.31695275 at x = 3.4157 (to
// eleven digits); the negative integers between, where x^x exists, change sign only steeply.
const char* const CommaLeft = "X^X+2.0*X^2+1,34*X";
const char* const CommaRight = "94.31695275";

// The child: the program's start-up, one request for x^2 = 2 and one for example 8, then
// the locale it ran in and the lines, one per line of output.
int runChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    setupApplication();
    Form1 form;
    form.BeispielGleichungen();
    form.show();
    solve(form, "X^2", "2");
    solve(form, CommaLeft, CommaRight);
    std::printf("%s\n", std::setlocale(LC_MESSAGES, nullptr));
    for (const QString& line : lines(form.Ergebnisse_ListBox)) {
        std::printf("%s\n", line.toUtf8().constData());
    }
    return 0;
}

} // namespace

class EquationLocaleTest : public QObject {
    Q_OBJECT

    // Runs the child with LC_ALL set to locale and returns its output lines.
    static QStringList childLines(const QString& locale) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(ChildVariable, "1");
        environment.insert("LC_ALL", locale);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            return {};
        }
        QStringList output = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
        output.removeLast();
        return output;
    }

private slots:
    void germanLocaleWritesTheSameLines();
    void numericLocaleChangedLaterKeepsThePoint();
};

void EquationLocaleTest::germanLocaleWritesTheSameLines() {
    const QStringList german = childLines("de_DE.UTF-8");
    const QStringList plain = childLines("C");
    QVERIFY(!german.isEmpty());
    QCOMPARE(german.first(), "de_DE.UTF-8");
    QCOMPARE(plain.first(), "C");
    QCOMPARE(german.mid(1), plain.mid(1));
    const QStringList expected{"x^2 = 2",
                               "",
                               " ",
                               "X1 = -1.414213562",
                               "X2 =  1.414213562",
                               Closing,
                               "x^x+2.0*x^2+1,34*x = 94.31695275",
                               "",
                               " ",
                               "X1 =  3.4157",
                               Closing};
    QCOMPARE(german.mid(1), expected);
}

void EquationLocaleTest::numericLocaleChangedLaterKeepsThePoint() {
    Form1 form;
    form.BeispielGleichungen();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr);
    char german[16];
    std::snprintf(german, sizeof german, "%.1f", 0.5);
    solve(form, "X^2", "2");
    std::setlocale(LC_NUMERIC, "C");
    QCOMPARE(german, "0,5");
    QCOMPARE(lines(form.Ergebnisse_ListBox),
             (QStringList{"x^2 = 2", "", " ", "X1 = -1.414213562", "X2 =  1.414213562", Closing}));
}

int main(int argc, char* argv[]) {
    if (std::getenv(ChildVariable)) {
        return runChild(argc, argv);
    }
    QApplication application(argc, argv);
    setupApplication();
    EquationLocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "equation_locale_test.moc"
