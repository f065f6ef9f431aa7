// Main window: the profiles dialog, and the pages that show names a profile brought in.
#include "ui/ui_main.h"

#include "link/link_controller.h"
#include "ui/ui_audio.h"
#include "ui/ui_multiview.h"
#include "ui/ui_profiles.h"

void Ui_Main::OpenProfiles()
{
    // The dialog reads and writes the device: without an identified one it has nothing to do.
    if (m_linkController->identifiedModel() < 0)
        return;
    if (!m_profiles) {
        m_profiles = new Ui_Profiles(*m_linkController, m_replyValues, this);
        m_profiles->setWindowModality(Qt::WindowModal);
        connect(m_profiles, &Ui_Profiles::SGL_NamesChanged, this, [this] {
            m_multiviewPage->RefreshTexts(false, false);
            m_audioPage->RefreshTexts(false, false);
        });
    }
    m_profiles->show();
    m_profiles->raise();
    m_profiles->activateWindow();
}

void Ui_Main::refreshProfilesTexts()
{
    if (m_profiles)
        m_profiles->RefreshTexts();
}
