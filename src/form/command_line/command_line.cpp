#include "form/command_line/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTranslator>

#include <memory>
#include <optional>
#include <vector>

#include "form/command_line/command_line_texts.h"
#include "form/command_line/csv_cells.h"
#include "form/command_line/findings_json.h"
#include "form/equation/equation_block.h"
#include "form/equation/findings_table.h"
#include "form/graph/graph_file.h"
#include "form/linear_system/linear_system_table_labels.h"
#include "form/linear_system/system_block.h"
#include "form/window/i18n.h"
#include "form/window/interface_language.h"

namespace {

// The frame of a plot written by --plot, in pixels.
const QSize PlotSize(990, 600);

// A CSV file of a linear system is refused beyond this size: ten rows of eleven cells.
constexpr qint64 MaxSystemFileSize = 1 << 20;

// The translators of --lang, installed for one run and removed with it.
class LanguageScope {
public:
    void use(const QLocale& language) {
        auto own = std::make_unique<QTranslator>();
        if (own->load(language, QStringLiteral("quintabor"), QStringLiteral("_"),
                      translationDirectory())) {
            QCoreApplication::installTranslator(own.get());
            installed_.push_back(std::move(own));
        }
        auto qt = std::make_unique<QTranslator>();
        if (loadQtCatalogue(*qt, language)) {
            QCoreApplication::installTranslator(qt.get());
            installed_.push_back(std::move(qt));
        }
    }
    ~LanguageScope() {
        for (const auto& translator : installed_) {
            QCoreApplication::removeTranslator(translator.get());
        }
    }

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

QByteArray linesOf(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) {
        text += line.toUtf8();
        text += '\n';
    }
    return text;
}

CommandLineRun failure(int code, const QString& message, bool withUsage = false) {
    CommandLineRun run;
    run.exitCode = code;
    run.err = QStringLiteral("quintabor: %1\n").arg(message).toUtf8();
    if (withUsage) {
        run.err += CommandLine::tr("Aufruf: quintabor [--solve \"LINKS = RECHTS\" [--centre C] "
                                   "[--half-width H] [--step 0.01|0.001] [--format csv|json] "
                                   "[--plot DATEI]] [--system DATEI] "
                                   "[--lang de|en]")
                       .toUtf8() +
                   '\n' + CommandLine::tr("Mehr mit: quintabor --help").toUtf8() + '\n';
    }
    return run;
}

CommandLineRun usageError(const QString& message) {
    return failure(ExitOtherError, message, true);
}

// The plot of the equation as the graph page draws it, both sides and their difference over
// the interval, with the markers of the findings.
QString writePlot(const QString& path, const QString& equation, const EquationRequest& request,
                  const std::vector<Finding>& findings) {
    const qsizetype equals = equation.indexOf(QLatin1Char('='));
    PlotScene scene;
    scene.linksText = (equals < 0 ? equation : equation.left(equals)).trimmed();
    scene.rechtsText = equals < 0 ? QString() : equation.mid(equals + 1).trimmed();
    const long double scale = PlotSize.width() / (2.0L * request.halfWidth);
    scene.view = {
        scale, 1, -request.centre * scale, 0, PlotSize.width() / 2, PlotSize.height() / 2};
    scene.beideSeiten = true;
    scene.findings = &findings;
    return writeGraphFile(path, PlotSize, scene);
}

// An integer option within [low, high]; nothing and the message when it is not one.
std::optional<int> wholeNumber(const QString& text, int low, int high) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

QString helpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text += QLatin1Char('\n');
    text += CommandLine::tr(
        "Ohne diese Optionen öffnet sich das Fenster; --lang allein wählt seine Sprache.\n"
        "\n"
        "--solve schreibt den Block der Ergebnisliste des Fensters: die Überschrift, die\n"
        "Zeilen und die Schlusslinie; mit --format die Befunde als CSV oder JSON.\n"
        "--system liest eine CSV-Datei mit höchstens 10 Zeilen \"Wert,k1,k2,...\", eine\n"
        "Gleichung Wert = k1*X1 + k2*X2 + ... je Zeile; ein Dezimalkomma steht in\n"
        "Anführungszeichen: \"1,5\". Es schreibt den Block der Seite Gleichungen_XYZ.\n"
        "\n"
        "Rückgabewerte:\n"
        "  0  gelöst, wie viele Lösungen es auch gibt\n"
        "  2  Eingabe nicht lesbar; ihre Zeile steht auf der Standardfehlerausgabe\n"
        "  1  andere Fehler: falsche Optionen, Datei nicht lesbar, Ausgabe gescheitert\n"
        "\n"
        "Beispiele:\n"
        "  quintabor --solve \"x^2 = 2\"\n"
        "  quintabor --solve \"sin(x) = 0.5\" --centre 0 --half-width 10 --step 0.001\n"
        "  quintabor --solve \"tan(x) = 0\" --half-width 4 --format csv\n"
        "  quintabor --solve \"x^3 = x\" --half-width 3 --plot kubisch.svg\n"
        "  quintabor --system system.csv --lang en\n");
    return text;
}

