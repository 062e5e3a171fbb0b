#include "cli/Commands.h"
#include "display/SheetGeometry.h"
#include "support/TemporaryFolder.h"

#include <QImage>
#include <QProcess>
#include <QtTest>

#include <sstream>

namespace tp {

namespace {

struct Run {
    int status = 0;
    std::string out;
    std::string err;
};

Run render(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "render");
    std::ostringstream out;
    std::ostringstream err;
    Run run;
    run.status = cli::runCommandLine(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// Output of one of poppler's tools, or nothing when it is not installed.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class RenderCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no date") << QStringList{};
        QTest::newRow("two dates") << QStringList{"2026-12-07", "2026-12-08"};
        QTest::newRow("no real date") << QStringList{"2026-02-30"};
        QTest::newRow("after 2037-07") << QStringList{"2037-08-01"};
        QTest::newRow("type 8") << QStringList{"2026-12-07", "--type", "8"};
        QTest::newRow("five columns") << QStringList{"2026-12-07", "--columns", "5"};
        QTest::newRow("25 columns") << QStringList{"2026-12-07", "--columns", "25"};
        QTest::newRow("size 0") << QStringList{"2026-12-07", "--size", "0"};
        QTest::newRow("size text") << QStringList{"2026-12-07", "--size", "gross"};
        QTest::newRow("unknown option") << QStringList{"2026-12-07", "--colour", "1"};
        QTest::newRow("option without value") << QStringList{"2026-12-07", "--out"};
        QTest::newRow("jpg file") << QStringList{"2026-12-07", "--out", "seite.jpg"};
        QTest::newRow("no suffix") << QStringList{"2026-12-07", "--out", "seite"};
        QTest::newRow("page too large")
            << QStringList{"2026-12-07", "--columns", "24", "--size", "200"};
    }

    void badArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        std::vector<std::string> words;
        for (const QString& word : arguments)
            words.push_back(word.toStdString());
        const Run run = render(words);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.empty());
        QVERIFY(!run.err.empty());
    }

    void writesThePageAndReportsUnitsAndSize_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("sheet");
        QTest::newRow("default") << QStringList{} << 6 << false;
        QTest::newRow("24 columns") << QStringList{"--columns", "24"} << 24 << false;
        QTest::newRow("four crews, font")
            << QStringList{"--type", "7", "--font", "DejaVu Serif", "--size", "12"} << 6 << false;
        QTest::newRow("sheet") << QStringList{"--type", "5"} << 6 << true;
    }

    void writesThePageAndReportsUnitsAndSize() {
        QFETCH(QStringList, options);
        QFETCH(int, columns);
        QFETCH(bool, sheet);
        const test::TemporaryFolder folder;
        const std::string file = (folder.path() / "seite.png").string();
        std::vector<std::string> words{"2026-12-07", "--out", file};
        for (const QString& option : options)
            words.push_back(option.toStdString());
        const Run run = render(words);
        QCOMPARE(run.status, 0);

        int w = 0, h = 0, width = 0, height = 0;
        QCOMPARE(std::sscanf(run.out.c_str(), "unit_w=%d unit_h=%d width=%d height=%d\n", &w, &h,
                             &width, &height),
                 4);
        const QImage image(QString::fromStdString(file));
        QCOMPARE(image.size(), QSize(width, height));
        QVERIFY(w > 0 && h > 0);
        if (sheet) {
            const SheetFrame frame = sheetFrameFor({w * 18 * columns, 32 * h + 2});
            QCOMPARE(QSize(width, height), QSize(frame.imageSize.width, frame.imageSize.height));
        } else {
            QCOMPARE(QSize(width, height), QSize(w * 18 * columns, 32 * h + 2));
            // The cursor frame stands on 7 December in the first column.
            QCOMPARE(image.pixelColor(0, 7 * h + h / 2), QColor(0, 0, 0));
        }
    }

    // One A4 landscape page on white; the month names, day numbers and the sheet's texts can
    // be found in it.
    void pdfIsOneSearchableA4Page_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("month columns")
            << QString("0") << QStringList{"Dezember 2026", "Mai", "\n31 Do\n"};
        QTest::newRow("shift plan sheet")
            << QString("5") << QStringList{"Schichtplan 2026", "Dezember", "Frühschicht"};
    }

    void pdfIsOneSearchableA4Page() {
        QFETCH(QString, type);
        QFETCH(QStringList, texts);
        const test::TemporaryFolder folder;
        const QString file = QString::fromStdString((folder.path() / "Seite.PDF").string());
        const Run run =
            render({"2026-12-07", "--type", type.toStdString(), "--out", file.toStdString()});
        QCOMPARE(run.status, 0);
        const QString info = popplerOutput("pdfinfo", {file});
        if (info.isEmpty())
            QSKIP("poppler-utils (pdfinfo, pdftotext, pdftoppm) are not installed");
        QVERIFY(info.contains(QRegularExpression("Pages:\\s+1\n")));
        QVERIFY2(info.contains("842 x 595 pts (A4)"), qPrintable(info));
        const QString text = popplerOutput("pdftotext", {file, "-"});
        for (const QString& wanted : texts)
            QVERIFY2(text.contains(wanted), qPrintable(wanted));

        if (type == "0") {
            // The month columns' picture is sharp enough for paper: 300 dpi or more.
            const QStringList images =
                popplerOutput("pdfimages", {"-list", file}).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(images.size(), 3); // two heading lines and the one picture
            const QStringList columns = images[2].split(' ', Qt::SkipEmptyParts);
            QVERIFY2(columns.size() > 13 && columns[12].toInt() >= 300, qPrintable(images[2]));
        }

        // The screen's background colour does not reach the paper.
        const QString png = QString::fromStdString((folder.path() / "seite").string());
        popplerOutput("pdftoppm", {"-r", "30", "-png", "-singlefile", file, png});
        const QImage paper(png + ".png");
        QVERIFY(!paper.isNull());
        QCOMPARE(paper.pixelColor(5, 5), QColor(Qt::white));
        int screenBackground = 0;
        for (int y = 0; y < paper.height(); ++y)
            for (int x = 0; x < paper.width(); ++x)
                screenBackground += paper.pixel(x, y) == qRgb(0xEC, 0xE9, 0xD8);
        QCOMPARE(screenBackground, 0);
    }

    void unwritableFileIsAnErrorWithItsReason() {
        const Run run = render({"2026-12-07", "--out", "/nonexistent-folder/seite.png"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.empty());
        QCOMPARE(
            QString::fromStdString(run.err),
            QStringLiteral("render: /nonexistent-folder/seite.png kann nicht geschrieben werden: "
                           "Der Ordner existiert nicht\n"));
    }

    // An existing image is replaced by a whole one, with nothing left beside it.
    void existingImageIsReplacedWhole() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("seite.png"));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QCOMPARE(render({"2026-12-07", "--out", file.toStdString()}).status, 0);
        QVERIFY(QImage(file).width() > 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"seite.png"});
    }
};

} // namespace tp

QTEST_MAIN(tp::RenderCommandTest)
#include "RenderCommandTest.moc"
