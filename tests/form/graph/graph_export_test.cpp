// The plot written as PNG, SVG and PDF and printed: valid files of the plot's size that show
// what the frame shows; a name the writer does not know or cannot write gets a message and no
// file.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "equation_test_support.h"
#include "form/graph/graph_file.h"
#include "form/graph/graph_frame.h"
#include "form/graph/graph_state.h"
#include "form/window/export_actions.h"
#include "qt_test_main.h"

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class GraphExportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;
    QTemporaryDir dir;
    ExportActions* actions = nullptr;

private slots:
    void init();
    void cleanup();
    void pngIsTheFrame();
    void svgDrawsThePlot();
    void pdfIsOnePageOfThePlotsSize();
    void printsThePlotAndTheList();
    void failedWritesLeaveNoFile_data();
    void failedWritesLeaveNoFile();
    void shortcutsFollowThePage();
};

void GraphExportTest::init() {
    BeideSeiten = false;
    form = startWindow<Form1>();
    QVERIFY(form);
    actions = form->findChild<ExportActions*>();
    QVERIFY(actions);
    form->GleichLinks_LineEdit->setText("x^2");
    form->GleichRechts_LineEdit->setText("2");
    form->IstGleich_pushButton->click();
    form->grafik->setFixedSize(600, 400);
    form->TabWidget->setCurrentIndex(1);
    QTest::qWait(40);
    form->ZeichnenSlot();
}

void GraphExportTest::cleanup() {
    form.reset();
    normalTimer = -1;
    KleinerGroesserTimer = -1;
}

// One renderer: the file holds the pixels of the frame, markers and legend included.
void GraphExportTest::pngIsTheFrame() {
    const QString path = dir.filePath("plot.png");
    QCOMPARE(actions->saveGraph(path), QString());
    QVERIFY(contentOf(path).startsWith("\x89PNG\r\n\x1a\n"));
    const QImage written(path);
    QCOMPARE(written.size(), QSize(600, 400));
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), form->grafik->image());
}

void GraphExportTest::svgDrawsThePlot() {
    const QString path = dir.filePath("plot.svg");
    QCOMPARE(actions->saveGraph(path), QString());
    QSvgRenderer svg(path);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 600, 400));
    QImage drawn(600, 400, QImage::Format_RGB32);
    drawn.fill(Qt::gray);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    // Black ground, the white x axis, the marker of the root at sqrt(2).
    QCOMPARE(QColor(drawn.pixel(550, 350)), QColor(Qt::black));
    QVERIFY(QColor(drawn.pixel(550, 199)).lightness() + QColor(drawn.pixel(550, 200)).lightness() >
            200);
    QCOMPARE(QColor(drawn.pixel(441, 200)), RootMarkerColour);
}

void GraphExportTest::pdfIsOnePageOfThePlotsSize() {
    const QString path = dir.filePath("plot.pdf");
    QCOMPARE(actions->saveGraph(path), QString());
    const QByteArray pdf = contentOf(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
             1);
    const qsizetype box = pdf.indexOf("/MediaBox");
    QVERIFY2(pdf.contains("/MediaBox [0 0 600.000000 400.000000]"), pdf.mid(box, 40).constData());
}

void GraphExportTest::printsThePlotAndTheList() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath("printed.pdf");
    printer.setOutputFileName(path);
    QVERIFY(actions->print(printer));
    const QByteArray pdf = contentOf(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
}

void GraphExportTest::failedWritesLeaveNoFile_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("unknown suffix") << "plot.gif";
    QTest::newRow("no suffix") << "plot";
    QTest::newRow("missing directory") << "missing/plot.png";
    QTest::newRow("a directory's name") << "taken.svg";
}

void GraphExportTest::failedWritesLeaveNoFile() {
    QFETCH(QString, name);
    QTemporaryDir scratch;
    QVERIFY(QDir(scratch.path()).mkdir("taken.svg"));
    const QString path = scratch.filePath(name);
    QVERIFY(!actions->saveGraph(path).isEmpty());
    QVERIFY(!QFileInfo(path).isFile());
    QCOMPARE(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Ctrl+S saves the plot on the graph tab and the result list elsewhere; Ctrl+P prints.
void GraphExportTest::shortcutsFollowThePage() {
    const QKeySequence save(Qt::CTRL | Qt::Key_S);
    QCOMPARE(actions->drucken_Action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(actions->grafikSpeichern_Action->shortcut(), save);
    QVERIFY(actions->ergebnisseSpeichern_Action->shortcut().isEmpty());
    form->TabWidget->setCurrentIndex(0);
    QVERIFY(actions->grafikSpeichern_Action->shortcut().isEmpty());
    QCOMPARE(actions->ergebnisseSpeichern_Action->shortcut(), save);
    form->TabWidget->setCurrentIndex(1);
    form->menuGleichungenXYZ_Action->trigger();
    QVERIFY(actions->grafikSpeichern_Action->shortcut().isEmpty());
    QCOMPARE(actions->ergebnisseSpeichern_Action->shortcut(), save);
}

QUINT_QTEST_MAIN(GraphExportTest)
#include "graph_export_test.moc"
