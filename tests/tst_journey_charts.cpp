// The NPV-profile chart as a user meets it: appraise project A alone, add B and
// appraise again, click a marker, move the scale slider with the mouse and the
// keys, make the project window small, narrow and large. After each step the
// chart shows what it draws (no stale pixels) and one clean set of rate labels
// (no text over another or under a slider, each a row label of the chart's
// data, evenly spaced by a multiple of the scale), and its whole footnote, or
// the footnote cut with the whole text in its tool tip. A screen reader finds
// the two sliders and moves them as the mouse does. Printed to a PDF file in
// portrait, the chart is drawn in vectors, with its texts as text.
#include "Journey.h"
#include "ProfileChartView.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QClipboard>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QToolTip>

#include <QChartView>
#include <QXYSeries>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// A text of the chart as drawn: what it says and where, in the chart's pixels.
struct Shown
{
    QString text;
    QRectF rect;
};

QList<Shown> shownTexts(const QGraphicsView *chart)
{
    QList<Shown> texts;
    for (const QGraphicsItem *item : chart->scene()->items()) {
        QString text;
        if (const auto *simple = dynamic_cast<const QGraphicsSimpleTextItem *>(item))
            text = simple->text();
        else if (const auto *rich = dynamic_cast<const QGraphicsTextItem *>(item))
            text = rich->toPlainText();
        if (item->isVisible() && !text.trimmed().isEmpty())
            texts.append({text, chart->mapFromScene(item->sceneBoundingRect()).boundingRect()});
    }
    return texts;
}

// Every slider in the accessible tree below the main window.
QList<QAccessibleInterface *> accessibleSliders(QAccessibleInterface *from)
{
    QList<QAccessibleInterface *> found;
    if (!from)
        return found;
    if (from->role() == QAccessible::Slider && !from->state().invisible)
        found.append(from);
    for (int k = 0; k < from->childCount(); ++k)
        found += accessibleSliders(from->child(k));
    return found;
}

class ChartJourney : public Journey
{
public:
    QStringList rows; // the large chart's row labels

    QChartView *chart() const { return control<QChartView>(u"MSChart1"_s); }
    QSlider *slider(const QString &name) const { return control<QSlider>(name); }

    // The large chart's data as Copy Chart puts them on the clipboard: a header
    // line, then row r as line r, its label first.
    QStringList copiedData()
    {
        choose({u"Valorix"_s, shown(find(u"mcopy"_s)->text())});
        return QGuiApplication::clipboard()->text().split(u"\r\n"_s, Qt::SkipEmptyParts);
    }
    QStringList rowLabels()
    {
        QStringList labels;
        for (const QString &line : copiedData().mid(1))
            labels.append(line.section(u'\t', 0, 0));
        return labels;
    }

    // A screen reader finds the two sliders under names of their own and moves
    // them as the mouse does: the scale to its least, the footnote off.
    void moveSlidersAsAScreenReader()
    {
        QList<QAccessibleInterface *> sliders = accessibleSliders(QAccessible::queryAccessibleInterface(window.get()));
        QCOMPARE(sliders.size(), 2);
        std::sort(sliders.begin(), sliders.end(), [](auto *a, auto *b) { return a->rect().left() < b->rect().left(); });
        const QString name = sliders[0]->text(QAccessible::Name), other = sliders[1]->text(QAccessible::Name);
        QVERIFY(!name.isEmpty() && !other.isEmpty() && name != other); // the scale's at the left
        QAccessibleValueInterface *scale = sliders[0]->valueInterface(), *footnote = sliders[1]->valueInterface();
        QVERIFY(scale && footnote && footnote->currentValue().toInt() == 2);
        QCOMPARE(sliders[1]->text(QAccessible::Description), u"Footnote  Yes"_s);
        scale->setCurrentValue(scale->minimumValue());
        QCOMPARE(this->scale(), scale->minimumValue().toInt());
        QCOMPARE(problems(u"least scale by a screen reader"_s), QString());
        footnote->setCurrentValue(1);
        QCOMPARE(sliders[1]->text(QAccessible::Description), u"Footnote  No"_s);
        QCOMPARE(problems(u"footnote off by a screen reader"_s), QString());
    }

    // The scale as the slider's tool tip says it.
    int scale() const { return slider(u"Slider1"_s)->toolTip().section(u' ', 1).toInt(); }

