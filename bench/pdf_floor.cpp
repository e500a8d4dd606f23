// The floor of the benchmark: the least a Qt program does to write a PDF (start the GUI
// application on the offscreen platform, one blank A4 page through QPrinter, end).
#include <QApplication>
#include <QPainter>
#include <QPrinter>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("uso: tavo_bench_floor FILE.pdf\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter;
    if (!painter.begin(&printer))
        return 1;
    return painter.end() ? 0 : 1;
}
