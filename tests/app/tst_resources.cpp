// Every picture the program asks for by resource path is compiled in and can
// be drawn; a misspelt or missing file would otherwise show an empty button.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtTest>

#include "resources/Resources.h"

class TstResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }

    void iconsRender_data()
    {
        QTest::addColumn<QString>("path");
        const char* const paths[] = {
            // drying page and main window
            ":/icons2/paid/dryer.svg",
            ":/table-line.svg",
            ":/pdf-files.svg",
            ":/upload-file (1).svg",
            ":/file-download (1).svg",
            ":/broom-cleaning.svg",
            ":/play-button.svg",
            ":/icons2/free/stop-button-round.svg",
            // firmware dialog
            ":/icons/confirm-icon.svg",
            ":/icons/red-x-icon.svg",
            // search page
            ":/magnifier-glass.svg",
            ":/icons/signal-tower-icon.svg",
            ":/electric-plugin.svg",
            ":/no-electric-plug.svg",
            ":/icons/ban-magnifier.svg",
            ":/setting.svg",
            ":/info-circle.svg",
            // drying-settings page
            ":/icons2/paid/dryerConfig.svg",
            ":/filter.svg",
            ":/icons2/paid/eye.svg",
            ":/icons/line-angle-down-icon.svg",
            ":/icons/line-angle-up-icon.svg",
            ":/icons/trash-bin-icon.svg",
            ":/icons/line-angle-right-icon.svg",
            ":/icons/line-angle-left-icon.svg",
            // terminal page
            ":/cmd-terminal.svg",
            ":/heartbeat.svg",
            ":/icons2/free/web-page-source-code.svg",
            ":/business-management.svg",
            ":/database-upload.svg",
            ":/direction-corner-top-left.svg",
            // profile charts and the logo
            ":/dryerCharts/chart_dryer_standard.svg",
            ":/dryerCharts/chart_dryer_slow.svg",
            ":/dryerCharts/chart_dryer_step.svg",
            ":/dryerCharts/chart_dryer_fast.svg",
            ":/logo.svg",
        };
        for (const char* path : paths)
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    // Rendered at a tool-bar size, a drawing must leave opaque pixels that the
    // checked look can recolour, and transparent ones around them.
    void iconsRender()
    {
        QFETCH(QString, path);
        QSvgRenderer renderer(path);
        QVERIFY2(renderer.isValid(), qPrintable(path));
        QVERIFY(!renderer.defaultSize().isEmpty());
        const QImage image = QIcon(path).pixmap(30, 30).toImage();
        QVERIFY(!image.isNull());
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(opaque > 30, qPrintable(path));
    }

    void photosLoad_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"interfejs", "rs232cable", "konwerter_rs232_usb", "port_rs",
                                 "port_com", "usb_gniazdo_wagi", "kabel_usb", "porty_usb",
                                 "interfejs_ethernet", "rj45_img1", "switch", "porty_ethernet"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // The help dialogs show the pictures unscaled; the high-DPI twin must be
    // exactly twice as large or Qt would show it at the wrong size.
    void photosLoad()
    {
        QFETCH(QString, name);
        const QImage normal(":/Zdjecia/" + name + ".jpg");
        const QImage twice(":/Zdjecia/" + name + "@2x.jpg");
        QVERIFY2(!normal.isNull(), qPrintable(name));
        QVERIFY(normal.width() >= 120 && normal.width() <= 200);
        QCOMPARE(twice.size(), normal.size() * 2);
    }
};

QTEST_MAIN(TstResources)
#include "tst_resources.moc"
