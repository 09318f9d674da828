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
    // A line at the margin, then a list long enough for three pages.
    void listOnPaper()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        QStringList rows;
        for (int i = 1; i <= 150; ++i)
            rows << QStringLiteral("L%1 45").arg(i, 3, 10, QLatin1Char('0'));
        const PdfText pdf = printAndRead(QStringList{"margin"} + listPrintLines(rows), m_dir.filePath("list.pdf"));
        QCOMPARE(pdf.texts, QStringList{"margin"} + rows.join(' ').split(' ')); // no heading, no footer
        QCOMPARE(pdf.pages, 3);
        QVERIFY(near(pdf.pageWidth, 595) && near(pdf.pageHeight, 842)); // A4 portrait, in points
        for (size_t i = 0; i < pdf.words.size(); ++i)
            QVERIFY2(pdf.words[i].bottom < pdf.pageHeight, qPrintable(pdf.texts[i])); // nothing runs off the paper
        // Evenly spaced lines: the rows start below three empty ones, and a new page is filled from its top.
        const double lineStep = pdf.words[3].y - pdf.words[1].y;
        QVERIFY(lineStep > 8 && near(pdf.words[19].y - pdf.words[1].y, 9 * lineStep));
        QVERIFY(near(pdf.words[1].y - pdf.words[0].y, 4 * lineStep));
        const auto firstOn = [&](int page) {
            return std::find_if(pdf.words.begin(), pdf.words.end(), [page](const Word& w) { return w.page == page; })
                ->y;
        };
        QVERIFY(near(firstOn(2), pdf.words[0].y) && near(firstOn(3), firstOn(2)));
        // A fixed pitch ("L001 " is five characters), and the rows stand sixteen blanks in.
        const double pitch = (pdf.words[2].x - pdf.words[1].x) / 5;
        QVERIFY(near(pdf.words[1].x - pdf.words[0].x, 16 * pitch));
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
