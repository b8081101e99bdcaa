// quelmor-ico2png IN.ico OUT.png: the window icon as a PNG picture for the desktop menus.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quelmor-ico2png IN.ico OUT.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "quelmor-ico2png: cannot read %s\n", argv[1]);
        return 1;
    }
    if (!icon.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "quelmor-ico2png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
