// The profiles dialog: export the connected device's settings to a profile file, apply a
// profile (a preview of every setting that will change, a choice of parts, progress, cancel)
// and compare the device with a profile. The work is the profile engine's, shared with
// korvane-cli; this dialog only chooses files and shows what happens.
#pragma once

#include "profile/profile_engine.h"
#include "ui/my_frameless_dialog.h"

#include <QMap>

class LinkController;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class ReplyFanOut;

class Ui_Profiles : public MyFramelessDialog
{
    Q_OBJECT

public:
    Ui_Profiles(LinkController &link, ReplyFanOut &values, QWidget *parent = nullptr);

    void RefreshTexts();

    // The actions once a file is chosen (the buttons ask for it first).
    void ExportTo(const QString &path);
    void PreviewApply(const QString &path);
    void CompareWith(const QString &path);
    void ApplyChanges();
    void Cancel();

    bool IsBusy() const { return m_engine->isBusy(); }
    QTreeWidget *table() const { return m_table; }
    QLabel *statusLabel() const { return m_status; }
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *applyButton() const { return m_applyButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QCheckBox *sectionBox(ProfileSection section) const { return m_sections.value(section); }

signals:
    // Names were taken over from a profile: pages that show them refresh their texts.
    void SGL_NamesChanged();

public slots:
    void SLOT_WindowMin();
    void SLOT_WindowMax();
    void SLOT_WindowClose();

private:
    enum class Job { None, Export, Preview, Apply, Compare };

    void build();
    QString chooseFile(bool save);
    bool loadProfile(const QString &path);
    bool deviceReady();
    void start(Job job);
    void showPreview();
    PlanOptions options() const;
    void onProgress(int done, int total, const QString &stage);
    void onFinished(const EngineReport &report);
    void exportDone(const EngineReport &report);
    void compareDone(const EngineReport &report);
    void applyDone(const EngineReport &report);
    QString failureText(const EngineReport &report) const;
    void addRow(const QString &key, const QString &device, const QString &profile,
                const QString &note, bool dim = false);
    void setBusy(bool busy);

    LinkController &m_link;
    ProfileEngine *m_engine = nullptr;
    Job m_job = Job::None;
    QString m_path;
    Profile m_wanted;
    Profile m_current; // the device (and names) as read for the preview

    QWidget *m_content = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_compareButton = nullptr;
    QLabel *m_sectionsLabel = nullptr;
    QMap<ProfileSection, QCheckBox *> m_sections;
    QTreeWidget *m_table = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_applyButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
