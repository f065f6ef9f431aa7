// The desktop icon drawn at build time: every hicolor size is there at its size, and the SVG
// for the scalable folder shows the same mark as the painted pictures (same tile, same cells,
// same colours), since both come from one set of shapes.
#include <QFile>
#include <QImage>
#include <QRectF>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QString Icons = QStringLiteral(KORVANE_BINARY_DIR "/desktop/icons/hicolor/");

struct SvgRect
{
    QRectF rect;
    QString fill;
};

QList<SvgRect> svgRects(const QByteArray &svg)
{
    QList<SvgRect> rects;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("rect"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        rects.append({QRectF(a.value("x").toDouble(), a.value("y").toDouble(),
                             a.value("width").toDouble(), a.value("height").toDouble()),
                      a.value("fill").toString()});
    }
    return rects;
}
} // namespace

class TestDesktopIcon : public QObject
{
    Q_OBJECT

private slots:
    void pngSizes_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256, 512})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void pngSizes()
    {
        QFETCH(int, size);
        const QImage icon(Icons + QStringLiteral("%1x%1/apps/korvane.png").arg(size));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0); // a rounded tile: the corners stay clear
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }

    void svg_matchesThePaintedIcon()
    {
        QFile file(Icons + QStringLiteral("scalable/apps/korvane.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("viewBox=\"0 0 256 256\""));
        const QList<SvgRect> rects = svgRects(svg);
        QCOMPARE(rects.size(), 5); // the tile and the four windows
        QCOMPARE(rects.at(0).fill, QStringLiteral("url(#tile)"));
        QCOMPARE(rects.at(1).fill, QStringLiteral("#22b0a0")); // the lit window, top left
        for (int i = 2; i < 5; ++i)
            QCOMPARE(rects.at(i).fill, QStringLiteral("#8a96a8"));

        const QImage painted(Icons + QStringLiteral("256x256/apps/korvane.png"));
        QCOMPARE(painted.size(), QSize(256, 256));
        for (int i = 1; i < 5; ++i) {
            const QPoint centre = rects.at(i).rect.center().toPoint();
            QCOMPARE(QColor(painted.pixel(centre)).name(), rects.at(i).fill);
        }
        // Outside the tile the painted icon is clear; just inside it, it is not.
        const QRectF tile = rects.at(0).rect;
        QCOMPARE(qAlpha(painted.pixel(int(tile.left()) - 2, 128)), 0);
        QCOMPARE(qAlpha(painted.pixel(int(tile.left()) + 2, 128)), 255);
    }
};

QTEST_GUILESS_MAIN(TestDesktopIcon)
#include "tst_desktop_icon.moc"
