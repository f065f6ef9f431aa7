// The source grid: which input feeds which window, the operator's names for the inputs, the
// SINGLE-only rows (input resolution, auto switch) and the in-place rename editor.
#include "ui/ui_multiview.h"

#include "app/language_texts.h"
#include "link/command_catalogue.h"
#include "state/device_state.h"
#include "ui/multiview_picture.h"
#include "ui/multiview_widgets.h"
#include "ui/my_ui_layout.h"

#include <QEvent>

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
    gridFrame_ = new MyUiLayout(this);
    gridFrame_->setGeometry(GridFrameRect);
    cornerLabel_ = Multiview_Label(gridFrame_, CornerRect);
    for (int c = 0; c < SourceColumns; ++c) {
        QLabel *label = Multiview_Label(
            gridFrame_,
            QRect(ColumnX + c * ColumnPitch, CornerRect.y(), ColumnWidth, CornerRect.height()));
        label->setObjectName(QStringLiteral("SourceName%1").arg(c));
        label->setWordWrap(true);
        label->installEventFilter(this);
        sourceLabels_[c] = label;
    }
    for (int r = 0; r < WindowRows; ++r)
        windowLabels_[r] = Multiview_Label(
            gridFrame_,
            QRect(CornerRect.x(), FirstRowY + r * RowPitch, CornerRect.width(), RowHeight));
    for (int k = 0; k < SourceButtonCount; ++k) {
        QPushButton *button
            = Multiview_Button(gridFrame_, buttonRect(k / SourceColumns, k % SourceColumns));
        button->setObjectName(QStringLiteral("button%1").arg(k)); // the click handler reads k back
        sourceButtons_[k] = button;
    }

    inputResolutionLabel_
        = Multiview_Label(gridFrame_, QRect(CornerRect.x(), SingleRowY, 190, RowHeight));
    inputResolutionEdit_
        = Multiview_Edit(gridFrame_, QRect(SingleValueX, SingleRowY, 160, RowHeight), 64);
    inputResolutionEdit_->setEnabled(false);
    inputResolutionRead_
        = Multiview_Button(gridFrame_, QRect(SingleValueX + 165, SingleRowY, 100, RowHeight));
    const int switchY = SingleRowY + RowPitch;
    autoSwitchLabel_ = Multiview_Label(gridFrame_, QRect(CornerRect.x(), switchY, 160, RowHeight));
    autoSwitchOn_ = Multiview_Button(gridFrame_, QRect(SingleValueX, switchY, 100, RowHeight));
    autoSwitchOn_->setObjectName(
        QStringLiteral("AutoSwitch1")); // the click handler reads the digit
    autoSwitchOff_
        = Multiview_Button(gridFrame_, QRect(SingleValueX + 105, switchY, 100, RowHeight));
    autoSwitchOff_->setObjectName(QStringLiteral("AutoSwitch0"));

    renameEdit_ = Multiview_Edit(gridFrame_, QRect(0, 0, RenameWidth, RowHeight), NameMaxLength);
    renameEdit_->hide();
}

void Ui_Multiview::setGridTexts()
{
    cornerLabel_->setText(Slabel_WINDOW_SOURCE);
    for (int c = 0; c < SourceColumns; ++c) {
        sourceLabels_[c]->setText(S_InputSource_Name[c]);
        sourceLabels_[c]->setToolTip(STIPS_DoubleChickModifyName);
    }
    for (int r = 0; r < WindowRows; ++r)
        windowLabels_[r]->setText(Slabel_Windows_Name[r]);
    inputResolutionLabel_->setText(Slabel_InputResolution);
    inputResolutionRead_->setText(S_ReadWrite[0]);
    autoSwitchLabel_->setText(Slabel_AutoSwitch);
    autoSwitchOn_->setText(S_OnOff[0]);
    autoSwitchOff_->setText(S_OnOff[1]);
    renameEdit_->setToolTip(STIPS_EnterKeyFinishInputAndClose);
}

// Rows for the windows of the current layout, columns for the inputs of the model.
void Ui_Multiview::updateGridVisibility()
{
    const int windows = Multiview_WindowCount(DeviceState::multiviewMode);
    const int inputs = DeviceState::inputSourceCount;
    for (int r = 0; r < WindowRows; ++r)
        windowLabels_[r]->setVisible(r < windows);
    for (int c = 0; c < SourceColumns; ++c) {
        const bool present = c < inputs;
        sourceLabels_[c]->setVisible(present);
        for (int r = 0; r < WindowRows; ++r)
            sourceButtons_[r * SourceColumns + c]->setVisible(present && r < windows);
    }
}

void Ui_Multiview::showSingleRows(bool shown)
{
    for (QWidget *w : std::initializer_list<QWidget *> {inputResolutionLabel_, inputResolutionEdit_,
                                                        inputResolutionRead_, autoSwitchLabel_,
                                                        autoSwitchOn_, autoSwitchOff_})
        w->setVisible(shown);
}

void Ui_Multiview::SetWindowSource(int window, int source)
{
    if (window < 0 || window >= WindowRows)
        return;
    for (int c = 0; c < SourceColumns; ++c)
        sourceButtons_[window * SourceColumns + c]->setFlat(c == source);
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
            if (watched == sourceLabels_[c] && !sourceLabels_[c]->isHidden())
                openRenameEditor(c);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Ui_Multiview::openRenameEditor(int column)
{
    const QRect label = sourceLabels_[column]->geometry();
    // Right-hand columns would push the editor past the frame's edge.
    const int x = qMin(label.x(), gridFrame_->width() - RenameWidth);
    renameEdit_->setGeometry(x, label.y() - RowHeight, RenameWidth, RowHeight);
    renameEdit_->setToolTip(STIPS_EnterKeyFinishInputAndClose);
    renameEdit_->clear();
    renameEdit_->show();
    renameEdit_->raise();
    renameEdit_->setFocus(Qt::OtherFocusReason);
    renameIndex_ = column;
}

// Source names are language values: the next save of the language file keeps them.
void Ui_Multiview::SLT_ModifySourceName()
{
    const QString name = Multiview_CleanName(renameEdit_->text());
    if (!name.isEmpty() && renameIndex_ >= 0 && renameIndex_ < SourceColumns) {
        S_InputSource_Name[renameIndex_] = name;
        sourceLabels_[renameIndex_]->setText(name);
    }
    renameIndex_ = 0;
    renameEdit_->hide();
    emit SGL_SyncInputSourceName();
}

QLabel *Ui_Multiview::sourceLabel(int column) const
{
    return column >= 0 && column < SourceColumns ? sourceLabels_[column] : nullptr;
}

QLabel *Ui_Multiview::windowLabel(int row) const
{
    return row >= 0 && row < WindowRows ? windowLabels_[row] : nullptr;
}

QPushButton *Ui_Multiview::sourceButton(int k) const
{
    return k >= 0 && k < SourceButtonCount ? sourceButtons_[k] : nullptr;
}
