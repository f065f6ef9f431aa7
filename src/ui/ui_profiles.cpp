#include "ui/ui_profiles.h"

#include "app/language_texts.h"
#include "link/link_controller.h"
#include "profile/profile_file.h"
#include "profile/profile_names.h"
#include "state/reply_fan_out.h"
#include "ui/message_box.h"
#include "ui/ui_profiles_texts.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const ProfileSections DeviceSections
    = AllProfileSections & ~Profile_SectionBit(ProfileSection::Names);

QString T(const ExtraText &text)
{
    return Extra_Text(text);
}
} // namespace

Ui_Profiles::Ui_Profiles(LinkController &link, ReplyFanOut &values, QWidget *parent)
    : MyFramelessDialog(parent)
    , m_link(link)
{
    setObjectName(QStringLiteral("Ui_Profiles"));
    m_engine = new ProfileEngine(link, values, this);
    connect(m_engine, &ProfileEngine::progress, this, &Ui_Profiles::onProgress);
    connect(m_engine, &ProfileEngine::finished, this, &Ui_Profiles::onFinished);
    connectTitleButtons(this);
    build();
    RefreshTexts();
    resize(760, 520);
}

void Ui_Profiles::build()
{
    m_content = new QWidget(this);
    setContentWidget(m_content);
    auto *layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(10, 6, 10, 10);

    auto *actions = new QHBoxLayout;
    m_exportButton = new QPushButton(m_content);
    m_previewButton = new QPushButton(m_content);
    m_compareButton = new QPushButton(m_content);
    for (QPushButton *b : {m_exportButton, m_previewButton, m_compareButton})
        actions->addWidget(b);
    actions->addStretch(1);
    layout->addLayout(actions);
    connect(m_exportButton, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile(true);
        if (!path.isEmpty())
            ExportTo(path);
    });
    connect(m_previewButton, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile(false);
        if (!path.isEmpty())
            PreviewApply(path);
    });
    connect(m_compareButton, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile(false);
        if (!path.isEmpty())
            CompareWith(path);
    });

    m_sectionsLabel = new QLabel(m_content);
    layout->addWidget(m_sectionsLabel);
    QHBoxLayout *sectionRows[2] = {new QHBoxLayout, new QHBoxLayout};
    for (int s = 0; s < ProfileSectionCount; ++s) {
        const auto section = static_cast<ProfileSection>(s);
        auto *box = new QCheckBox(m_content);
        box->setObjectName(QStringLiteral("section-%1").arg(Profile_SectionName(section)));
        // Settings that cut the link are chosen on purpose only.
        box->setChecked(section != ProfileSection::Network);
        connect(box, &QCheckBox::toggled, this, [this] {
            if (m_job == Job::None && m_wanted.model >= 0 && m_current.model >= 0)
                showPreview();
        });
        m_sections.insert(section, box);
        // Output, multiview, audio, EDID on the first row; the two with long captions below.
        sectionRows[s / 4]->addWidget(box);
    }
    for (QHBoxLayout *row : sectionRows) {
        row->addStretch(1);
        layout->addLayout(row);
    }

    m_table = new QTreeWidget(m_content);
    m_table->setColumnCount(4);
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->header()->setStretchLastSection(true);
    for (int column = 0; column < 3; ++column)
        m_table->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_progress = new QProgressBar(m_content);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    // Shown while a job runs and after an apply; its place stays so nothing jumps.
    QSizePolicy keepPlace = m_progress->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepPlace);
    m_progress->hide();
    layout->addWidget(m_progress);
    m_status = new QLabel(m_content);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_applyButton = new QPushButton(m_content);
    m_cancelButton = new QPushButton(m_content);
    m_closeButton = new QPushButton(m_content);
    for (QPushButton *b : {m_applyButton, m_cancelButton, m_closeButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    m_applyButton->setEnabled(false);
    m_cancelButton->setEnabled(false);
    connect(m_applyButton, &QPushButton::clicked, this, &Ui_Profiles::ApplyChanges);
    connect(m_cancelButton, &QPushButton::clicked, this, &Ui_Profiles::Cancel);
    connect(m_closeButton, &QPushButton::clicked, this, &Ui_Profiles::SLOT_WindowClose);
}

void Ui_Profiles::RefreshTexts()
{
    setTitleText(T(ProfileText::Title));
    setWindowTitle(T(ProfileText::Title).trimmed());
    m_exportButton->setText(T(ProfileText::Export));
    m_previewButton->setText(T(ProfileText::Apply));
    m_compareButton->setText(T(ProfileText::Compare));
    m_sectionsLabel->setText(T(ProfileText::Sections));
    m_sections[ProfileSection::Output]->setText(Ui_Output_AppName);
    m_sections[ProfileSection::Multiview]->setText(Ui_Multiview_AppName);
    m_sections[ProfileSection::Audio]->setText(Ui_Audio_AppName);
    m_sections[ProfileSection::System]->setText(T(ProfileText::SectionSystem));
    m_sections[ProfileSection::Network]->setText(T(ProfileText::SectionNetwork));
    m_sections[ProfileSection::Names]->setText(T(ProfileText::SectionNames));
    m_table->setHeaderLabels({T(ProfileText::ColumnSetting), T(ProfileText::ColumnDevice),
                              T(ProfileText::ColumnProfile), T(ProfileText::ColumnNote)});
    m_applyButton->setText(T(ProfileText::ApplyChanges));
    m_cancelButton->setText(T(ProfileText::Cancel));
    m_closeButton->setText(T(ProfileText::Close));
}

QString Ui_Profiles::chooseFile(bool save)
{
    const QString filter = T(ProfileText::FileFilter);
    if (save) {
        QString path = QFileDialog::getSaveFileName(this, T(ProfileText::Export), m_path, filter);
        if (!path.isEmpty() && !path.contains(QLatin1Char('.')))
            path += QStringLiteral(".json");
        return path;
    }
    return QFileDialog::getOpenFileName(this, T(ProfileText::Apply), m_path, filter);
}

bool Ui_Profiles::deviceReady()
{
    if (m_link.identifiedModel() >= 0 && !m_engine->isBusy())
        return true;
    m_status->setText(T(ProfileText::NoDevice));
    return false;
}

void Ui_Profiles::start(Job job)
{
    m_job = job;
    m_table->clear();
    m_applyButton->setEnabled(false);
    setBusy(true);
    m_status->setText(T(ProfileText::Reading));
}

void Ui_Profiles::setBusy(bool busy)
{
    m_cancelButton->setEnabled(busy);
    for (QPushButton *b : {m_exportButton, m_previewButton, m_compareButton})
        b->setEnabled(!busy);
    for (QCheckBox *box : qAsConst(m_sections))
        box->setEnabled(!busy);
    m_progress->setVisible(busy);
    if (busy)
        m_progress->setRange(0, 0); // until the number of commands is known
}

void Ui_Profiles::ExportTo(const QString &path)
{
    if (!deviceReady())
        return;
    m_path = path;
    start(Job::Export);
    m_engine->read(DeviceSections);
}

bool Ui_Profiles::loadProfile(const QString &path)
{
    m_path = path;
    QVector<ProfileProblem> problems;
    Profile profile;
    if (!Profile_ReadFile(path, &profile, &problems)) {
        m_table->clear();
        m_status->setText(T(ProfileText::Unusable) + QLatin1Char('\n')
                          + Profile_ProblemsText(problems));
        return false;
    }
    m_wanted = profile;
    return true;
}

void Ui_Profiles::PreviewApply(const QString &path)
{
    if (!deviceReady() || !loadProfile(path))
        return;
    m_current = Profile();
    start(Job::Preview);
    m_engine->read(DeviceSections);
}

void Ui_Profiles::CompareWith(const QString &path)
{
    if (!deviceReady() || !loadProfile(path))
        return;
    start(Job::Compare);
    m_engine->read(DeviceSections);
}

PlanOptions Ui_Profiles::options() const
{
    PlanOptions o;
    o.sections = 0;
    for (auto it = m_sections.cbegin(); it != m_sections.cend(); ++it) {
        if (it.value()->isChecked())
            o.sections |= Profile_SectionBit(it.key());
    }
    o.withNetwork = m_sections[ProfileSection::Network]->isChecked();
    o.serialLink = m_link.kind() == LinkKind::Serial;
    return o;
}

void Ui_Profiles::ApplyChanges()
{
    if (!deviceReady() || m_wanted.model < 0)
        return;
    start(Job::Apply);
    m_engine->apply(m_wanted, options());
}

void Ui_Profiles::Cancel()
{
    m_engine->cancel();
}

void Ui_Profiles::onProgress(int done, int total, const QString &stage)
{
    if (m_job != Job::Apply || total <= 0)
        return;
    m_progress->setRange(0, total);
    m_progress->setValue(qMin(done, total));
    if (!stage.isEmpty() && stage != QLatin1String("reading")
        && stage != QLatin1String("reading back"))
        m_status->setText(T(ProfileText::Sending).arg(qMin(done + 1, total)).arg(total).arg(stage));
}

void Ui_Profiles::onFinished(const EngineReport &report)
{
    const Job job = m_job;
    m_job = Job::None;
    setBusy(false);
    switch (job) {
    case Job::Export:
        exportDone(report);
        break;
    case Job::Preview:
        if (report.ok()) {
            m_current = report.profile;
            QStringList problems;
            Profile_RecordNames(&m_current, &problems);
            showPreview();
        } else {
            m_status->setText(failureText(report));
        }
        break;
    case Job::Compare:
        compareDone(report);
        break;
    case Job::Apply:
        applyDone(report);
        break;
    case Job::None:
        break;
    }
}

QString Ui_Profiles::failureText(const EngineReport &report) const
{
    switch (report.outcome) {
    case EngineReport::Outcome::Cancelled:
        return T(ProfileText::Cancelled);
    case EngineReport::Outcome::NoAnswer:
        return T(ProfileText::NoAnswer)
            .arg(report.timedOut.isEmpty() ? QString() : report.timedOut.first());
    case EngineReport::Outcome::LinkLost:
    case EngineReport::Outcome::NotIdentified:
        return T(ProfileText::LinkLost);
    case EngineReport::Outcome::Done:
        break;
    }
    return {};
}

void Ui_Profiles::addRow(const QString &key, const QString &device, const QString &profile,
                         const QString &note, bool dim)
{
    auto *item = new QTreeWidgetItem(m_table, {key, device, profile, note});
    if (dim) {
        for (int c = 0; c < 4; ++c)
            item->setForeground(c, palette().color(QPalette::Disabled, QPalette::Text));
    }
}

void Ui_Profiles::exportDone(const EngineReport &report)
{
    if (!report.ok()) {
        m_status->setText(failureText(report));
        return;
    }
    if (!report.timedOut.isEmpty()) {
        m_status->setText(
            T(ProfileText::WriteFailed).arg(T(ProfileText::NoAnswer).arg(report.timedOut.first())));
        return;
    }
    QStringList problems = report.problems;
    const Profile p = Profile_ForExport(report.profile, &problems);
    QString error;
    if (!Profile_WriteFile(m_path, p, &error)) {
        m_status->setText(T(ProfileText::WriteFailed).arg(error));
        return;
    }
    for (const auto &e : p.values)
        addRow(Setting_Key(e.first), e.second, e.second, QString());
    for (const QString &problem : problems)
        addRow(problem.section(QLatin1Char(':'), 0, 0), QString(), QString(),
               T(ProfileText::Skipped).arg(problem.section(QLatin1Char(':'), 1).trimmed()), true);
    m_status->setText(T(ProfileText::Saved).arg(p.values.size()).arg(m_path));
}

void Ui_Profiles::showPreview()
{
    m_table->clear();
    const ApplyPlan plan = Profile_PlanApply(m_wanted, m_current, m_current.model, options());
    const QString notRead = T(ProfileText::NotRead);
    auto deviceValue
        = [&](SettingId id) { return m_current.has(id) ? m_current.value(id) : notRead; };
    plan.forEachCall([&](const PlanStage &stage, const PlanCall &call, bool cutsLink) {
        const QString note = cutsLink ? T(ProfileText::CutsLink) : stage.name;
        if (call.builder == PlanBuilder::SetNetworkInfo) {
            for (SettingId id : {SettingId::NetworkIp, SettingId::NetworkPort,
                                 SettingId::NetworkMask, SettingId::NetworkGateway}) {
                if (m_wanted.has(id) && m_wanted.value(id) != m_current.value(id))
                    addRow(Setting_Key(id), deviceValue(id), m_wanted.value(id), note);
            }
            return;
        }
        addRow(Setting_Key(call.setting), deviceValue(call.setting), m_wanted.value(call.setting),
               note);
    });
    for (const PlanName &n : plan.names)
        addRow(Setting_Key(n.id), m_current.value(n.id), n.value, T(ProfileText::OnThisPc));
    for (const PlanSkip &s : plan.skipped)
        addRow(Setting_Key(s.id), deviceValue(s.id), m_wanted.value(s.id),
               T(ProfileText::Skipped).arg(s.reason), true);
    QString text = plan.isEmpty()
        ? T(ProfileText::NothingToChange)
        : T(ProfileText::Preview).arg(plan.commandCount() + plan.names.size());
    if (m_wanted.model != m_current.model)
        text = T(ProfileText::OtherModel)
                   .arg(Profile_ModelName(m_wanted.model), Profile_ModelName(m_current.model))
            + QLatin1Char('\n') + text;
    m_status->setText(text);
    m_applyButton->setEnabled(!plan.isEmpty());
}

void Ui_Profiles::compareDone(const EngineReport &report)
{
    if (!report.ok()) {
        m_status->setText(failureText(report));
        return;
    }
    Profile device = report.profile;
    QStringList problems;
    Profile_RecordNames(&device, &problems);
    const ProfileComparison c = Profile_Compare(m_wanted, device);
    for (const ProfileDifference &d : c.differences)
        addRow(Setting_Key(d.id), d.hasActual ? d.actual : T(ProfileText::NotRead), d.wanted,
               QString());
    for (const ProfileDifference &d : c.skipped)
        addRow(Setting_Key(d.id), d.hasActual ? d.actual : QString(), d.wanted,
               T(ProfileText::Skipped).arg(d.reason), true);
    QString text = c.differences.isEmpty() ? T(ProfileText::Same)
                                           : T(ProfileText::Differences).arg(c.differences.size());
    if (c.modelsDiffer())
        text = T(ProfileText::OtherModel)
                   .arg(Profile_ModelName(c.wantedModel), Profile_ModelName(c.actualModel))
            + QLatin1Char('\n') + text;
    m_status->setText(text);
}

void Ui_Profiles::applyDone(const EngineReport &report)
{
    int n = 0;
    report.plan.forEachCall([&](const PlanStage &, const PlanCall &call, bool) {
        if (n++ < report.commandsSent)
            addRow(Setting_Key(call.setting), report.before.value(call.setting),
                   m_wanted.value(call.setting), T(ProfileText::SentNote));
    });
    for (const PlanSkip &s : report.plan.skipped)
        addRow(Setting_Key(s.id), report.before.value(s.id), m_wanted.value(s.id),
               T(ProfileText::Skipped).arg(s.reason), true);
    if (!report.ok()) {
        m_progress->setRange(0, qMax(1, report.plan.commandCount()));
        m_progress->setValue(report.commandsSent);
        m_progress->show();
        m_status->setText(T(ProfileText::Stopped)
                              .arg(report.commandsSent)
                              .arg(report.plan.commandCount())
                              .arg(failureText(report)));
        return;
    }
    if (!report.plan.names.isEmpty() && Profile_TakeNames(report.plan.names) > 0)
        emit SGL_NamesChanged();
    for (const ProfileDifference &d : report.verification.differences)
        addRow(Setting_Key(d.id), d.hasActual ? d.actual : T(ProfileText::NotRead), d.wanted,
               T(ProfileText::StillDifferent));
    m_progress->setRange(0, qMax(1, report.commandsSent));
    m_progress->setValue(m_progress->maximum());
    m_progress->show();
    m_status->setText(
        report.verification.differences.isEmpty()
            ? T(ProfileText::Verified)
            : T(ProfileText::StillDiffers).arg(report.verification.differences.size()));
    m_wanted = Profile();
}

void Ui_Profiles::SLOT_WindowMin() { }

void Ui_Profiles::SLOT_WindowMax() { }

void Ui_Profiles::SLOT_WindowClose()
{
    // A running job is cancelled; its last command still goes out.
    m_engine->cancel();
    hide();
}
