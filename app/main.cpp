#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Quandel Tornar v1");
    label.show();
    return app.exec();
}
