#include "Printing.h"
#include "QtPrinterSystem.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// A printed word as pdftotext -bbox reads it back, in points from the page's top left corner.
struct Word
{
    QString text;
    double x;
    double y;
    double bottom;
    int page;
};

bool near(double a, double b)
{
    return qAbs(a - b) < 0.5;
}
} // namespace

// Printing through Qt to a PDF, read back with pdftotext (poppler-utils).
class tst_QtPrinterSystem : public QObject
{
    Q_OBJECT

private slots:
    // A line at the margin, then a list long enough for three A4 pages.
    void listOnPaper()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        QStringList rows;
        for (int i = 1; i <= 150; ++i)
            rows << QStringLiteral("L%1 45").arg(i, 3, 10, QLatin1Char('0'));
        QtPrinterSystem printers;
        printers.setOutputPdf(m_dir.filePath("list.pdf"));
        QVERIFY(printers.printLines(PreparePrinter(), QStringList{"margin"} + listPrintLines(rows)));
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), {"-bbox", m_dir.filePath("list.pdf"), "-"});
        QVERIFY(reader.waitForFinished(30000));
        static const QRegularExpression item(QStringLiteral(
            R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
        std::vector<Word> words;
        QStringList texts;
        int pages = 0;
        for (const QRegularExpressionMatch& m : item.globalMatch(QString::fromUtf8(reader.readAllStandardOutput()))) {
            if (m.capturedLength(1) > 0) {
                ++pages;
                QVERIFY(near(m.captured(1).toDouble(), 595) && near(m.captured(2).toDouble(), 842)); // A4 portrait
                continue;
            }
            texts << m.captured(6);
            words.push_back(
                {m.captured(6), m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(), pages});
            QVERIFY2(words.back().bottom < 842, qPrintable(texts.last())); // nothing runs off the paper
        }
        QCOMPARE(texts, QStringList{"margin"} + rows.join(' ').split(' ')); // no heading, no footer
        QCOMPARE(pages, 3);
        // Evenly spaced lines: the rows start below three empty ones, and a new page is filled from its top.
        const double lineStep = words[3].y - words[1].y;
        QVERIFY(lineStep > 8 && near(words[19].y - words[1].y, 9 * lineStep));
        QVERIFY(near(words[1].y - words[0].y, 4 * lineStep));
        for (int page : {2, 3}) {
            const auto first =
                std::find_if(words.begin(), words.end(), [page](const Word& w) { return w.page == page; });
            QVERIFY2(near(first->y, words[0].y), qPrintable(first->text));
        }
        // A fixed pitch ("L001 " is five characters), and the rows stand sixteen blanks in.
        QVERIFY(near(words[1].x - words[0].x, 16 * (words[2].x - words[1].x) / 5));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_QtPrinterSystem)
#include "tst_QtPrinterSystem.moc"
