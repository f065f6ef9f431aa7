// Main window shell: tabs from the page flags, the language selector and the language
// switch, size and position, and the save at exit.
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"
#include "support/test_runtime.h"
#include "ui/frame_geometry.h"
#include "ui/ui_audio.h"
#include "ui/ui_main.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_system.h"
#include "ui/ui_uart_network.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTabWidget>
#include <QtTest>

namespace {
// The flagged pages in tab order: class, title and flag.
struct FlaggedPage
{
    const char *className;
    const QString *title;
    const QString *flag;
};
const FlaggedPage FlaggedPages[] = {{"Ui_Output", &Ui_Output_AppName, &Key_UI_Output},
                                    {"Ui_Multiview", &Ui_Multiview_AppName, &Key_UI_Multiview},
                                    {"Ui_Audio", &Ui_Audio_AppName, &Key_UI_Audio},
                                    {"Ui_System", &Ui_System_AppName, &Key_UI_System}};

// The window's page of that class, tabbed or not.
QWidget *pageOf(const Ui_Main &w, const char *className)
{
    const QList<QWidget *> widgets = w.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (qstrcmp(widget->metaObject()->className(), className) == 0)
            return widget;
    }
    return nullptr;
}

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
                                << QStringList {"Connect", "Output", "Multiview", "Audio",
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
        // The start-up's way with the login off: the device pages come after the window.
        QTest::newRow("all on, pages later")
            << QStringList {"1", "1", "1", "1"}
            << QStringList {"Connect", "Output", "Multiview", "Audio", "System"};
        QTest::newRow("output and audio off, pages later")
            << QStringList {"0", "1", "0", "1"} << QStringList {"Connect", "Multiview", "System"};
    }
    void tabs()
    {
        QFETCH(QStringList, flags);
        QFETCH(QStringList, titles);
        const bool later = QByteArray(QTest::currentDataTag()).endsWith("pages later");
        TestRuntime rt;
        Key_UI_Output = flags[0];
        Key_UI_Multiview = flags[1];
        Key_UI_Audio = flags[2];
        Key_UI_System = flags[3];
        Ui_Main w(nullptr, later ? Ui_Main::PageBuild::AfterFirstShow : Ui_Main::PageBuild::AtOnce);
        QCOMPARE(tabTitles(w), titles);
        QCOMPARE(w.tabWidget()->widget(0), w.connectionPage());
        QCOMPARE(w.pagesBuilt(), !later);
        QCOMPARE(w.debugTerminal() != nullptr, !later);

        // Pages without a tab stay hidden when the window shows.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.pagesBuilt());
        QVERIFY(w.debugTerminal());
        QCOMPARE(tabTitles(w), titles);
        QCOMPARE(w.tabWidget()->currentIndex(), 0);
        for (int i = 0; i < 4; ++i) {
            QWidget *page = pageOf(w, FlaggedPages[i].className);
            QVERIFY(page);
            const bool tabbed = w.tabWidget()->indexOf(page) >= 0;
            QCOMPARE(tabbed, flags[i] == "1");
            QCOMPARE(page->isVisible(), tabbed && w.tabWidget()->currentWidget() == page);
        }
    }

    void notInitial_renamesTabsAtSameIndices()
    {
        TestRuntime rt;
        Key_UI_Output = QStringLiteral("0");
        Ui_Main w;
        const QString audioTitle = Ui_Audio_AppName;
        Ui_Multiview_AppName = QStringLiteral("MV");
        Ui_Uart_Network_AppName = QStringLiteral("Link");
        Ui_System_AppName = QStringLiteral("Sys");
        Slabel_AudioSource = QStringLiteral("Source of sound:");
        SP_Name = QStringLiteral("COM7");
        Key_UI_Output = QStringLiteral("1"); // flags change only at the next initial build
        w.ApplyTexts(false);
        QCOMPARE(tabTitles(w), (QStringList {"Link", "MV", audioTitle, "Sys"}));
        // The connection page re-applied its texts and stored parameters; the flagged pages
        // refresh only on a language switch.
        QCOMPARE(w.connectionPage()->portBox()->currentText(), QStringLiteral("COM7"));
        QVERIFY(!pageOf(w, "Ui_Audio")->findChild<QLabel *>()->text().startsWith("Source of"));
    }

    void languageSwitch_refreshesFlaggedPagesInOrder()
    {
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(1, "1"));
        writeLanguageFiles(rt, QStringLiteral("zh-"));
        Key_UI_Audio = QStringLiteral("0");
        Ui_Main w;
        // A refreshed page reads the device again: its read-all ends in its SGL_UpdateEmit.
        QStringList refreshed;
        connect(w.outputPage(), &Ui_Output::SGL_UpdateEmit, [&] { refreshed << "output"; });
        connect(w.multiviewPage(), &Ui_Multiview::SGL_UpdateEmit,
                [&] { refreshed << "multiview"; });
        connect(w.audioPage(), &Ui_Audio::SGL_UpdateEmit, [&] { refreshed << "audio"; });
        connect(w.systemPage(), &Ui_System::SGL_UpdateEmit, [&] { refreshed << "system"; });
        QCOMPARE(w.languageSelector()->count(), 2);
        w.languageSelector()->setCurrentIndex(1); // as the operator switches
        QCOMPARE(refreshed, (QStringList {"output", "multiview", "system"}));
        QCOMPARE(w.outputPage()->resolutionLabel()->text(), QStringLiteral("zh-Resolution:"));
        QCOMPARE(w.systemPage()->readAllButton()->text(), QStringLiteral("zh-Read"));
        QCOMPARE(w.audioPage()->readAllButton()->text(), QStringLiteral("Read")); // flag off
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
    }

    // Every list of the window and its pages opens as a plain list view with the standard item
    // delegate, which is what lets the style sheet reach the items; and opens again the same.
    void comboPopups_arePlainListViews()
    {
        TestRuntime rt;
        Ui_Main w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QList<QComboBox *> combos = w.findChildren<QComboBox *>();
        QVERIFY(combos.size() >= 20);
        for (QComboBox *combo : combos) {
            for (int round = 0; round < 2; ++round) {
                combo->showPopup();
                QCOMPARE(combo->view()->metaObject()->className(), "QListView");
                QCOMPARE(combo->view()->itemDelegate()->metaObject()->className(),
                         "QStyledItemDelegate");
                combo->hidePopup();
            }
        }
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
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *page = w.tabWidget()->widget(2);
        QVERIFY(page);
        page->setEnabled(true); // as once a device is identified: a disabled page takes no focus
        w.tabWidget()->setCurrentIndex(2);
        w.SLT_GetFocus_tabBar(2);
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
