// The second yardstick: a Qt Widgets program that shows one label, so the cost of the
// first text drawn (fonts, shaping) is on both sides of the comparison.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Korvalde"));
    label.show();
    return QApplication::exec();
}
