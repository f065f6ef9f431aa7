// The source grid: which input feeds which window, the operator's names for the inputs, the
// SINGLE-only rows (input resolution, auto switch) and the in-place rename editor.
#include "ui/ui_multiview.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "state/model_traits.h"
#include "ui/multiview_picture.h"
#include "ui/multiview_widgets.h"
#include "ui/my_ui_layout.h"
#include "ui/page_access.h"
#include "ui/page_access_names.h"
#include "ui/routing_grid_keys.h"

#include <QEvent>

#include <iterator>

namespace {
constexpr QRect GridFrameRect(4, 258, 1074, 196);
constexpr QRect CornerRect(4, 34, 130, 38);
// Nine 100 px columns 5 px apart fill the frame right of the corner label exactly; they start
// 2 px into the (centred, short) corner text so the last one clears the frame's border.
constexpr int ColumnX = 132;
constexpr int ColumnPitch = 105;
constexpr int ColumnWidth = 100;
constexpr int RowHeight = 26;
constexpr int FirstRowY = 76; // under the source labels
constexpr int RowPitch = 30;
constexpr int SingleRowY = FirstRowY + RowHeight + 21; // 21 px under the first window label
constexpr int SingleValueX = 199;
constexpr int RenameWidth = 160;

QRect buttonRect(int row, int column)
{
    return QRect(ColumnX + column * ColumnPitch, FirstRowY + row * RowPitch, ColumnWidth,
                 RowHeight);
}
} // namespace

void Ui_Multiview::buildSourceGrid()
{
    m_gridFrame = new MyUiLayout(this);
    m_gridFrame->setGeometry(GridFrameRect);
    m_cornerLabel = Multiview_Label(m_gridFrame, CornerRect);
    for (int c = 0; c < SourceColumns; ++c) {
        QLabel *label = Multiview_Label(
            m_gridFrame,
            QRect(ColumnX + c * ColumnPitch, CornerRect.y(), ColumnWidth, CornerRect.height()));
        label->setObjectName(QStringLiteral("SourceName%1").arg(c));
        label->setWordWrap(true);
        label->installEventFilter(this);
        m_sourceLabels[c] = label;
    }
    for (int r = 0; r < WindowRows; ++r)
        m_windowLabels[r] = Multiview_Label(
            m_gridFrame,
            QRect(CornerRect.x(), FirstRowY + r * RowPitch, CornerRect.width(), RowHeight));
    for (int k = 0; k < SourceButtonCount; ++k) {
        QPushButton *button
            = Multiview_Button(m_gridFrame, buttonRect(k / SourceColumns, k % SourceColumns));
        button->setObjectName(QStringLiteral("button%1").arg(k)); // the click handler reads k back
        m_sourceButtons[k] = button;
    }
    new RoutingGridKeys(
        QVector<QPushButton *>(std::begin(m_sourceButtons), std::end(m_sourceButtons)),
        SourceColumns, this);

    m_inputResolutionLabel
        = Multiview_Label(m_gridFrame, QRect(CornerRect.x(), SingleRowY, 190, RowHeight));
    m_inputResolutionEdit
        = Multiview_Edit(m_gridFrame, QRect(SingleValueX, SingleRowY, 160, RowHeight), 64);
    m_inputResolutionEdit->setEnabled(false);
    m_inputResolutionRead
        = Multiview_Button(m_gridFrame, QRect(SingleValueX + 165, SingleRowY, 100, RowHeight));
    const int switchY = SingleRowY + RowPitch;
    m_autoSwitchLabel
        = Multiview_Label(m_gridFrame, QRect(CornerRect.x(), switchY, 160, RowHeight));
    m_autoSwitchOn = Multiview_Button(m_gridFrame, QRect(SingleValueX, switchY, 100, RowHeight));
    m_autoSwitchOn->setObjectName(
        QStringLiteral("AutoSwitch1")); // the click handler reads the digit
    m_autoSwitchOff
        = Multiview_Button(m_gridFrame, QRect(SingleValueX + 105, switchY, 100, RowHeight));
    m_autoSwitchOff->setObjectName(QStringLiteral("AutoSwitch0"));

    m_renameEdit = Multiview_Edit(m_gridFrame, QRect(0, 0, RenameWidth, RowHeight), NameMaxLength);
    m_renameEdit->hide();
}