// The options, their texts in the language of the run.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            CommandLine::tr("Zeigt diese Hilfe.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               CommandLine::tr("Zeigt die Version.")};
    QCommandLineOption solve{QStringLiteral("solve"),
                             CommandLine::tr("Löst die Gleichung LINKS = RECHTS."),
                             CommandLine::tr("\"LINKS = RECHTS\"")};
    QCommandLineOption centre{QStringLiteral("centre"),
                              CommandLine::tr("Mitte des Intervalls (ganze Zahl, Vorgabe 0)."),
                              QStringLiteral("C")};
    QCommandLineOption halfWidth{
        QStringLiteral("half-width"),
        CommandLine::tr("Halbe Breite des Intervalls (ganze Zahl, 1 bis 1000000, Vorgabe 1000)."),
        QStringLiteral("H")};
    QCommandLineOption step{QStringLiteral("step"),
                            CommandLine::tr("Schrittweite 0.01 (Vorgabe) oder 0.001."),
                            QStringLiteral("0.01|0.001")};
    QCommandLineOption system{
        QStringLiteral("system"),
        CommandLine::tr("Löst das lineare Gleichungssystem der CSV-Datei DATEI."),
        CommandLine::tr("DATEI")};
    QCommandLineOption format{
        QStringLiteral("format"),
        CommandLine::tr("Schreibt mit --solve die Befunde statt des Blocks, als "
                        "CSV oder JSON."),
        QStringLiteral("csv|json")};
    QCommandLineOption plot{QStringLiteral("plot"),
                            CommandLine::tr("Zeichnet mit --solve beide Seiten und ihre Differenz "
                                            "über dem Intervall in DATEI (.svg, .png oder .pdf)."),
                            CommandLine::tr("DATEI")};
    QCommandLineOption lang{
        QStringLiteral("lang"),
        CommandLine::tr("Sprache der Ausgabe: de oder en; sonst die des Systems."),
        QStringLiteral("de|en")};

    void addTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* option : {&help, &version, &solve, &centre, &halfWidth,
                                                 &step, &format, &plot, &system, &lang}) {
            parser.addOption(*option);
        }
    }
};

CommandLineRun solveEquation(const QCommandLineParser& parser, const Options& options) {
    const QCommandLineOption& solve = options.solve;
    const QCommandLineOption& centre = options.centre;
    const QCommandLineOption& halfWidth = options.halfWidth;
    const QCommandLineOption& step = options.step;
    const QCommandLineOption& format = options.format;
    const QCommandLineOption& plot = options.plot;
    const QString formatName = parser.value(format);
    if (parser.isSet(format) && formatName != QLatin1String("csv") &&
        formatName != QLatin1String("json")) {
        return usageError(CommandLine::tr("--format ist csv oder json: %1").arg(formatName));
    }
    if (parser.isSet(plot) && !isGraphFileName(parser.value(plot))) {
        return usageError(
            CommandLine::tr("--plot schreibt .svg, .png oder .pdf: %1").arg(parser.value(plot)));
    }
    EquationRequest request;
    if (parser.isSet(centre)) {
        const std::optional<int> value =
            wholeNumber(parser.value(centre), -CentreLimit, CentreLimit);
        if (!value) {
            return usageError(CommandLine::tr("--centre braucht eine ganze Zahl von %1 bis %2: %3")
                                  .arg(-CentreLimit)
                                  .arg(CentreLimit)
                                  .arg(parser.value(centre)));
        }
        request.centre = *value;
    }
    if (parser.isSet(halfWidth)) {
        const std::optional<int> value =
            wholeNumber(parser.value(halfWidth), MinHalfWidth, MaxHalfWidth);
        if (!value) {
            return usageError(
                CommandLine::tr("--half-width braucht eine ganze Zahl von %1 bis %2: %3")
                    .arg(MinHalfWidth)
                    .arg(MaxHalfWidth)
                    .arg(parser.value(halfWidth)));
        }
        request.halfWidth = *value;
    }
    if (parser.isSet(step)) {
        const QString value = parser.value(step).trimmed();
        if (value == QLatin1String("0.01")) {
            request.stepsPerUnit = HundredthSteps;
        } else if (value == QLatin1String("0.001")) {
            request.stepsPerUnit = ThousandthSteps;
        } else {
            return usageError(
                CommandLine::tr("--step ist 0.01 oder 0.001: %1").arg(parser.value(step)));
        }
    }
    // The two sides as the example button splits an equation: at its first "=".
    const QByteArray equation = parser.value(solve).toUtf8();
    const qsizetype equals = equation.indexOf('=');
    const QByteArray left = equals < 0 ? equation : equation.left(equals);
    const QByteArray right = equals < 0 ? QByteArray() : equation.mid(equals + 1);
    request.left = {left.constData(), static_cast<std::size_t>(left.size())};
    request.right = {right.constData(), static_cast<std::size_t>(right.size())};

    const SolvedEquation solved = solveEquationRequest(request);
    if (!solved.refusal.isEmpty()) {
        return failure(ExitUnreadable, solved.refusal);
    }
    if (parser.isSet(plot)) {
        const QString problem =
            writePlot(parser.value(plot), parser.value(solve), request, solved.record.findings);
        if (!problem.isEmpty()) {
            return failure(ExitOtherError, problem);
        }
    }
    CommandLineRun run;
    if (formatName == QLatin1String("csv")) {
        run.out = findingsCsv(findingRows(solved.record)).toUtf8();
    } else if (formatName == QLatin1String("json")) {
        run.out = findingsJson(solved.record);
    } else {
        run.out = linesOf(solved.block);
    }
    return run;
}