    // What hovering over `at` (chart pixels) shows as tool tip.
    QString toolTipAt(QPointF at) const
    {
        QWidget *viewport = chart()->viewport();
        const QPoint local = viewport->mapFrom(chart(), at.toPoint());
        QHelpEvent help(QEvent::ToolTip, local, viewport->mapToGlobal(local));
        QApplication::sendEvent(viewport, &help);
        const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        return text;
    }

    // What is wrong with the chart as it is drawn now, after the step `when`;
    // empty when nothing is.
    QString problems(const QString &when)
    {
        const QString found = firstProblem();
        return found.isEmpty() ? found : when + u": "_s + found;
    }

private:
    QString firstProblem()
    {
        for (const QString &name : {u"MSChart1"_s, u"MSChart2"_s, u"MSChart3"_s}) {
            if (const int stale = stalePixels(control(name)))
                return u"%1 stale pixels of %2 on the screen"_s.arg(stale).arg(name);
        }
        QChartView *view = chart();
        const QList<Shown> texts = shownTexts(view);
        for (int a = 0; a < texts.size(); ++a) {
            for (int b = a + 1; b < texts.size(); ++b) {
                if (texts[a].rect.intersects(texts[b].rect))
                    return u"\"%1\" over \"%2\""_s.arg(texts[a].text, texts[b].text);
            }
        }
        for (const Shown &t : texts) {
            if (!QRectF(view->rect()).contains(t.rect))
                return u"\"%1\" outside the chart"_s.arg(t.text);
            for (const QSlider *s : {slider(u"Slider1"_s), slider(u"Slider6"_s)}) {
                if (s->isVisible() && QRectF(placeOf(s, view)).intersects(t.rect))
                    return u"\"%1\" under %2"_s.arg(t.text, s->objectName());
            }
        }
        // Below the plot: first the rate labels, on one line, then the footnote's lines.
        const QChart *plot = view->chart();
        const qreal plotBottom = view->mapFromScene(plot->mapToScene(plot->plotArea().bottomLeft())).y();
        QList<Shown> byPlace = texts, labels, footnote;
        std::sort(byPlace.begin(), byPlace.end(), [](const Shown &a, const Shown &b) {
            return std::pair(a.rect.top(), a.rect.left()) < std::pair(b.rect.top(), b.rect.left());
        });
        for (const Shown &t : byPlace) {
            if (t.rect.top() > plotBottom)
                (labels.isEmpty() || qAbs(t.rect.top() - labels[0].rect.top()) < 2 ? labels : footnote).append(t);
        }
        if (labels.size() < 2)
            return u"fewer than two rate labels"_s;
        const QString problem = labelProblems(labels);
        return problem.isEmpty() ? footnoteProblems(footnote) : problem;
    }

    // The labels stand on rows 0, d, 2d... to the last, d a multiple of the scale.
    QString labelProblems(const QList<Shown> &labels) const
    {
        const qsizetype d = rows.indexOf(labels[1].text) - rows.indexOf(labels[0].text), last = labels.size() - 1;
        for (qsizetype k = 0; k <= last; ++k) {
            if (rows.indexOf(labels[k].text) != k * d)
                return u"label \"%1\" not on row %2"_s.arg(labels[k].text).arg(k * d);
        }
        if (d <= 0 || d % std::max(scale(), 1) != 0 || last * d + d < rows.size())
            return u"labels %1 rows apart at scale %2, the last on row %3"_s.arg(d).arg(scale()).arg(last * d);
        return {};
    }

    QString footnoteProblems(const QList<Shown> &lines) const
    {
        const QString whole = QAccessible::queryAccessibleInterface(chart())->text(QAccessible::Description);
        if (slider(u"Slider6"_s)->value() != 2)
            return lines.isEmpty() ? QString() : u"a hidden footnote shows"_s;
        QStringList texts;
        for (const Shown &shown : lines) {
            for (const QString &line : shown.text.split(u'\n'))
                texts.append(line.trimmed());
        }
        const QString drawn = texts.join(u' ');
        if (drawn == whole)
            return {};
        if (!drawn.endsWith(QChar(0x2026)) || !whole.startsWith(drawn.chopped(1).trimmed()))
            return u"footnote \"%1\" is not \"%2\""_s.arg(drawn, whole);
        if (toolTipAt(lines.last().rect.center()) != whole)
            return u"the cut footnote's tool tip is not the whole footnote"_s;
        return {};
    }
};

} // namespace

