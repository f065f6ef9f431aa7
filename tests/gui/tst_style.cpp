// Style sheets: the NUL rule of Style_Apply, the shipped sheets parse cleanly, and the
// device's current choice (a flat button) stands out from the raised buttons.
#include "support/test_runtime.h"
#include "ui/my_ui_layout.h"
#include "ui/style.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <cmath>

namespace {
QStringList warnings;

void collect(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    // Only the style sheet parser's complaints; the offscreen platform has its own chatter.
    if (type != QtDebugMsg && type != QtInfoMsg
        && (text.contains(QLatin1String("parse")) || text.contains(QLatin1String("style"))))
        warnings << text;
}

QString sourceFile(const char *relative)
{
    return QStringLiteral(KORVANE_SOURCE_DIR) + QLatin1String(relative);
}

int distance(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// How well text in the area stands out: the contrast ratio between the area's most common
// colour (its background) and the pixel that differs most from it (the core of a glyph).
double legibility(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, contrast(background, it.key()));
    return best;
}

// The text part of an item's cell in a view, in the view's own coordinates.
QRect textArea(const QAbstractItemView *view, const QModelIndex &index)
{
    QRect cell = view->visualRect(index);
    cell.setLeft(cell.left() + view->iconSize().width() + 6);
    return cell.translated(view->viewport()->pos());
}
} // namespace

class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qApp->setStyleSheet(QString()); }

    void apply_endsAtNul()
    {
        TestRuntime rt;
        rt.write("/a.qss", QByteArray("QLabel { color: red; }\0QLabel { color: blue; }", 46));
        Style_Apply(rt.path("/a.qss"));
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));
    }

    void apply_latin1AndMissingFile()
    {
        TestRuntime rt;
        rt.write("/b.qss", "/* \xe9 */");
        Style_Apply(rt.path("/b.qss"));
        QCOMPARE(qApp->styleSheet(), QString::fromLatin1("/* \xe9 */"));
        Style_Apply(rt.path("/missing.qss"));
        QCOMPARE(qApp->styleSheet(), QString::fromLatin1("/* \xe9 */"));
        QCOMPARE(Style_ReadText(rt.path("/missing.qss")), QString());
    }

    void shippedSheets_parseWithoutWarnings()
    {
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        Style_Apply(sourceFile("/APP/StyleSheet/default.qss"));
        QWidget w;
        w.setStyleSheet(Style_ReadText(sourceFile("/TitleBar/StyleSheet/SystemTitle.qss")));
        auto *layout = new QHBoxLayout(&w);
        auto *tabs = new QTabWidget;
        tabs->addTab(new MyUiLayout, QStringLiteral("Tab"));
        layout->addWidget(tabs);
        auto *combo = new QComboBox;
        combo->addItems({"a", "b"});
        layout->addWidget(combo);
        layout->addWidget(new QLineEdit);
        layout->addWidget(new QGroupBox(QStringLiteral("Group")));
        auto *title = new QPushButton;
        title->setObjectName(QStringLiteral("TitleBarClose"));
        layout->addWidget(title);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.grab();
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
        QVERIFY(!qApp->styleSheet().isEmpty());
    }

    void flatButton_standsOutAfterSetFlat()
    {
        Style_Apply(sourceFile("/APP/StyleSheet/default.qss"));
        QWidget w;
        auto *layout = new QHBoxLayout(&w);
        auto *raised = new QPushButton(QStringLiteral("SINGLE"));
        auto *current = new QPushButton(QStringLiteral("PIP"));
        raised->setFixedSize(100, 30);
        current->setFixedSize(100, 30);
        layout->addWidget(raised);
        layout->addWidget(current);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint probe(8, 15);
        const QColor before = current->grab().toImage().pixelColor(probe);
        QCOMPARE(before, raised->grab().toImage().pixelColor(probe));

        // Pages mark the device's choice after the sheet was applied.
        current->setFlat(true);
        const QColor flat = current->grab().toImage().pixelColor(probe);
        QVERIFY2(distance(flat, raised->grab().toImage().pixelColor(probe)) > 200,
                 qPrintable(flat.name()));
        current->setFlat(false);
        QCOMPARE(current->grab().toImage().pixelColor(probe), before);
    }

    // The panel's sheet makes all text light; every view of the standard file dialog (the EDID
    // file chooser) must then be dark below it, and a message box's text must stand out.
    void fileDialog_staysReadable()
    {
        Style_Apply(sourceFile("/APP/StyleSheet/default.qss"));
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("meeting-room.bin")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QFileDialog dialog(nullptr, QStringLiteral("Select Edid File"), dir.path(),
                           QStringLiteral("Bin File(*.bin)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setViewMode(QFileDialog::Detail);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto *files = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
        QVERIFY(files);
        QModelIndex item;
        QTRY_VERIFY_WITH_TIMEOUT((item = files->model()->index(0, 0, files->rootIndex())).isValid(),
                                 10000);
        const QImage shot = dialog.grab().toImage();
        const QPoint at = files->mapTo(&dialog, QPoint(0, 0));
        const double name = legibility(shot, textArea(files, item).translated(at));
        QVERIFY2(name >= 4.5, qPrintable(QString::number(name)));
        const double header
            = legibility(shot,
                         QRect(files->header()->mapTo(&dialog, QPoint(0, 0)),
                               QSize(files->header()->sectionSize(0), files->header()->height())));
        QVERIFY2(header >= 4.5, qPrintable(QString::number(header)));

        auto *places = dialog.findChild<QListView *>(QStringLiteral("sidebar"));
        QVERIFY(places && places->model()->rowCount() > 0);
        const QModelIndex place = places->model()->index(0, 0);
        const double sidebar = legibility(
            shot, textArea(places, place).translated(places->mapTo(&dialog, QPoint(0, 0))));
        QVERIFY2(sidebar >= 4.5, qPrintable(QString::number(sidebar)));
    }

    void messageBox_staysReadable()
    {
        Style_Apply(sourceFile("/APP/StyleSheet/default.qss"));
        QMessageBox box;
        box.setText(QStringLiteral("Restore the device's factory settings?"));
        box.addButton(QStringLiteral("YES"), QMessageBox::YesRole);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage shot = box.grab().toImage();
        const QList<QLabel *> labels = box.findChildren<QLabel *>();
        QLabel *text = nullptr;
        for (QLabel *label : labels) {
            if (label->text() == box.text())
                text = label;
        }
        QVERIFY(text);
        const double ratio = legibility(shot, text->geometry());
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    }

    void myUiLayout_backgroundFromClassSelector()
    {
        qApp->setStyleSheet(QStringLiteral("MyUiLayout { background-color: #123456; }"));
        MyUiLayout section;
        section.resize(50, 50);
        section.show();
        QVERIFY(QTest::qWaitForWindowExposed(&section));
        QCOMPARE(section.grab().toImage().pixelColor(25, 25), QColor(0x12, 0x34, 0x56));
    }
};

QTEST_MAIN(TestStyle)
#include "tst_style.moc"