CommandLineRun solveSystem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(
            ExitOtherError,
            CommandLine::tr("Die Datei %1 ist nicht lesbar: %2").arg(path, file.errorString()));
    }
    const QByteArray text = file.read(MaxSystemFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return failure(
            ExitOtherError,
            CommandLine::tr("Die Datei %1 ist nicht lesbar: %2").arg(path, file.errorString()));
    }
    if (text.size() > MaxSystemFileSize) {
        return failure(
            ExitUnreadable,
            CommandLine::tr("%1: größer als ein Gleichungssystem der Tabelle").arg(path));
    }
    const CsvCells read = readCsvCells(text, xyz_table_labels::Rows, xyz_table_labels::Columns);
    if (!read.problem.isEmpty()) {
        return failure(ExitUnreadable, QStringLiteral("%1: %2").arg(path, read.problem));
    }
    // The solver and its arrays are large; they live on the heap, not on the stack.
    struct Workspace {
        Gausalgorithmus solver;
        long double koeff[Gausalgorithmus::Groesse][Gausalgorithmus::Groesse];
        long double rechts[Gausalgorithmus::Groesse];
    };
    const auto workspace = std::make_unique<Workspace>();
    const SolvedSystem solved =
        solveSystemCells(read.cells, {workspace->solver, workspace->koeff, workspace->rechts});
    if (!solved.unreadable.isEmpty()) {
        return failure(ExitUnreadable, solved.unreadable);
    }
    CommandLineRun run;
    run.out = linesOf(solved.block);
    return run;
}

} // namespace

CommandLineRun runCommandLine(const QStringList& arguments) {
    // --lang first, so that every text of the run is in its language.
    QString language;
    {
        QCommandLineParser probe;
        Options().addTo(probe);
        probe.parse(arguments);
        language = probe.value(QStringLiteral("lang"));
    }
    LanguageScope scope;
    if (!language.isEmpty() && language != QLatin1String("de") && language != QLatin1String("en")) {
        return usageError(CommandLine::tr("--lang ist de oder en: %1").arg(language));
    }
    scope.use(interfaceLanguage(language, QLocale::system(), translationDirectory()));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Quintabor löst eine Gleichung in x oder ein lineares Gleichungssystem "
                        "und schreibt das Ergebnis, ohne Fenster und ohne Bildschirm."));
    const Options options;
    options.addTo(parser);
    const QCommandLineOption& help = options.help;
    const QCommandLineOption& version = options.version;
    const QCommandLineOption& solve = options.solve;
    const QCommandLineOption& centre = options.centre;
    const QCommandLineOption& halfWidth = options.halfWidth;
    const QCommandLineOption& step = options.step;
    const QCommandLineOption& format = options.format;
    const QCommandLineOption& plot = options.plot;
    const QCommandLineOption& system = options.system;
    if (!parser.parse(arguments)) {
        return usageError(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(
            CommandLine::tr("Unerwartetes Argument: %1").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help)) {
        CommandLineRun run;
        run.out = helpText(parser).toUtf8();
        return run;
    }
    if (parser.isSet(version)) {
        CommandLineRun run;
        run.out = QStringLiteral("quintabor %1\n").arg(QStringLiteral(QUINT_VERSION)).toUtf8();
        return run;
    }
    if (parser.isSet(solve) && parser.isSet(system)) {
        return usageError(CommandLine::tr("--solve und --system schließen einander aus"));
    }
    if (!parser.isSet(solve)) {
        for (const QCommandLineOption* option : {&centre, &halfWidth, &step, &format, &plot}) {
            if (parser.isSet(*option)) {
                return usageError(
                    CommandLine::tr("--%1 gilt nur mit --solve").arg(option->names().first()));
            }
        }
    }
    if (parser.isSet(solve)) {
        return solveEquation(parser, options);
    }
    if (parser.isSet(system)) {
        return solveSystem(parser.value(system));
    }
    return usageError(CommandLine::tr("Keine Aufgabe: --solve oder --system fehlt"));
}
