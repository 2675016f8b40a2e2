#include "form/window/export_actions.h"

#include <QAction>
#include <QByteArray>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIODevice>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <string_view>

#include "form/equation/findings_table.h"
#include "form/equation/solve_record.h"
#include "form/graph/graph_file.h"
#include "form/graph/graph_frame.h"
#include "form/graph/graph_markers.h"
#include "form/graph/graph_render.h"
#include "form/graph/graph_state.h"
#include "form/window/form1.h"
#include "form/window/safe_write.h"
#include "solver/equation_sides.h"

namespace {

constexpr int GraphTabIndex = 1;
// A plot never shown on screen is written at this size.
const QSize UnshownPlotSize(800, 600);
// The plot takes at most this share of a printed page's height.
constexpr double PrintedPlotShare = 0.6;
constexpr int PrintedFontPoints = 10;

std::string_view textOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QStringList linesOf(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

QString withSuffix(const QString& path, const char* suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

} // namespace

ExportActions::ExportActions(Form1* form) : QObject(form), m_form(form) {
    const auto newAction = [form](const char* name) {
        auto* action = new QAction(form);
        action->setObjectName(name);
        return action;
    };
    grafikSpeichern_Action = newAction("grafikSpeichern_Action");
    drucken_Action = newAction("drucken_Action");
    ergebnisseSpeichern_Action = newAction("ergebnisseSpeichern_Action");
    form->PopupMenu->addSeparator();
    form->PopupMenu->addAction(grafikSpeichern_Action);
    form->PopupMenu->addAction(drucken_Action);
    form->PopupMenu->addAction(ergebnisseSpeichern_Action);
    drucken_Action->setShortcut(QKeySequence::Print);
    setTexts();
    followPage();

    connect(grafikSpeichern_Action, &QAction::triggered, this, &ExportActions::saveGraphAsked);
    connect(drucken_Action, &QAction::triggered, this, &ExportActions::printAsked);
    connect(ergebnisseSpeichern_Action, &QAction::triggered, this,
            &ExportActions::saveResultsAsked);
    connect(form->TabWidget, &QTabWidget::currentChanged, this, &ExportActions::followPage);
    connect(form->widgetStack, &QStackedWidget::currentChanged, this, &ExportActions::followPage);
    form->installEventFilter(this);
}

bool ExportActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_form && event->type() == QEvent::LanguageChange) {
        setTexts();
    }
    return QObject::eventFilter(watched, event);
}

void ExportActions::setTexts() {
    grafikSpeichern_Action->setText(tr("Grafik speichern…"));
    drucken_Action->setText(tr("Drucken…"));
    ergebnisseSpeichern_Action->setText(tr("Ergebnisse speichern…"));
}

bool ExportActions::equationPageShown() const {
    return m_form->widgetStack->currentIndex() == 0;
}

bool ExportActions::graphShown() const {
    return equationPageShown() && m_form->TabWidget->currentIndex() == GraphTabIndex;
}

QListWidget* ExportActions::shownResultList() const {
    return equationPageShown() ? static_cast<QListWidget*>(m_form->Ergebnisse_ListBox)
                               : static_cast<QListWidget*>(m_form->AusgabeXYZ_listBox);
}

void ExportActions::followPage() {
    const bool graph = graphShown();
    grafikSpeichern_Action->setShortcut(graph ? QKeySequence(QKeySequence::Save) : QKeySequence());
    ergebnisseSpeichern_Action->setShortcut(graph ? QKeySequence()
                                                  : QKeySequence(QKeySequence::Save));
}

namespace {

// The plot as the graph tab shows it, in a frame of that size.
struct ShownPlot {
    QSize size;
    EquationSides sides;
    PlotScene scene;
};

void describeShownPlot(const Form1& form, ShownPlot& plot) {
    const QImage& image = form.grafik->image();
    plot.size = image.isNull() ? UnshownPlotSize : image.size();
    PlotScene& scene = plot.scene;
    scene.linksText = form.GleichLinks_LineEdit->text();
    scene.rechtsText = form.GleichRechts_LineEdit->text();
    scene.view = centredView(currentView(), plot.size);
    scene.beideSeiten = BeideSeiten;
    scene.font = form.grafik->font();
    plot.sides.compile(textOf(scene.linksText.toUtf8()), textOf(scene.rechtsText.toUtf8()));
    scene.findings = markedFindings(plot.sides);
}

} // namespace

QString ExportActions::saveGraph(const QString& path) const {
    ShownPlot plot;
    describeShownPlot(*m_form, plot);
    return writeGraphFile(path, plot.size, plot.scene);
}

QString ExportActions::saveResults(const QString& path) const {
    QString text;
    if (QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0) {
        const QStringList lines = linesOf(shownResultList());
        text = lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    } else if (equationPageShown()) {
        std::vector<FindingRow> rows;
        for (const SolveRecord& solve : listedSolves()) {
            const std::vector<FindingRow> more = findingRows(solve);
            rows.insert(rows.end(), more.begin(), more.end());
        }
        text = findingsCsv(rows);
    } else {
        // The linear system's lines are no findings: one line a row.
        text = QStringLiteral("line\r\n");
        for (QString line : linesOf(shownResultList())) {
            line.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            text += QLatin1Char('"') + line + QStringLiteral("\"\r\n");
        }
    }
    const QByteArray bytes = text.toUtf8();
    return writeSafely(path,
                       [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

bool ExportActions::print(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    int y = 0;
    if (equationPageShown()) {
        ShownPlot plot;
        describeShownPlot(*m_form, plot);
        const double scale =
            std::min(area.width() / double(plot.size.width()),
                     PrintedPlotShare * area.height() / double(plot.size.height()));
        painter.save();
        painter.scale(scale, scale);
        renderPlot(painter, plot.size, plot.scene);
        painter.restore();
        y = static_cast<int>(plot.size.height() * scale);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(PrintedFontPoints);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, &printer);
    y += metrics.lineSpacing();
    for (const QString& line : linesOf(shownResultList())) {
        if (y + metrics.lineSpacing() > area.height()) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += metrics.lineSpacing();
    }
    return painter.end();
}

void ExportActions::saveGraphAsked() {
    const QString path = QFileDialog::getSaveFileName(m_form, tr("Grafik speichern"), QString(),
                                                      tr("Grafiken (*.png *.svg *.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString failure = saveGraph(withSuffix(path, "png"));
    if (!failure.isEmpty()) {
        QMessageBox::warning(m_form, tr("Grafik speichern"), failure);
    }
}

void ExportActions::saveResultsAsked() {
    const QString csv = tr("CSV, eine Stelle je Zeile (*.csv)");
    QString chosen;
    const QString path = QFileDialog::getSaveFileName(m_form, tr("Ergebnisse speichern"), QString(),
                                                      tr("Text (*.txt)") + ";;" + csv, &chosen);
    if (path.isEmpty()) {
        return;
    }
    const QString failure = saveResults(withSuffix(path, chosen == csv ? "csv" : "txt"));
    if (!failure.isEmpty()) {
        QMessageBox::warning(m_form, tr("Ergebnisse speichern"), failure);
    }
}

void ExportActions::printAsked() {
    QPrinter printer;
    QPrintDialog dialog(&printer, m_form);
    if (dialog.exec() == QDialog::Accepted && !print(printer)) {
        QMessageBox::warning(m_form, tr("Drucken"), tr("Der Druck ist fehlgeschlagen."));
    }
}
