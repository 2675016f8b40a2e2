// The catalogue of example equations, clicked through the real window at the start settings:
// each click's block of result lines, its heading, its number of roots and their values.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "equation_test_support.h"
#include "example_catalogue_expectations.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

constexpr int catalogueSize = 67;

// What one click of the example button left behind.
struct Click {
    QString buttonText;
    QString left;
    QString right;
    QStringList lines; // the lines this click appended to the result list
};

// A result line "X<r> = <value>" as the page writes it: a blank before a non-negative value.
struct ParsedResult {
    bool ok = false;
    int number = 0;
    long double value = 0;
};

ParsedResult parseResult(const QString& line) {
    static const QRegularExpression pattern(QStringLiteral("^X(\\d+) = (-| )(\\S+)$"));
    const QRegularExpressionMatch match = pattern.match(line);
    ParsedResult result;
    if (!match.hasMatch()) {
        return result;
    }
    const QByteArray digits = match.captured(3).toLatin1();
    char* end = nullptr;
    const long double magnitude = std::strtold(digits.constData(), &end);
    if (end != digits.constData() + digits.size() || digits.startsWith('-')) {
        return result;
    }
    result.ok = true;
    result.number = match.captured(1).toInt();
    result.value = match.captured(2) == QLatin1String("-") ? -magnitude : magnitude;
    return result;
}

// Printed roots carry ten significant digits; refinement leaves an error far below that.
bool close(long double printed, long double expected) {
    return std::fabs(printed - expected) <= 1e-9L * std::max(1.0L, std::fabs(expected));
}

QString describe(long double value) {
    return QString::number(static_cast<double>(value), 'g', 17);
}

const CatalogueExpectation* expectationFor(int number) {
    const auto found = std::find_if(catalogueExpectations.begin(), catalogueExpectations.end(),
                                    [number](const auto& e) { return e.number == number; });
    return found == catalogueExpectations.end() ? nullptr : &*found;
}

} // namespace

class ExampleCatalogueTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;
    std::vector<Click> clicks; // clicks[i] belongs to example i + 1

private slots:
    void initTestCase();
    void cleanupTestCase() { form.reset(); }

    void expectationsCoverTheCatalogue();
    void settingsStayAtTheStart();
    void example_data();
    void example();
    void sixtyEighthClickWrapsToTheFirst();
};

void ExampleCatalogueTest::initTestCase() {
    form = startWindow<Form1>();
    QVERIFY(form != nullptr);

    QCOMPARE(form->Mitte_spinBox->value(), 0);
    QCOMPARE(form->Delta_spinBox->value(), 1000);
    QVERIFY(form->hunderstel_radioButton->isChecked());
    QCOMPARE(form->Ergebnisse_ListBox->count(), 0);

    for (int i = 0; i < catalogueSize; ++i) {
        const int before = form->Ergebnisse_ListBox->count();
        QTest::mouseClick(form->Beispiel_pushButton, Qt::LeftButton);
        Click click;
        click.buttonText = form->Beispiel_pushButton->text();
        click.left = form->GleichLinks_LineEdit->text();
        click.right = form->GleichRechts_LineEdit->text();
        for (int row = before; row < form->Ergebnisse_ListBox->count(); ++row) {
            click.lines << form->Ergebnisse_ListBox->item(row)->text();
        }
        clicks.push_back(click);
    }
}

void ExampleCatalogueTest::expectationsCoverTheCatalogue() {
    QCOMPARE(static_cast<int>(catalogueExpectations.size()), catalogueSize);
    for (int number = 1; number <= catalogueSize; ++number) {
        const CatalogueExpectation* expected = expectationFor(number);
        QVERIFY2(expected, qPrintable(QStringLiteral("example %1 missing").arg(number)));
        QVERIFY(!expected->roots.empty() || expected->rootCount == 0);
        if (!expected->family) {
            QCOMPARE(static_cast<int>(expected->roots.size()), expected->rootCount);
        } else {
            QCOMPARE(expected->family->kLast - expected->family->kFirst + 1, expected->rootCount);
        }
    }
}

void ExampleCatalogueTest::settingsStayAtTheStart() {
    QCOMPARE(form->Mitte_spinBox->value(), 0);
    QCOMPARE(form->Delta_spinBox->value(), 1000);
    QVERIFY(form->hunderstel_radioButton->isChecked());
}

void ExampleCatalogueTest::example_data() {
    QTest::addColumn<int>("number");
    for (int number = 1; number <= catalogueSize; ++number) {
        QTest::newRow(qPrintable(QStringLiteral("example %1").arg(number))) << number;
    }
}

