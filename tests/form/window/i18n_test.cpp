// i18n before any application object exists: the text comes back decoded as UTF-8.
#include <QTest>

#include "form/window/i18n.h"

class I18nWithoutApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void decodesUtf8_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << QByteArray("&Abbruch") << QStringLiteral("&Abbruch");
        QTest::newRow("umlaut") << QByteArray("F\xc3\xbchre Berechnungen")
                                << QString::fromUtf16(u"F\u00fchre Berechnungen");
        QTest::newRow("tabs") << QByteArray("\t\tdurch.\n") << QStringLiteral("\t\tdurch.\n");
        QTest::newRow("empty") << QByteArray("") << QString();
    }

    void decodesUtf8() {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QVERIFY(!QCoreApplication::instance());
        QCOMPARE(i18n(text.constData()), expected);
    }

    void nullText() { QVERIFY(i18n(nullptr).isNull()); }
};

QTEST_APPLESS_MAIN(I18nWithoutApplicationTest)
#include "i18n_test.moc"
