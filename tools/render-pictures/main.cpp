// Renders the drawings of resources/pictures-src into the JPEG pictures the
// help dialogs show (resources/Zdjecia), once at the drawing's size and once
// at twice that ("@2x", picked by Qt on high-DPI screens). Run it after
// editing a drawing:
//   render-pictures resources/pictures-src resources/Zdjecia
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: render-pictures SOURCE_DIR OUTPUT_DIR\n";
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (!output.exists() && !QDir().mkpath(output.path())) {
        err << "cannot create " << output.path() << '\n';
        return 1;
    }
    int failures = 0;
    const QStringList drawings = source.entryList({"*.svg"}, QDir::Files, QDir::Name);
    for (const QString& name : drawings) {
        QSvgRenderer renderer(source.filePath(name));
        if (!renderer.isValid()) {
            err << "not a valid drawing: " << name << '\n';
            ++failures;
            continue;
        }
        for (const int scale : {1, 2}) {
            // JPEG has no alpha: paint on white so edges are not blended into black.
            QImage image(renderer.defaultSize() * scale, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            const QString suffix = scale == 1 ? ".jpg" : "@2x.jpg";
            const QString target = output.filePath(QFileInfo(name).completeBaseName() + suffix);
            if (!image.save(target, "JPG", 92)) {
                err << "cannot write " << target << '\n';
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
