// Main window shell: tabs from the page flags, the language selector and the language
// switch, size and position, and the save at exit.
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"
#include "support/test_runtime.h"
#include "ui/frame_geometry.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"
#include "ui/ui_uart_network.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTabWidget>
#include <QtTest>

namespace {
// Dummy flagged pages (beside the window's own connection and multiview pages, which come
// first) that record the text refreshes they are asked for. pages[0] is the connection page,
// pages[2] the multiview page.
struct Pages
{
    QStringList calls;
    QWidget *pages[5] = {};

    void addTo(Ui_Main &w)
    {
        pages[0] = w.connectionPage();
        pages[2] = w.multiviewPage();
        const QString *titles[] = {nullptr, &Ui_Output_AppName, &Ui_Multiview_AppName,
                                   &Ui_Audio_AppName, &Ui_System_AppName};
        const QString *flags[]
            = {nullptr, &Key_UI_Output, &Key_UI_Multiview, &Key_UI_Audio, &Key_UI_System};
        const char *names[] = {"connect", "output", "multiview", "audio", "system"};
        for (int i = 1; i < 5; ++i) {
            if (pages[i])
                continue;
            pages[i] = new QWidget;
            const QString name = QLatin1String(names[i]);
            w.AddPage({pages[i], titles[i], flags[i], [this, name](bool a, bool b) {
                           calls << QStringLiteral("%1(%2,%3)").arg(name).arg(a).arg(b);
                       }});
        }
        w.ApplyTexts(true);
    }
};

QStringList tabTitles(const Ui_Main &w)
{
    QStringList out;
    for (int i = 0; i < w.tabWidget()->count(); ++i)
        out << w.tabWidget()->tabText(i);
    return out;
}

void writeLanguageFiles(const TestRuntime &rt, const QString &otherPrefix)
{
    rt.writeLanguage(EnglishIni);
    for (int i = 0; i < LanguageTableSize; ++i) {
        if (QLatin1String(LanguageTable[i].key)
                .startsWith(QLatin1String("ScomboBox_LanguageSelect")))
            continue;
        *LanguageTable[i].value = otherPrefix + *LanguageTable[i].value;
    }
    rt.writeLanguage(OtherIni);
    TestRuntime::restoreDefaults();
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void tabs_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("all on") << QStringList {"1", "1", "1", "1"}
                                << QStringList {"Connect", "Multiview", "Output", "Audio",
                                                "System"};
        QTest::newRow("output off") << QStringList {"0", "1", "1", "1"}
                                    << QStringList {"Connect", "Multiview", "Audio", "System"};
        QTest::newRow("all off") << QStringList {"0", "0", "0", "0"} << QStringList {"Connect"};
        QTest::newRow("only system")
            << QStringList {"0", "0", "0", "1"} << QStringList {"Connect", "System"};
        QTest::newRow("trailing space is off")
            << QStringList {"1 ", "1", " 1", "1"} << QStringList {"Connect", "Multiview", "System"};
        QTest::newRow("empty and words are off")
            << QStringList {"", "true", "yes", "01"} << QStringList {"Connect"};
    }
    void tabs()
    {
        QFETCH(QStringList, flags);
        QFETCH(QStringList, titles);
        TestRuntime rt;
        Key_UI_Output = flags[0];
        Key_UI_Multiview = flags[1];
        Key_UI_Audio = flags[2];
        Key_UI_System = flags[3];
        Ui_Main w;
        QStringList own {"Connect"}; // the window's own pages
        if (flags[1] == "1")
            own << "Multiview";
        QCOMPARE(tabTitles(w), own);
        QCOMPARE(w.tabWidget()->widget(0), w.connectionPage());
        Pages pages;
        pages.addTo(w);
        QCOMPARE(tabTitles(w), titles);
        QCOMPARE(w.tabWidget()->widget(0), pages.pages[0]);
        QCOMPARE(pages.calls, QStringList {}); // flagged pages refresh on a language switch

        // Pages without a tab stay hidden when the window shows.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 1; i < 5; ++i) {
            const bool tabbed = w.tabWidget()->indexOf(pages.pages[i]) >= 0;
            QCOMPARE(tabbed, flags[i - 1] == "1");
            if (!tabbed)
                QVERIFY(!pages.pages[i]->isVisible());
        }
    }

    void notInitial_renamesTabsAtSameIndices()
    {
        TestRuntime rt;
        Key_UI_Output = QStringLiteral("0");
        Ui_Main w;
        Pages pages;
        pages.addTo(w);
        pages.calls.clear();
        Ui_Multiview_AppName = QStringLiteral("MV");
        Ui_Uart_Network_AppName = QStringLiteral("Link");
        SP_Name = QStringLiteral("COM7");
        Key_UI_Output = QStringLiteral("1"); // flags change only at the next initial build
        w.ApplyTexts(false);
        QCOMPARE(tabTitles(w), (QStringList {"Link", "MV", "Audio", "System"}));
        QCOMPARE(pages.calls, QStringList {});
        // The connection page re-applied its texts and stored parameters.
        QCOMPARE(w.connectionPage()->portBox()->currentText(), QStringLiteral("COM7"));
    }

    void languageSwitch_refreshesFlaggedPagesInOrder()
    {
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(1, "1"));
        writeLanguageFiles(rt, QString());
        Key_UI_Multiview = QStringLiteral("0");
        Ui_Main w;
        Pages pages;
        pages.addTo(w);
        pages.calls.clear();
        w.SLT_ReloadUILanguage(QStringLiteral("English"));
        QCOMPARE(pages.calls, (QStringList {"output(0,1)", "audio(0,1)", "system(0,1)"}));
    }

    void selector_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("other");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("both") << true << true << QStringList {"English", "中文"};
        QTest::newRow("english only") << true << false << QStringList {"English"};
        QTest::newRow("none") << false << false << QStringList {};
    }
    void selector()
    {
        QFETCH(bool, english);
        QFETCH(bool, other);
        QFETCH(QStringList, items);
        TestRuntime rt;
        if (english)
            rt.writeLanguage(EnglishIni);
        if (other)
            rt.writeLanguage(OtherIni);
        Ui_Main w;
        QCOMPARE(comboItems(w.languageSelector()), items);
        QVERIFY(qobject_cast<QListView *>(w.languageSelector()->view()));
    }

    void selector_followsResize()
    {
        TestRuntime rt;
        Ui_Main w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.languageSelector()->geometry(), QRect(w.width() - 140, 0, 140, 30));
        w.resize(900, 600);
        QTRY_COMPARE(w.languageSelector()->geometry(), QRect(760, 0, 140, 30));
        w.resize(700, 500);
        QTRY_COMPARE(w.languageSelector()->geometry(), QRect(560, 0, 140, 30));
        QCOMPARE(w.languageSelector()->parentWidget(), w.contentWidget());
    }

    void construction_sizeTitleAndIcon()
    {
        TestRuntime rt;
        rt.copyPictures();
        Ui_Main w;
        const QSize screen = Frame_PrimaryScreenSize();
        const QSize expected = Main_WindowSize(screen).expandedTo(QSize(480, 270));
        QCOMPARE(w.size(), expected);
        QCOMPARE(w.pos(), Frame_CentredPosition(screen, expected));
        QCOMPARE(w.chrome()->titleText()->text(), QStringLiteral(" Korvane"));
        QVERIFY(!w.chrome()->titleIcon()->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(w.tabWidget()->autoFillBackground());
    }

    void switchThereAndBack_rewritesEachFileWhileCurrent()
    {
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(1, "1"));
        writeLanguageFiles(rt, QStringLiteral("zh-"));
        Config_Load(false);
        Ui_Main w;
        w.ApplyTexts(false);
        QCOMPARE(w.languageSelector()->currentIndex(), 0);

        Ui_Main_AppName = QStringLiteral(" Edited in English");
        w.languageSelector()->setCurrentIndex(1);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
        QCOMPARE(rt.lines(ConfigIni).at(0), QByteArray("Key_LanguageIsEnglish=1"));
        QCOMPARE(rt.lines(EnglishIni).at(43), QByteArray("Ui_Main_AppName= Edited in English"));
        QCOMPARE(w.chrome()->titleText()->text(), QStringLiteral("zh- Korvane"));
        QCOMPARE(Slabel_Password, QStringLiteral("zh-Password:"));

        Ui_Main_AppName = QStringLiteral(" Edited in the other language");
        w.languageSelector()->setCurrentIndex(0);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("1"));
        QCOMPARE(rt.lines(ConfigIni).at(0), QByteArray("Key_LanguageIsEnglish=0"));
        QCOMPARE(rt.lines(OtherIni).at(43),
                 QByteArray("Ui_Main_AppName= Edited in the other language"));
        QCOMPARE(rt.lines(OtherIni).at(32), QByteArray("Slabel_Password=zh-Password:"));
        QCOMPARE(w.chrome()->titleText()->text(), QStringLiteral(" Edited in English"));
        QCOMPARE(Slabel_Password, QStringLiteral("Password:"));
        QCOMPARE(rt.lines(EnglishIni).size(), 184);
        QCOMPARE(rt.lines(OtherIni).size(), 184);
    }

    void setupSlot_showsAndSaves()
    {
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(10, "115200"));
        rt.writeLanguage(EnglishIni);
        Config_Load(false);
        SP_Name = QStringLiteral("COM5");
        Ui_Main w;
        w.SLT_SETUP_UI_MAIN();
        QVERIFY(w.isVisible());
        QCOMPARE(rt.lines(ConfigIni).at(8), QByteArray("SP_Name=COM5"));
        QCOMPARE(rt.lines(ConfigIni).at(9), QByteArray("SP_BaudRate=115200"));
    }

    void focusSlot()
    {
        TestRuntime rt;
        Ui_Main w;
        Pages pages;
        pages.addTo(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.tabWidget()->setCurrentIndex(2);
        w.SLT_GetFocus_tabBar(2);
        QWidget *page = w.tabWidget()->widget(2);
        QTRY_COMPARE(QApplication::focusWidget(), page);
        w.SLT_GetFocus_tabBar(-1);
        QCOMPARE(QApplication::focusWidget(), page);
        w.SLT_GetFocus_tabBar(99);
        QCOMPARE(QApplication::focusWidget(), page);
    }

    void close_endsEventLoopWithZero()
    {
        TestRuntime rt;
        Ui_Main w;
        w.show();
        QTimer::singleShot(0, &w, [&w] { w.chrome()->closeButton()->click(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w.isVisible());
    }

    void destructor_savesOnlyWhenStillPending()
    {
        TestRuntime rt;
        {
            Ui_Main w;
            SP_Name = QStringLiteral("COM8");
        }
        QCOMPARE(rt.lines(ConfigIni).at(8), QByteArray("SP_Name=COM8"));
        QVERIFY(!SaveOnExitPending);
        {
            Ui_Main w;
            SP_Name = QStringLiteral("COM9");
        }
        QCOMPARE(rt.lines(ConfigIni).at(8), QByteArray("SP_Name=COM8"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
