// Style sheets: the NUL rule of Style_Apply, the shipped sheets parse cleanly, and the
// device's current choice (a flat button) stands out from the raised buttons.
#include "support/test_runtime.h"
#include "ui/my_ui_layout.h"
#include "ui/style.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

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
