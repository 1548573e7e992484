// Draws the usage text of the info window (ui/lizenz/usage.html) into the picture that the window
// shows (ui/lizenz/usage.png): 792 pixels wide and as high as the text needs, since the window
// scrolls a picture of any height. The picture is committed with the text; run this after
// editing the text:
//
//   cmake --build <build folder> --target render_info_picture
//   <build folder>/bin/render_info_picture ui/lizenz/usage.html ui/lizenz/usage.png
//
// It uses a font every Debian desktop has, so the picture comes out the same on every
// developer's machine.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QTextStream>

#include <cmath>

namespace {

constexpr int PictureWidth = 792;
constexpr int Margin = 24;
constexpr int BodyPixelSize = 14;

int fail(const QString &message)
{
    QTextStream(stderr) << "render_info_picture: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    // Nothing is shown; without a display the offscreen platform still has fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return fail(QStringLiteral("usage: render_info_picture <usage.html> <usage.png>"));

    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly))
        return fail(arguments.at(1) + QStringLiteral(": ") + source.errorString());
    const QString html = QString::fromUtf8(source.readAll());

    const QString family = QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPixelSize(BodyPixelSize);
    if (QFontInfo(font).family() != family)
        return fail(QStringLiteral("font \"%1\" is not installed (Debian: fonts-dejavu-core)").arg(family));

    // The text is laid out against an image of the final resolution, 96 dots per inch, so that
    // point sizes in the text, if any, give the same pixels everywhere; its height is then known.
    QImage layoutDevice(1, 1, QImage::Format_RGB32);
    layoutDevice.setDotsPerMeterX(3780);
    layoutDevice.setDotsPerMeterY(3780);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&layoutDevice);
    document.setDefaultFont(font);
    document.setDocumentMargin(Margin);
    document.setHtml(html);
    document.setTextWidth(PictureWidth);
    const int height = int(std::ceil(document.size().height()));

    QImage picture(PictureWidth, height, QImage::Format_RGB32);
    picture.setDotsPerMeterX(layoutDevice.dotsPerMeterX());
    picture.setDotsPerMeterY(layoutDevice.dotsPerMeterY());
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::TextAntialiasing);
        document.drawContents(&painter, QRectF(0, 0, PictureWidth, height));
    }
    if (!picture.save(arguments.at(2), "PNG"))
        return fail(arguments.at(2) + QStringLiteral(": cannot be written"));

    QTextStream(stdout) << arguments.at(2) << ": " << PictureWidth << " x " << height << '\n';
    return 0;
}
