// The floor the idle benchmark compares with: a bare Qt Widgets window of the board's size
// showing one label, titled like the program so the same script finds it.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quendo"));
    label.setWindowTitle(QStringLiteral("Quendo"));
    label.resize(922, 691);
    label.show();
    return app.exec();
}
