#include "Printing.h"
#include "QtPrinterSystem.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{
struct Word
{
    double x;
    double y;
    double bottom;
    int page;
};

// A printed PDF as pdftotext -bbox reads it: its words in reading order, and the page size.
struct PdfText
{
    std::vector<Word> words;
    QStringList texts; // of the words
    int pages = 0;
    double pageWidth = 0;
    double pageHeight = 0;
};

// Prints the lines to a PDF through the same path as a printer job and reads the words back.
PdfText printAndRead(const QStringList& lines, const QString& pdf)
{
    QtPrinterSystem printers;
    printers.setOutputPdf(pdf);
    PdfText text;
    if (!printers.printLines(PreparePrinter(), lines))
        return text;
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    reader.waitForFinished(30000);
    static const QRegularExpression item(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (const QRegularExpressionMatch& m : item.globalMatch(QString::fromUtf8(reader.readAllStandardOutput()))) {
        if (m.capturedLength(1) > 0) {
            ++text.pages;
            text.pageWidth = m.captured(1).toDouble();
            text.pageHeight = m.captured(2).toDouble();
        } else {
            text.texts << m.captured(6);
            text.words.push_back(
                {m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(), text.pages});
        }
    }
    return text;
}

bool near(double a, double b)
{
    return qAbs(a - b) < 0.5;
}
} // namespace

class tst_QtPrinterSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
    }

    void listPrintLayoutOnPaper()
    {
        const QStringList rows{"03 11 19 27 38 45", "05 13 21 30 37 46 (5+B)"};
        const PdfText list = printAndRead(listPrintLines(rows), m_dir.filePath("list.pdf"));
        QCOMPARE(list.texts, rows.join(' ').split(' ')); // the rows and nothing else: no heading, no footer
        QCOMPARE(list.pages, 1);
        QVERIFY(near(list.pageWidth, 595) && near(list.pageHeight, 842)); // A4 portrait, in points

        // pdftotext drops the page margin, and with it leading blanks and empty top lines. So the
        // list is laid over a ruler job: three one-digit lines, then 15 letters and a blank before
        // the first row. Three empty lines and 16 blanks put that row on the very same spot.
        const PdfText ruler =
            printAndRead({"1", "2", "3", QString(15, 'x') + ' ' + rows[0]}, m_dir.filePath("ruler.pdf"));
        QCOMPARE(ruler.words.size(), size_t(10));
        for (int i = 0; i < 6; ++i) {
            const Word& want = ruler.words[4 + i];
            QVERIFY2(near(list.words[i].x, want.x) && near(list.words[i].y, want.y), qPrintable(list.texts[i]));
        }
        // The ruler's own lines are evenly spaced, and the font has a fixed pitch.
        const double lineStep = ruler.words[1].y - ruler.words[0].y;
        QVERIFY(lineStep > 8 && near(ruler.words[3].y - ruler.words[0].y, 3 * lineStep));
        QVERIFY(near(list.words[6].y - list.words[0].y, lineStep));
        QVERIFY(near(ruler.words[4].x - ruler.words[3].x, 16 * (list.words[1].x - list.words[0].x) / 3));
    }

    void longListBreaksPages()
    {
        QStringList rows;
        for (int i = 1; i <= 150; ++i)
            rows << QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0'));
        const PdfText pdf = printAndRead(listPrintLines(rows), m_dir.filePath("long.pdf"));
        QCOMPARE(pdf.pages, 3);
        QCOMPARE(pdf.texts, rows);
        for (size_t i = 0; i < pdf.words.size(); ++i)
            QVERIFY2(pdf.words[i].bottom < pdf.pageHeight, qPrintable(pdf.texts[i])); // nothing runs off the paper
        // A new page is filled from its top: page 2 starts three lines above where page 1's rows did.
        const auto firstOn = [&](int page) {
            return std::find_if(pdf.words.begin(), pdf.words.end(), [page](const Word& w) { return w.page == page; })
                ->y;
        };
        const double lineStep = pdf.words[1].y - pdf.words[0].y;
        QVERIFY(near(firstOn(2), firstOn(1) - 3 * lineStep) && near(firstOn(3), firstOn(2)));
    }

    void failedJobIsReported()
    {
        QtPrinterSystem printers;
        printers.setOutputPdf(m_dir.filePath("missing-folder/list.pdf"));
        QString error;
        QVERIFY(!printers.printLines(PreparePrinter(), listPrintLines({"01 02 03 04 05 06"}), &error));
        QVERIFY2(error.contains("list.pdf"), qPrintable(error));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_QtPrinterSystem)
#include "tst_QtPrinterSystem.moc"
