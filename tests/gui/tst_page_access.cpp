// Every page in both languages: each label, button and combo shows its whole text; every
// control has an accessible name, unique on its page; the device's current choice reads as
// checked; Tab walks the controls in screen order.
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/language_texts.h"
#include "gui/page_harness.h"
#include "ui/page_access.h"
#include "ui/routing_grid_keys.h"
#include "ui/style.h"
#include "ui/ui_debug.h"
#include "ui/ui_login.h"
#include "ui/ui_main.h"
#include "ui/ui_uart_network.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <typeinfo>

namespace {
// The page states whose controls are laid out differently: every multiview layout and both
// audio layouts (Tessin's groups, the common block).
struct PageState
{
    const char *name;
    int tab; // tab index with all pages shown
    std::function<void(Ui_Main &)> apply;
};

void multiviewMode(Ui_Main &w, quint32 mode)
{
    Identify(2);
    w.multiviewPage()->ApplyModel();
    w.multiviewPage()->multiviewSetLayout(mode, false);
    if (mode == 1) // PIP with a user rectangle shows that group too
        w.multiviewPage()->multiviewSetPipPosition(4);
    if (mode == 2) {
        DeviceState::layoutMaxMode = 3;
        w.multiviewPage()->multiviewSetVariantCount(3);
        w.multiviewPage()->multiviewSetLayoutVariant(2);
    }
}

const QList<PageState> &pageStates()
{
    static const QList<PageState> states {
        {"connection", 0, [](Ui_Main &) {}},
        {"output", 1, [](Ui_Main &w) { w.outputPage()->outputSetResolution(15); }},
        {"multiview SINGLE", 2, [](Ui_Main &w) { multiviewMode(w, 0); }},
        {"multiview PIP", 2, [](Ui_Main &w) { multiviewMode(w, 1); }},
        {"multiview PBP", 2, [](Ui_Main &w) { multiviewMode(w, 2); }},
        {"multiview 4xWIN", 2, [](Ui_Main &w) { multiviewMode(w, 4); }},
        {"audio common", 3,
         [](Ui_Main &w) {
             Identify(2);
             w.audioPage()->ApplyModel();
         }},
        {"audio Tessin", 3,
         [](Ui_Main &w) {
             Identify(3);
             w.audioPage()->ApplyModel();
         }},
        {"system", 4,
         [](Ui_Main &w) {
             Identify(0);
             w.systemPage()->ApplyModel();
         }},
    };
    return states;
}

// A main window in the language, the program's style sheet applied, at the size given
// (empty: its minimum size), showing the page state.
struct Window
{
    TestRuntime rt;
    std::unique_ptr<Ui_Main> main;

    Window(bool english, const QSize &size, const PageState &state)
    {
        QFile other(QStringLiteral(KORVANE_SOURCE_DIR "/APP/ConfigFile/language-Other.ini"));
        if (other.open(QIODevice::ReadOnly))
            rt.write(OtherIni, other.readAll());
        rt.writeLanguage(EnglishIni);
        Key_LanguageIsEnglish = QLatin1String(english ? "1" : "0");
        Config_Load(true);
        Style_Apply(QStringLiteral(KORVANE_SOURCE_DIR "/APP/StyleSheet/default.qss"));
        DeviceState::ResetForTesting();
        LinkMode = LinkModeNone;
        main = std::make_unique<Ui_Main>();
        main->ApplyTexts(false);
        main->resize(size.isEmpty() ? main->minimumSize() : size);
        main->show();
        main->tabWidget()->setCurrentIndex(state.tab);
        state.apply(*main);
        QCoreApplication::processEvents();
    }
    ~Window()
    {
        main.reset();
        qApp->setStyleSheet(QString());
    }
    QWidget *page() const { return main->tabWidget()->currentWidget(); }
};

QString describe(const QWidget *w, const QString &text)
{
    return QStringLiteral("%1 \"%2\" (%3 %4x%5)")
        .arg(QString::fromLatin1(w->metaObject()->className()), text, w->objectName())
        .arg(w->width())
        .arg(w->height());
}

// Texts that do not fit on the page, each described.
QStringList cutTexts(QWidget *page)
{
    QStringList cut;
    const QList<QWidget *> widgets = page->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(page))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull())
                continue;
            const bool fits = label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : label->sizeHint().width() <= label->width();
            if (!fits)
                cut << describe(label, label->text());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            if (button->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents
                = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            if (button->fontMetrics().horizontalAdvance(button->text()) > contents.width())
                cut << describe(button, button->text());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) {
                if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > field.width())
                    cut << describe(combo, combo->itemText(i));
            }
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            if (title.right() > group->width())
                cut << describe(group, group->title());
        }
    }
    return cut;
}