void ExampleCatalogueTest::example() {
    QFETCH(int, number);
    const CatalogueExpectation* expected = expectationFor(number);
    QVERIFY(expected);
    QVERIFY(number <= static_cast<int>(clicks.size()));
    const Click& click = clicks[number - 1];

    // The click loaded the row into the line edits and labelled the button.
    const QString text = QString::fromLatin1(expected->text);
    const int equals = text.indexOf(QLatin1Char('='));
    QCOMPARE(click.left, text.left(equals));
    QCOMPARE(click.right, text.mid(equals + 1));
    QCOMPARE(click.buttonText, QStringLiteral("Beispiel:%1").arg(number));

    // Heading, empty line, blank line, results, closing line: every side is read as typed,
    // so no line names a misread one and the request solves.
    const QStringList& lines = click.lines;
    QVERIFY2(lines.size() >= 4, qPrintable(lines.join(QLatin1Char('|'))));
    QCOMPARE(lines.at(0), QString::fromLatin1(expected->heading));
    QCOMPARE(lines.at(1), QString());
    QCOMPARE(lines.at(2), QStringLiteral(" "));
    QCOMPARE(lines.last(), QString(71, QLatin1Char('-')));

    // The roots, a plateau's line among them; then the poles and gaps the search named. Every
    // example is decided throughout.
    static const QRegularExpression named(QStringLiteral(
        "^(Polstelle bei x = \\S+|\\d+ Polstellen von x = \\S+ bis \\S+|Definitionslücke bei "
        "x = \\S+|\\d+ Definitionslücken von x = \\S+ bis \\S+)$"));
    static const QRegularExpression plateau(
        QStringLiteral("^Gleich im Rahmen der Rechengenauigkeit: x von \\S+ bis \\S+$"));
    std::vector<long double> printed;
    bool pointsNamed = false;
    for (int row = 3; row < lines.size() - 1; ++row) {
        const QString& line = lines.at(row);
        if (named.match(line).hasMatch()) {
            pointsNamed = true;
            continue;
        }
        if (plateau.match(line).hasMatch() && !pointsNamed) {
            continue;
        }
        const ParsedResult result = parseResult(line);
        QVERIFY2(result.ok && !pointsNamed,
                 qPrintable(QStringLiteral("unreadable line \"%1\"").arg(line)));
        QCOMPARE(result.number, static_cast<int>(printed.size()) + 1);
        printed.push_back(result.value);
    }
    QVERIFY2(static_cast<int>(printed.size()) == expected->rootCount,
             qPrintable(QStringLiteral("%1 roots printed, %2 expected: %3")
                            .arg(printed.size())
                            .arg(expected->rootCount)
                            .arg(lines.mid(3, 12).join(QStringLiteral(" | ")))));

    for (std::size_t i = 1; i < printed.size(); ++i) {
        QVERIFY2(printed[i - 1] < printed[i],
                 qPrintable(QStringLiteral("X%1 = %2 is not above X%3 = %4")
                                .arg(i + 1)
                                .arg(describe(printed[i]))
                                .arg(i)
                                .arg(describe(printed[i - 1]))));
    }

    if (expected->family) {
        // Every root of a periodic family, in order.
        const RootFamily& family = *expected->family;
        for (std::size_t i = 0; i < printed.size(); ++i) {
            const long double root =
                family.offset +
                static_cast<long double>(family.kFirst + static_cast<int>(i)) * family.period;
            QVERIFY2(close(printed[i], root), qPrintable(QStringLiteral("X%1 = %2, expected %3")
                                                             .arg(i + 1)
                                                             .arg(describe(printed[i]))
                                                             .arg(describe(root))));
        }
        // The sampled roots, found among the printed ones.
        for (const long double root : expected->roots) {
            const auto nearest = std::lower_bound(printed.begin(), printed.end(),
                                                  root - 1e-9L * std::max(1.0L, std::fabs(root)));
            QVERIFY2(nearest != printed.end() && close(*nearest, root),
                     qPrintable(QStringLiteral("no printed root near %1").arg(describe(root))));
        }
    } else {
        for (std::size_t i = 0; i < printed.size(); ++i) {
            QVERIFY2(close(printed[i], expected->roots[i]),
                     qPrintable(QStringLiteral("X%1 = %2, expected %3")
                                    .arg(i + 1)
                                    .arg(describe(printed[i]))
                                    .arg(describe(expected->roots[i]))));
        }
    }
}

void ExampleCatalogueTest::sixtyEighthClickWrapsToTheFirst() {
    QCOMPARE(static_cast<int>(clicks.size()), catalogueSize);
    const int before = form->Ergebnisse_ListBox->count();
    QTest::mouseClick(form->Beispiel_pushButton, Qt::LeftButton);
    QCOMPARE(form->Beispiel_pushButton->text(), QStringLiteral("Beispiel:1"));
    QCOMPARE(form->GleichLinks_LineEdit->text(), QStringLiteral("X^2"));
    QCOMPARE(form->GleichRechts_LineEdit->text(), QStringLiteral("2"));
    QCOMPARE(form->Ergebnisse_ListBox->count(), before + 6);
    QCOMPARE(form->Ergebnisse_ListBox->item(before)->text(), QStringLiteral("x^2 = 2"));
}

QUINT_QTEST_MAIN(ExampleCatalogueTest)

#include "example_catalogue_test.moc"
