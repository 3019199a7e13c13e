// The yardstick for the program's start-up: a Qt window with nothing in it that shows itself
// and quits a moment later. With --with-text it carries one line of text, which is what it
// takes to load the fonts that every real window needs.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    const bool withText = argc > 1 && std::strcmp(argv[1], "--with-text") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(400, 300);
    if (withText) (new QLabel(QStringLiteral("Bare window"), &window))->move(10, 10);
    window.show();
    constexpr int kShownForMs = 1000;
    QTimer::singleShot(kShownForMs, &application, &QApplication::quit);
    return application.exec();
}
