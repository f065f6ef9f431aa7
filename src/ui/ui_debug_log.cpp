// Debug terminal: the wire view saved to a file, the continuous log, and find in the wire view.
#include "ui/ui_debug.h"

#include "app/panel_prefs.h"
#include "link/wire_format.h"
#include "link/wire_log.h"
#include "link/wire_log_file.h"
#include "ui/debug_texts.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>

namespace {
const char *const PrefLogPath = "terminal/logFile";
const char *const PrefLogLimitKiB = "terminal/logLimitKiB";

// A line of a saved or logged wire: date, time, direction, text and hex. Files keep English
// words whatever the operator's language, so they read (and compare) the same everywhere.
QString fileLine(const WireEntry &entry)
{
    return QDateTime::fromMSecsSinceEpoch(entry.msecs).date().toString(Qt::ISODate)
        + QLatin1Char(' ') + Wire_EntryLine(entry, WireShow::Both, true);
}
} // namespace

bool Ui_Debug::SaveWireView(const QString &path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QByteArray text;
        if (m_wireLog) {
            for (const WireEntry &entry : m_wireLog->entries()) {
                if (entry.seq >= m_wireFromSeq)
                    text += fileLine(entry).toUtf8() + '\n';
            }
        }
        file.write(text);
        if (file.commit()) {
            showMessage(Extra_Text(DebugSaved).arg(QDir::toNativeSeparators(path)));
            return true;
        }
    }
    showMessage(
        Extra_Text(DebugSaveFailed).arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

void Ui_Debug::saveClicked()
{
    const QString path = QFileDialog::getSaveFileName(
        this, Extra_Text(DebugSaveTitle),
        QDir::home().filePath(
            QStringLiteral("korvane-wire-%1.txt")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))));
    if (!path.isEmpty())
        SaveWireView(path);
}

void Ui_Debug::StartLog(const QString &path)
{
    Prefs_SetValue(QLatin1String(PrefLogPath), path);
    const qint64 limitKiB = Prefs_Int(QLatin1String(PrefLogLimitKiB),
                                      int(WireLogFile::DefaultLimitBytes / 1024), 64, 1024 * 1024);
    m_logFile->start(path, limitKiB * 1024);
    if (m_wireLog)
        m_loggedSeq = m_wireLog->nextSeq();
    m_logBox->setChecked(true);
    showMessage(Extra_Text(DebugLogging).arg(QDir::toNativeSeparators(path)));
}

void Ui_Debug::StopLog()
{
    m_logFile->stop();
    m_logBox->setChecked(false);
    showMessage(QString());
}

void Ui_Debug::logToggled(bool on)
{
    if (!on) {
        StopLog();
        return;
    }
    const QString last = Prefs_Value(QLatin1String(PrefLogPath)).toString();
    const QString path = QFileDialog::getSaveFileName(
        this, Extra_Text(DebugLogTitle),
        last.isEmpty() ? QDir::home().filePath(QStringLiteral("korvane-wire.log")) : last,
        QString(), nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) {
        m_logBox->setChecked(false);
        return;
    }
    StartLog(path);
}

void Ui_Debug::logFailed(const QString &reason)
{
    m_logBox->setChecked(false);
    showMessage(Extra_Text(DebugLogFailed).arg(reason));
}

// Every new entry of the wire log goes to the log file while it is on, shown or not.
void Ui_Debug::logEntries()
{
    if (!m_wireLog)
        return;
    if (!m_logFile->isActive()) {
        m_loggedSeq = m_wireLog->nextSeq();
        return;
    }
    const auto &entries = m_wireLog->entries();
    if (!entries.empty()) {
        for (auto i = std::size_t(std::max<qint64>(0, m_loggedSeq - entries.front().seq));
             i < entries.size(); ++i)
            m_logFile->write(fileLine(entries[i]));
    }
    m_loggedSeq = m_wireLog->nextSeq();
}

void Ui_Debug::toggleFind()
{
    if (!m_wireButton->isChecked())
        m_wireButton->setChecked(true);
    m_findEdit->show();
    m_findEdit->setFocus();
    m_findEdit->selectAll();
}

// Next match after the caret, wrapping around once.
void Ui_Debug::findNext()
{
    const QString text = m_findEdit->text();
    if (text.isEmpty())
        return;
    RenderNow();
    if (!m_wireView->find(text)) {
        m_wireView->moveCursor(QTextCursor::Start);
        if (!m_wireView->find(text)) {
            showMessage(Extra_Text(DebugNotFound).arg(text));
            return;
        }
    }
    showMessage(QString());
}
