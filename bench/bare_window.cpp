// The floor for the start-up benchmark: a bare Qt program that shows one
// QWidget with one label, reporting like the real program does.
#include "app/StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Tarvolix")));
    StartupProbe::watch(&window);
    window.show();
    return QApplication::exec();
}
