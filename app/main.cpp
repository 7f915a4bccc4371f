#include "InputPanel.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

// Until the main window arrives, the program shows one plain window.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pelmora"));
    auto *label = new QLabel(QStringLiteral("Pelmora — financial appraisal of investment projects"), &window);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(24);
    window.setCentralWidget(label);
    window.resize(640, 400);
    window.show();
    return app.exec();
}