bool interactive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

// Names of the shown controls under the interface, walking the accessibility tree.
void collectNames(QAccessibleInterface *iface, QStringList &names, QStringList &unnamed)
{
    if (!iface || iface->state().invisible)
        return;
    if (interactive(iface->role())) {
        // Qt on Linux reports a combo's current item as its name (its caption goes through the
        // label relation); the name the panel gives is the widget's own there.
        const QString name = iface->role() == QAccessible::ComboBox
            ? static_cast<QWidget *>(iface->object())->accessibleName()
            : iface->text(QAccessible::Name);
        if (name.trimmed().isEmpty())
            unnamed << QString::fromLatin1(iface->object()->metaObject()->className()) + " "
                    + iface->object()->objectName();
        else
            names << name;
        if (iface->role() == QAccessible::ComboBox)
            return; // its popup list is the combo's own business
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectNames(iface->child(i), names, unnamed);
}
} // namespace

class TestPageAccess : public QObject
{
    Q_OBJECT

private slots:
    void everyText_fits_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("state");
        for (bool english : {true, false}) {
            for (const QSize &size : {QSize(1344, 918), QSize()}) {
                for (int s = 0; s < pageStates().size(); ++s)
                    QTest::addRow("%s %s %s", english ? "en" : "zh",
                                  size.isEmpty() ? "minimum" : "default", pageStates()[s].name)
                        << english << size << s;
            }
        }
    }
    void everyText_fits()
    {
        QFETCH(bool, english);
        QFETCH(QSize, size);
        QFETCH(int, state);
        Window w(english, size, pageStates()[state]);
        const QStringList cut = cutTexts(w.page());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }

    void accessibleNames_presentAndUnique_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("state");
        for (bool english : {true, false}) {
            for (int s = 0; s < pageStates().size(); ++s)
                QTest::addRow("%s %s", english ? "en" : "zh", pageStates()[s].name) << english << s;
        }
    }
    void accessibleNames_presentAndUnique()
    {
        QFETCH(bool, english);
        QFETCH(int, state);
        Window w(english, QSize(1344, 918), pageStates()[state]);
        QStringList names;
        QStringList unnamed;
        collectNames(QAccessible::queryAccessibleInterface(w.page()), names, unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n"))));
        QVERIFY(names.size() >= 5);
        QStringList duplicates;
        for (const QString &name : qAsConst(names)) {
            if (names.count(name) > 1 && !duplicates.contains(name))
                duplicates << name;
        }
        QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join(QStringLiteral("\n"))));
    }

    void accessibleNames_sayWhatTheControlDoes_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("en source button") << true << "source 10"
                                          << "Window-2 source: IN-2";
        QTest::newRow("zh source button") << false << "source 10"
                                          << "窗口-2 信号源：IN-2";
        QTest::newRow("en close") << true << "close"
                                  << "Close window";
        QTest::newRow("zh close") << false << "close"
                                  << "关闭窗口";
        QTest::newRow("en volume") << true << "volume"
                                   << "Volume";
        QTest::newRow("zh volume") << false << "volume"
                                   << "音量";
        QTest::newRow("en volume up") << true << "volume up"
                                      << "Volume up";
        QTest::newRow("en resolution") << true << "resolution"
                                       << "Resolution";
        QTest::newRow("zh resolution") << false << "resolution"
                                       << "分辨率";
        QTest::newRow("en layout PIP") << true << "mode 1"
                                       << "Multiview: PIP";
        QTest::newRow("en user width read") << true << "user read"
                                            << "User Resolution Width and Height: Read";
        QTest::newRow("en read all output") << true << "read all output"
                                            << "Read all: Output";
        QTest::newRow("zh read all output") << false << "read all output"
                                            << "全部读取：输出";
        QTest::newRow("en factory reset") << true << "reset"
                                          << "Reset to factory settings";
        QTest::newRow("en network ip") << true << "system ip"
                                       << "Network: IP";
        QTest::newRow("en connect tcp") << true << "tcp button"
                                        << "Network: Connect";
        QTest::newRow("en language") << true << "language"
                                     << "Language/语言";
    }
    void accessibleNames_sayWhatTheControlDoes()
    {
        QFETCH(bool, english);
        QFETCH(QString, control);
        QFETCH(QString, name);
        Window w(english, QSize(1344, 918), pageStates()[0]);
        Ui_Main &m = *w.main;
        const QMap<QString, QWidget *> controls {
            {"source 10", m.multiviewPage()->sourceButton(10)},
            {"close", m.chrome()->closeButton()},
            {"volume", m.audioPage()->commonVolume().value},
            {"volume up", m.audioPage()->commonVolume().up},
            {"resolution", m.outputPage()->resolutionCombo()},
            {"mode 1", m.multiviewPage()->modeButton(1)},
            {"user read", m.outputPage()->userReadButton()},
            {"read all output", m.outputPage()->readAllButton()},
            {"reset", m.systemPage()->resetButton()},
            {"system ip", m.systemPage()->networkEdit(0)},
            {"tcp button", m.connectionPage()->networkButton()},
            {"language", m.languageSelector()},
        };
        QWidget *widget = controls.value(control);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(iface->role() == QAccessible::ComboBox ? widget->accessibleName()
                                                        : iface->text(QAccessible::Name),
                 name);
    }

    void debugTerminal_namesPresentAndUnique_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("en") << true;
        QTest::newRow("zh") << false;
    }
    void debugTerminal_namesPresentAndUnique()
    {
        QFETCH(bool, english);
        Window w(english, QSize(1344, 918), pageStates()[0]);
        Ui_Debug *terminal = w.main->debugTerminal();
        terminal->show();
        QStringList names;
        QStringList unnamed;
        collectNames(QAccessible::queryAccessibleInterface(terminal), names, unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n"))));
        QVERIFY(names.size() >= 4);
        QStringList duplicates;
        for (const QString &name : qAsConst(names)) {
            if (names.count(name) > 1 && !duplicates.contains(name))
                duplicates << name;
        }
        QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join(QStringLiteral("\n"))));
        terminal->close();
    }

    void loginDialog_namedInBothLanguages_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("en")
            << true
            << QStringList {"Minimise window", "Maximise window", "Close window", "Language/语言",
                            "Username",        "Password",        "Edit",         "Login"};
        QTest::newRow("zh") << false
                            << QStringList {"最小化窗口", "最大化窗口", "关闭窗口", "Language/语言",
                                            "用户名",     "密码",       "修改",     "登录"};
    }
    void loginDialog_namedInBothLanguages()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, names);
        Window w(english, QSize(1344, 918), pageStates()[0]);
        Ui_Login login;
        login.show();
        QStringList seen;
        for (QWidget *c : {static_cast<QWidget *>(login.chrome()->minButton()),
                           static_cast<QWidget *>(login.chrome()->maxButton()),
                           static_cast<QWidget *>(login.chrome()->closeButton()),
                           static_cast<QWidget *>(login.languageCombo()),
                           static_cast<QWidget *>(login.roleCombo()),
                           static_cast<QWidget *>(login.passwordEdit()),
                           static_cast<QWidget *>(login.modifyButton()),
                           static_cast<QWidget *>(login.loginButton())})
            seen << c->accessibleName();
        QCOMPARE(seen, names);
    }

    // A 4 x 9 grid like the page's, with a layout's windows (rows) and a model's inputs
    // (columns) shown.
    void routingGrid_neighbour_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("right") << 4 << 9 << 0 << int(Qt::Key_Right) << 1;
        QTest::newRow("down") << 4 << 9 << 1 << int(Qt::Key_Down) << 10;
        QTest::newRow("up") << 4 << 9 << 20 << int(Qt::Key_Up) << 11;
        QTest::newRow("left") << 4 << 9 << 20 << int(Qt::Key_Left) << 19;
        QTest::newRow("left edge") << 4 << 9 << 9 << int(Qt::Key_Left) << -1;
        QTest::newRow("right edge") << 4 << 9 << 8 << int(Qt::Key_Right) << -1;
        QTest::newRow("top edge") << 4 << 9 << 3 << int(Qt::Key_Up) << -1;
        QTest::newRow("bottom edge") << 4 << 9 << 35 << int(Qt::Key_Down) << -1;
        QTest::newRow("last input of a 4-input model") << 4 << 4 << 3 << int(Qt::Key_Right) << -1;
        QTest::newRow("PIP: second window is the last row")
            << 2 << 9 << 12 << int(Qt::Key_Down) << -1;
        QTest::newRow("SINGLE: one row") << 1 << 5 << 2 << int(Qt::Key_Up) << -1;
        QTest::newRow("other keys") << 4 << 9 << 0 << int(Qt::Key_Tab) << -1;
    }
    void routingGrid_neighbour()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        QWidget grid;
        QVector<QPushButton *> buttons;
        for (int k = 0; k < 36; ++k) {
            auto *b = new QPushButton(&grid);
            b->setVisible(k / 9 < rows && k % 9 < columns);
            buttons << b;
        }
        RoutingGridKeys keys(buttons, 9, &grid);
        QCOMPARE(keys.neighbour(from, key), to);
    }

    void sourceRename_renamesTheButtons()
    {
        Window w(true, QSize(1344, 918), pageStates()[2]);
        Ui_Multiview &page = *w.main->multiviewPage();
        page.setEnabled(true); // as with a device
        QTest::mouseDClick(page.sourceLabel(2), Qt::LeftButton);
        QTRY_VERIFY(page.renameEdit()->isVisible());
        QCOMPARE(page.renameEdit()->accessibleName(), QStringLiteral("New name for IN-3"));
        QTest::keyClicks(page.renameEdit(), QStringLiteral("Camera"));
        QTest::keyClick(page.renameEdit(), Qt::Key_Return);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(page.sourceButton(20))->text(QAccessible::Name),
            QStringLiteral("Window-3 source: Camera"));
    }

    void currentChoice_readsAsChecked_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("control");
        QTest::newRow("layout") << "MULTIVIEW PIP"
                                << "mode 1";
        QTest::newRow("window source") << "WINDOW2 IN HDMI3"
                                       << "source 11";
        QTest::newRow("auto switch") << "AUTO SWITCH OFF"
                                     << "auto off";
        QTest::newRow("mute") << "AUDIO-MUTE ON"
                              << "mute on";
    }
    void currentChoice_readsAsChecked()
    {
        QFETCH(QString, reply);
        QFETCH(QString, control);
        Window w(true, QSize(1344, 918), pageStates()[2]);
        Ui_Main &m = *w.main;
        Identify(2);
        const QMap<QString, QPushButton *> buttons {
            {"mode 1", m.multiviewPage()->modeButton(1)},
            {"source 11", m.multiviewPage()->sourceButton(11)},
            {"auto off", m.multiviewPage()->autoSwitchButton(false)},
            {"mute on", m.audioPage()->commonMute().on},
        };
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(buttons.value(control));
        QVERIFY(iface);
        QVERIFY2(iface->state().checkable, typeid(*iface).name());
        QVERIFY(!iface->state().checked);
        PageReplies replies(*m.outputPage(), *m.multiviewPage(), *m.audioPage(), *m.systemPage());
        replies.line(reply.toLatin1());
        QVERIFY(buttons.value(control)->isFlat());
        QVERIFY(iface->state().checked);
    }

    void tabOrder_followsTheScreen_data()
    {
        QTest::addColumn<int>("state");
        for (int s = 1; s < pageStates().size(); ++s)
            QTest::addRow("%s", pageStates()[s].name) << s;
    }
    void tabOrder_followsTheScreen()
    {
        QFETCH(int, state);
        Window w(true, QSize(1344, 918), pageStates()[state]);
        QWidget *page = w.page();
        page->setEnabled(true); // the order is the same with or without a device
        // The shown controls as Tab reaches them from the first one.
        QList<QWidget *> shown;
        for (QWidget *c : page->findChildren<QWidget *>()) {
            if (c->isVisibleTo(page) && (c->focusPolicy() & Qt::TabFocus) && c->isEnabled())
                shown << c;
        }
        QVERIFY(shown.size() >= 3);
        QList<QWidget *> chain;
        QWidget *start = shown.first();
        for (QWidget *c : qAsConst(shown)) {
            if (c->mapTo(page, QPoint()).y() < start->mapTo(page, QPoint()).y())
                start = c;
        }
        QWidget *c = start;
        do {
            if (shown.contains(c) && !chain.contains(c))
                chain << c;
            c = c->nextInFocusChain();
        } while (c != start && chain.size() < shown.size());
        QCOMPARE(chain.size(), shown.size());
        for (int i = 1; i < chain.size(); ++i) {
            const QRect a(chain[i - 1]->mapTo(page, QPoint()), chain[i - 1]->size());
            const QRect b(chain[i]->mapTo(page, QPoint()), chain[i]->size());
            const bool sameRow = qAbs(a.center().y() - b.center().y()) <= 13;
            QVERIFY2(sameRow ? a.x() < b.x() : a.center().y() < b.center().y(),
                     qPrintable(describe(chain[i - 1], chain[i - 1]->accessibleName()) + " before "
                                + describe(chain[i], chain[i]->accessibleName())));
        }
    }
};

QTEST_MAIN(TestPageAccess)
#include "tst_page_access.moc"
