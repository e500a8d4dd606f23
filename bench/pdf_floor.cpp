// The floors of the benchmark: the least a Qt program does to write a PDF, started and ended
// like Tavo's headless print.
//   tavo_bench_floor blank FILE.pdf   one blank A4 page
//   tavo_bench_floor text FILE.pdf    one page with one word in each of the booklet's five faces
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <cstring>

namespace {

void drawFiveFaces(QPainter &painter)
{
    struct Face
    {
        const char *family;
        bool bold;
        bool italic;
    };
    const Face faces[] = {{"Times New Roman", false, false},
                          {"Times New Roman", true, false},
                          {"Times New Roman", false, true},
                          {"Arial", false, false},
                          {"Arial", true, false}};
    int y = 1000;
    for (const Face &face : faces) {
        QFont font(QString::fromLatin1(face.family), 12);
        font.setBold(face.bold);
        font.setItalic(face.italic);
        painter.setFont(font);
        painter.drawText(1000, y, QStringLiteral("LIBRETTO"));
        y += 500;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const bool text = argc == 3 && std::strcmp(argv[1], "text") == 0;
    if (argc != 3 || (!text && std::strcmp(argv[1], "blank") != 0)) {
        std::fputs("uso: tavo_bench_floor blank|text FILE.pdf\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter painter;
    if (!painter.begin(&writer))
        return 1;
    if (text)
        drawFiveFaces(painter);
    return painter.end() ? 0 : 1;
}
