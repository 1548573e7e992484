#include "appicon.h"

#include <QImage>
#include <QtTest>

class TestAppIcon : public QObject
{
    Q_OBJECT

private slots:
    void everyStoredSizeIsBuiltIn();
};

void TestAppIcon::everyStoredSizeIsBuiltIn()
{
    const QIcon icon = ApplicationIcon();
    QList<QSize> expected;
    for (const int size : {16, 32, 48, 64, 128, 256})
        expected.append(QSize(size, size));
    QCOMPARE(icon.availableSizes(), expected);

    for (const QSize &size : expected) {
        // Each stored picture has the size its name promises and is not empty: a picture
        // rendered at the wrong size would be scaled, blurred, by every window that shows it.
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), size);
        // The built-in pixels are those of the PNG installed for the desktop: after the icon is
        // drawn anew, both come from tools/render_icons.sh or they differ here.
        const QImage png(QStringLiteral(KB_SHIPPED_DATA_DIR "/../desktop/icons/kostbilanz-%1.png").arg(size.width()));
        QCOMPARE(png.size(), size);
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 png.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QVERIFY2(qAlpha(image.pixel(size.width() / 2, size.height() / 2)) == 255,
                 qPrintable(QStringLiteral("the plate's middle is transparent at %1 px").arg(size.width())));
    }
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
