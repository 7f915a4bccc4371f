// The pictures as the user meets them: each comes from a file compiled into the
// program, and a file that is missing or does not load leaves a blank tool-bar
// button, menu item, command button, status panel or About box.
#include "Journey.h"

#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using namespace pelmora::testing;
using namespace Qt::StringLiterals;

class TestJourneyPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPictureIsDrawn()
    {
        Journey journey;
        journey.start();
        QStringList looked, blank;
        auto look = [&](const QString &where, const QPixmap &picture) {
            looked.append(where);
            // Premultiplied, a pixel that shows nothing is all zeros.
            QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), none = image;
            none.fill(Qt::transparent);
            if (image.isNull() || image == none)
                blank.append(where);
        };

        const auto *toolBar = journey.window->findChild<QToolBar *>();
        for (const QToolButton *button : toolBar->findChildren<QToolButton *>()) {
            if (button->isVisible())
                look(button->toolTip(), button->icon().pixmap(toolBar->iconSize()));
        }
        const QMenuBar *bar = journey.window->menuBar();
        journey.click(bar, bar->actionGeometry(bar->actions().first()).center()); // File
        const QWidget *menu = QApplication::activePopupWidget();
        const int side = menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu);
        for (const QAction *item : menu->actions()) {
            if (QStringList{u"New"_s, u"Open..."_s, u"Save"_s, u"Exit"_s}.contains(Journey::shown(item->text())))
                look(item->text(), item->icon().pixmap(side));
        }
        Journey::closePopups();
        for (const QPushButton *button : journey.activeWindow()->findChildren<QPushButton *>()) {
            if (button->objectName().startsWith(u"Command("_s) && button->text().isEmpty())
                look(button->objectName(), button->icon().pixmap(button->iconSize()));
        }
        for (const QLabel *label : journey.find<QWidget>(u"conectar"_s)->findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                look(u"status"_s, label->pixmap());
        }
        Journey::inDialog([&] { journey.choose({u"Help"_s, u"About Valorix"_s}); }, [&](QWidget *about) {
            for (const QString &image : {u"Image2"_s, u"Image3"_s})
                look(image, about->findChild<QLabel *>(image)->pixmap());
        });
        // The tool bar's 9, 4 menu bitmaps, 7 command buttons, the status picture, the About box's 2.
        QCOMPARE(looked.size(), 9 + 4 + 7 + 1 + 2);
        QVERIFY2(blank.isEmpty(), qPrintable(u"blank pictures: "_s + blank.join(u", "_s)));
    }
};

QTEST_MAIN(TestJourneyPictures)
#include "tst_journey_pictures.moc"
