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
        QCOMPARE(QImage(QStringLiteral(":/appicon/kostbilanz-%1.png").arg(size.width())).size(), size);
        QVERIFY2(qAlpha(image.pixel(size.width() / 2, size.height() / 2)) == 255,
                 qPrintable(QStringLiteral("the plate's middle is transparent at %1 px").arg(size.width())));
    }
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