void Ui_Multiview::setGridTexts()
{
    m_cornerLabel->setText(Slabel_WINDOW_SOURCE);
    for (int c = 0; c < SourceColumns; ++c) {
        m_sourceLabels[c]->setText(S_InputSource_Name[c]);
        m_sourceLabels[c]->setToolTip(STIPS_DoubleChickModifyName);
    }
    for (int r = 0; r < WindowRows; ++r)
        m_windowLabels[r]->setText(Slabel_Windows_Name[r]);
    m_inputResolutionLabel->setText(Slabel_InputResolution);
    m_inputResolutionRead->setText(S_ReadWrite[0]);
    m_autoSwitchLabel->setText(Slabel_AutoSwitch);
    m_autoSwitchOn->setText(S_OnOff[0]);
    m_autoSwitchOff->setText(S_OnOff[1]);
    m_renameEdit->setToolTip(STIPS_EnterKeyFinishInputAndClose);
}

// Rows for the windows of the current layout, columns for the inputs of the model.
void Ui_Multiview::updateGridVisibility()
{
    const int windows = Mode_WindowCount(DeviceState::multiviewMode);
    const int inputs = DeviceState::inputSourceCount;
    for (int r = 0; r < WindowRows; ++r)
        m_windowLabels[r]->setVisible(r < windows);
    for (int c = 0; c < SourceColumns; ++c) {
        const bool present = c < inputs;
        m_sourceLabels[c]->setVisible(present);
        for (int r = 0; r < WindowRows; ++r)
            m_sourceButtons[r * SourceColumns + c]->setVisible(present && r < windows);
    }
}

void Ui_Multiview::showSingleRows(bool shown)
{
    for (QWidget *w : std::initializer_list<QWidget *> {
             m_inputResolutionLabel, m_inputResolutionEdit, m_inputResolutionRead,
             m_autoSwitchLabel, m_autoSwitchOn, m_autoSwitchOff})
        w->setVisible(shown);
}

void Ui_Multiview::multiviewSetWindowSource(int window, int source)
{
    if (window < 0 || window >= WindowRows)
        return;
    for (int c = 0; c < SourceColumns; ++c)
        Access_SetChoice(m_sourceButtons[window * SourceColumns + c], c == source);
}

void Ui_Multiview::SLT_BTN_WindowSignal(bool)
{
    const auto *button = qobject_cast<const QPushButton *>(sender());
    if (!button)
        return;
    bool ok = false;
    const uint k = button->objectName().mid(6).toUInt(&ok);
    if (!ok || k >= uint(SourceButtonCount))
        return;
    CmdSetWindowIn(k / SourceColumns, k % SourceColumns);
    queued();
}

bool Ui_Multiview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int c = 0; c < SourceColumns; ++c) {
            // A label hidden for the model names no input of this device.
            if (watched == m_sourceLabels[c] && !m_sourceLabels[c]->isHidden())
                openRenameEditor(c);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Ui_Multiview::openRenameEditor(int column)
{
    const QRect label = m_sourceLabels[column]->geometry();
    // Right-hand columns would push the editor past the frame's edge.
    const int x = qMin(label.x(), m_gridFrame->width() - RenameWidth);
    m_renameEdit->setGeometry(x, label.y() - RowHeight, RenameWidth, RowHeight);
    m_renameEdit->setToolTip(STIPS_EnterKeyFinishInputAndClose);
    Access_Name(m_renameEdit,
                Extra_Text(Access_RenameText).arg(Access_Caption(S_InputSource_Name[column])));
    m_renameEdit->clear();
    m_renameEdit->show();
    m_renameEdit->raise();
    m_renameEdit->setFocus(Qt::OtherFocusReason);
    m_renameIndex = column;
}

// Source names are language values: the next save of the language file keeps them.
void Ui_Multiview::SLT_ModifySourceName()
{
    const QString name = Multiview_CleanName(m_renameEdit->text());
    if (!name.isEmpty() && m_renameIndex >= 0 && m_renameIndex < SourceColumns) {
        S_InputSource_Name[m_renameIndex] = name;
        m_sourceLabels[m_renameIndex]->setText(name);
    }
    m_renameIndex = 0;
    m_renameEdit->hide();
    Access_NameMultiview(*this); // the source buttons' names carry the source names
    emit SGL_SyncInputSourceName();
}

QLabel *Ui_Multiview::sourceLabel(int column) const
{
    return column >= 0 && column < SourceColumns ? m_sourceLabels[column] : nullptr;
}

QLabel *Ui_Multiview::windowLabel(int row) const
{
    return row >= 0 && row < WindowRows ? m_windowLabels[row] : nullptr;
}

QPushButton *Ui_Multiview::sourceButton(int k) const
{
    return k >= 0 && k < SourceButtonCount ? m_sourceButtons[k] : nullptr;
}
