#include "display/qt/PageFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QtTest>

namespace tp {

class PageFontTest : public QObject {
    Q_OBJECT

  private slots:
    void measuringAgainStartsFromThePreviousUnits() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(11);
        const QImage surface(1, 1, QImage::Format_RGB32);
        const QFontMetrics metrics(font, &surface);
        int widthSum = 0;
        for (char16_t c = u'0'; c <= u'z'; ++c)
            widthSum += metrics.horizontalAdvance(QChar(c));
        const int heightSum = 75 * metrics.height();

        int w = 0;
        int h = 0;
        measureUnits(font, w, h);
        QCOMPARE(w, widthSum / 74);
        QCOMPARE(h, heightSum / 74);
        const int firstW = w;
        const int firstH = h;
        measureUnits(font, w, h);
        QCOMPARE(w, (firstW + widthSum) / 74);
        QCOMPARE(h, (firstH + heightSum) / 74);
        QVERIFY(w >= firstW && h >= firstH);
        QCOMPARE(unitsOfFont(font), (LayoutUnits{firstW, firstH}));
    }

    void fontFollowsNameSizeAndStyleBits_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::newRow("plain") << 0 << false << false << false << false;
        QTest::newRow("bold") << 256 << true << false << false << false;
        QTest::newRow("italic") << 512 << false << true << false << false;
        QTest::newRow("underline, strike-out, quality")
            << 4 + 8 + 16 << false << false << true << true;
    }

    void fontFollowsNameSizeAndStyleBits() {
        QFETCH(int, style);
        const auto font = pageFontOf({"DejaVu Serif", 14, style});
        QVERIFY(font.has_value());
        QCOMPARE(font->family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font->pointSize(), 14);
        QTEST(font->bold(), "bold");
        QTEST(font->italic(), "italic");
        QTEST(font->underline(), "underline");
        QTEST(font->strikeOut(), "strikeOut");
    }

    void systemMeansTheDesktopFont() {
        const auto font = pageFontOf(FontChoice{}); // "System", 10 points
        QVERIFY(font.has_value());
        QCOMPARE(font->family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QCOMPARE(font->pointSize(), 10);
    }

    void unusableSizeFallsBackToEightByTwelve() {
        for (const int size : {0, -3, 100000}) {
            const auto font = pageFontOf({"System", size, 0});
            QVERIFY(!font.has_value());
            QCOMPARE(unitsOfFont(font), kFallbackUnits);
        }
    }
};

} // namespace tp

QTEST_MAIN(tp::PageFontTest)
#include "PageFontTest.moc"
