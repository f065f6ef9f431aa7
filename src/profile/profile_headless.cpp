#include "profile/profile_headless.h"

#include "link/page_requests.h"

void HeadlessPages::outputSetResolution(int index)
{
    if (m_enabled && Request_AfterOutputResolution(index))
        m_queued();
}

// The page stores the layout, asks for the restatement after a bare layout reply, and then
// (with its picture) for the free rectangle when the layout has one.
void HeadlessPages::multiviewSetLayout(quint32 mode, bool readSync)
{
    if (!m_enabled) {
        Request_AfterLayout(mode, false); // the state the builders read stays right
        return;
    }
    Request_AfterLayout(mode, readSync);
    Request_UserRectangle();
    m_queued();
}

void HeadlessPages::userRectangle()
{
    if (m_enabled && Request_UserRectangle() != UserRectangleKind::Hidden)
        m_queued();
}
