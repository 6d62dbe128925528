// Renders the project's own SVG drawings to PNG files for the resource build.
//
//   render-images <output folder> <drawing.svg>...
//
// Each drawing is rendered at the size its root element declares and written as
// <output folder>/<base name>.png with a transparent background. The exit code is
// non-zero when a drawing cannot be parsed or a file cannot be written, so that a
// broken drawing fails the build instead of leaving an empty image behind.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

bool render(const QString &svgPath, const QDir &outputDir, QTextStream &err)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        err << "render-images: cannot parse " << svgPath << '\n';
        return false;
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) {
        err << "render-images: " << svgPath << " declares no size\n";
        return false;
    }

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    painter.end();

    const QString target = outputDir.filePath(QFileInfo(svgPath).completeBaseName() + QStringLiteral(".png"));
    if (!image.save(target, "PNG")) {
        err << "render-images: cannot write " << target << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application; the build runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        err << "usage: render-images <output folder> <drawing.svg>...\n";
        return 2;
    }

    const QDir outputDir(args.at(1));
    if (!outputDir.exists() && !QDir().mkpath(outputDir.path())) {
        err << "render-images: cannot create " << outputDir.path() << '\n';
        return 1;
    }

    bool ok = true;
    for (int i = 2; i < args.size(); ++i)
        ok = render(args.at(i), outputDir, err) && ok;
    return ok ? 0 : 1;
}
