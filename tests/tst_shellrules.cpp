// The main window's rules without widgets: placement in twips at different
// screen resolutions, where project windows open and how they are arranged.
// The rows are tables in tests/data.
#include "ShellRules.h"
#include "TestData.h"

#include <QRegularExpression>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// "1 2 3" or "0,0,33,60 33,0,33,60": the numbers in order.
QList<int> numbers(const QString &text)
{
    QList<int> found;
    for (const QString &number : text.split(QRegularExpression(u"[ ,]"_s), Qt::SkipEmptyParts))
        found.append(number.toInt());
    return found;
}
QList<QRect> rects(const QString &text)
{
    const QList<int> n = numbers(text);
    QList<QRect> found;
    for (qsizetype k = 0; k + 3 < n.size(); k += 4)
        found.append(QRect(n[k], n[k + 1], n[k + 2], n[k + 3]));
    return found;
}
QSize size(const QString &text)
{
    const QList<int> n = numbers(text);
    return n.size() == 2 ? QSize(n[0], n[1]) : QSize();
}

} // namespace

class TestShellRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placement_data() { addRowsFromTsv("placement.tsv"); }
    void placement()
    {
        QFETCH(QString, dpi);
        QFETCH(QString, twips);
        const QList<int> edges = numbers(twips);
        Settings settings;
        settings.valorixTop = std::int16_t(edges[0]);
        settings.valorixLeft = std::int16_t(edges[1]);
        settings.valorixHeight = std::int16_t(edges[2]);
        settings.valorixWidth = std::int16_t(edges[3]);
        QFETCH(QString, outer);
        QCOMPARE(placedWindow(QRect(100, 50, 800, 600), settings, dpi.toInt(), dpi.toInt()), rects(outer).value(0));
    }

    void placementStored_data() { addRowsFromTsv("placement-stored.tsv"); }
    void placementStored()
    {
        QFETCH(QString, outer);
        QFETCH(QString, stored);
        Settings settings;
        settings.valorixWidth = 99;
        storePlacement(settings, rects(outer).value(0), 96, 96);
        QCOMPARE((QList<int>{settings.valorixTop, settings.valorixLeft, settings.valorixHeight, settings.valorixWidth}),
                 numbers(stored));
    }

    void tiling_data() { addRowsFromTsv("tiling.tsv"); }
    void tiling()
    {
        QFETCH(QString, arrangement);
        QFETCH(QString, count);
        QFETCH(QString, minimum);
        QFETCH(QString, rects);
        const Arrangement how = arrangement == u"Vertical" ? Arrangement::Vertical : Arrangement::Horizontal;
        QCOMPARE(tiledRects(how, count.toInt(), QRect(0, 0, 100, 60), size(minimum)), ::rects(rects));
    }

    void cascade_data() { addRowsFromTsv("cascade.tsv"); }
    void cascade()
    {
        QFETCH(QString, count);
        QFETCH(QString, minimum);
        QFETCH(QString, rects);
        QCOMPARE(cascadedRects(count.toInt(), QRect(0, 0, 100, 60), 10, size(minimum)), ::rects(rects));
    }

    void newWindow_data() { addRowsFromTsv("new-window.tsv"); }
    void newWindow()
    {
        QFETCH(QString, previous);
        QFETCH(QString, placed);
        const auto before = previous.isEmpty() ? std::nullopt : std::optional(rects(previous).value(0));
        QCOMPARE(newWindowRect(before, QSize(80, 80), QSize(50, 30), QRect(0, 0, 100, 60), 10), rects(placed).value(0));
    }
};

QTEST_GUILESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
