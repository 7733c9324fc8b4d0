// A Qt program like the planner's tests (an application, a window shown and painted
// offscreen, a message box's worth of widgets) that leaks only when asked: "wyciek" leaks one
// block, "czysty" nothing. So a test can show that leaks are still found in a Qt process and
// that Qt itself leaves no report behind.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

int* volatile gWskaznik = nullptr;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || (std::strcmp(argv[1], "wyciek") != 0 && std::strcmp(argv[1], "czysty") != 0))
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication aplikacja(qtArgc, argv);
    {
        QWidget okno;
        auto* uklad = new QVBoxLayout(&okno);
        uklad->addWidget(new QLabel(QString::fromUtf8("Zażółć gęślą jaźń"), &okno));
        uklad->addWidget(new QPushButton("&OK", &okno));
        okno.resize(320, 200);
        okno.show();
        QApplication::processEvents();
        QImage obraz(okno.size(), QImage::Format_ARGB32_Premultiplied);
        okno.render(&obraz);
    }
    if (std::strcmp(argv[1], "wyciek") == 0) {
        gWskaznik = std::make_unique<int[]>(16).release();
        gWskaznik = nullptr;
    }
    return 0;
}