class TestJourneyCharts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void profileStaysReadable_data() { addRowsFromTsv("journey-locales.tsv"); }
    void profileStaysReadable()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        ChartJourney j;
        j.start(locale == u"pt_BR" ? PortugueseSettings : QByteArray());
        j.enterWithReturn(u"Text(0)"_s, u"2"_s);
        j.typeFlows(1, {u"-1000"_s, u"700"_s, u"500"_s});
        j.enterWithReturn(u"Text(1)"_s, u"10"_s);
        j.rows = j.rowLabels();
        QCOMPARE(j.problems(u"A alone"_s), QString());
        j.typeFlows(3, {u"-1500"_s, u"700"_s, u"1200"_s});
        j.enterWithReturn(u"Text(1)"_s, u"10"_s);
        j.rows = j.rowLabels();
        QCOMPARE(j.problems(u"A and B"_s), QString());

        // A click on the discount rate's marker reads its rate and NPV out, in the
        // status bar and in the chart's tool tip.
        const auto *view = qobject_cast<const ProfileChartView *>(j.chart());
        const QPointF marker = view->series(3)->points().constFirst();
        j.click(view, view->mapFromScene(view->chart()->mapToScene(view->chart()->mapToPosition(marker))));
        const QStringList row = j.copiedData().at(int(marker.x())).split(u'\t'); // the data's row of the marker
        const QString npv = QLocale().toString(QLocale().toDouble(row[3]), 'f', 2);
        QCOMPARE(j.status(u"datapoint"_s), u"i "_s + row[0] + u" NPV "_s + npv);
        QCOMPARE(view->toolTip(), u"NPV(%1) = $ %2"_s.arg(row[0], npv));

        // The scale slider, at 8 (A alone's scale, which fits B's range of 10 still):
        // a click on its groove pages (1.5 times the least scale) towards the click,
        // then the keys take it to its least scale (10 / 4, half to even), its
        // largest (twice 10) and back a page.
        QSlider *slider = j.slider(u"Slider1"_s);
        const std::pair<std::function<void()>, int> moves[] = {
            {[&] { j.click(slider, QPoint(slider->width() - 4, slider->height() / 2)); }, 11},
            {[&] { j.press(Qt::Key_Home); }, 2},
            {[&] { j.press(Qt::Key_End); }, 20},
            {[&] { j.press(Qt::Key_PageDown); }, 17},
        };
        for (const auto &[move, scale] : moves) {
            move();
            QCOMPARE(j.scale(), scale);
            QCOMPARE(j.problems(u"scale %1"_s.arg(scale)), QString());
        }

        // The window small, then so narrow that the footnote cannot stand whole,
        // then as large as the main window lets it be.
        j.clickCell(3, 3);
        QMdiSubWindow *window = j.activeWindow();
        for (const QSize size : {QSize(760, 460), QSize(560, 400)}) {
            const QPoint corner = window->mapToGlobal(QPoint(window->width() - 3, window->height() - 3));
            j.drag(corner, corner - QPoint(window->width() - size.width(), window->height() - size.height()));
            QCOMPARE(window->size(), size);
            QCOMPARE(j.problems(u"window %1 wide"_s.arg(size.width())), QString());
        }
        // A resize brings the current cell, and the cell editor over it, back to
        // period 0 of A.
        QCOMPARE(j.currentCell(), QPoint(1, 1));
        QCOMPARE(Journey::placeOf(j.control(u"TCell"_s)), j.cellPlace(1, 1).adjusted(1, 1, -1, -1));
        j.doubleClickAt(window->mapToGlobal(QPoint(window->width() / 2, 8))); // the title bar
        QVERIFY2(window->isMaximized(), "the window is not maximized");
        QCOMPARE(j.problems(u"large window"_s), QString());
        j.moveSlidersAsAScreenReader();
    }

    // The largest profile the program draws, 32,659 rows: each line holds a few
    // points per pixel column, and a click on A's line halfway, where it lies far
    // from B's line and the markers, reads out a row under the pointer.
    void largestProfile()
    {
        QLocale::setDefault(English);
        ChartJourney j;
        j.start({}, {QStringLiteral(PELMORA_TEST_DATA "/golden/largest-profile.vlx")});
        const auto *view = qobject_cast<const ProfileChartView *>(j.chart());
        const QStringList data = j.copiedData();
        const int rows = 32659, middle = rows / 2;
        QCOMPARE(data.size(), 1 + rows);
        const qreal columns = std::ceil(view->chart()->plotArea().width() * view->devicePixelRatioF());
        for (int column : {1, 2})
            QCOMPARE_LE(view->series(column)->count(), 4 * (columns + 1));
        const QPointF at =
            view->chart()->mapToPosition(QPointF(middle, QLocale().toDouble(data.at(middle).section(u'\t', 1, 1))),
                                         view->series(1));
        j.click(view, view->mapFromScene(view->chart()->mapToScene(at)));
        const QString label = j.status(u"datapoint"_s).section(u' ', 1, 1);
        const auto found = std::find_if(data.begin() + 1, data.end(),
                                        [&](const QString &line) { return line.section(u'\t', 0, 0) == label; });
        QVERIFY2(found != data.end(), qPrintable(j.status(u"datapoint"_s)));
        QVERIFY(std::abs(found - data.begin() - middle) <= rows / columns); // within a pixel column
        const QString npv = QLocale().toString(QLocale().toDouble(found->section(u'\t', 1, 1)), 'f', 2);
        QCOMPARE(j.status(u"datapoint"_s), u"i "_s + label + u" NPV "_s + npv);
    }

    // Set up for portrait, a No that leaves the dialog open, then Yes: one portrait
    // page in the PDF file, with lines and texts and no picture.
    void printsVectorPdf()
    {
        QLocale::setDefault(English);
        ChartJourney j;
        j.startWithExample();
        j.printers.setups = {PrintOrientation::Portrait};
        j.printers.answers = {false, true};
        j.printers.pdfPath = j.folder.filePath(u"chart.pdf"_s);
        QSize preview;
        inModalDialog(
            [&] {
                j.choose({u"Valorix"_s, u"Print Chart"_s});
            },
            [&](QWidget *dialog) {
                j.click(dialog->findChild<QPushButton *>(u"csetup"_s));
                preview = dialog->findChild<QWidget *>(u"Picture1"_s)->size();
                j.click(dialog->findChild<QPushButton *>(u"cok"_s));
                QVERIFY(dialog->isVisible() && !QFile::exists(j.printers.pdfPath));
                j.click(dialog->findChild<QPushButton *>(u"cok"_s));
            });
        QVERIFY(preview.height() > preview.width());
        QCOMPARE(j.printers.questions, QStringList(2, u"The graphic will be send to PDF File - Portrait"_s));
        QCOMPARE(j.settings.PrintOrient, PrintOrientation::Portrait);

        const QString pdf = QString::fromLatin1(j.readFile(u"chart.pdf"_s));
        QCOMPARE(pdf.count(QRegularExpression(u"/Type\\s*/Page\\b(?!s)"_s)), 1);
        const auto box = QRegularExpression(u"/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"_s).match(pdf);
        QVERIFY(box.hasMatch() && box.captured(1).toDouble() < box.captured(2).toDouble());
        QVERIFY2(!pdf.contains(u"/Subtype /Image"_s), "the chart went to the page as a bitmap");
        QVERIFY2(pdf.contains(u"/FontDescriptor"_s), "no text on the page");
    }

    void popupMenusOnRelease_data() { addRowsFromTsv("journey-popup-menus.tsv"); }

    // Each control's pop-up menu comes when the right button comes up, not before.
    void popupMenusOnRelease()
    {
        QFETCH(QString, control);
        ChartJourney j;
        j.startWithExample();
        if (control == u"ListView1")
            j.click(j.control(u"Command(9)"_s));
        const QWidget *under = j.control(control);
        j.buttonOver(under, Qt::RightButton, true);
        QVERIFY(!QApplication::activePopupWidget());
        j.buttonOver(under, Qt::RightButton, false);
        const QWidget *popup = QApplication::activePopupWidget();
        QTEST(popup ? popup->objectName() : QString(), "menu");
        Journey::closePopups();
    }
};

QTEST_MAIN(TestJourneyCharts)
#include "tst_journey_charts.moc"
