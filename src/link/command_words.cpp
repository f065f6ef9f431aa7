#include "link/command_words.h"

namespace {
const char *const Words[]
    = {"GET MODEL TYPE",
       // Output
       "GET OUT RESOLUTION", "SET OUT RESOLUTION", "GET RESO-USER", "SET RESO-USER", "GET OUT HDCP",
       "SET OUT HDCP", "GET OUT VKA", "SET OUT VKA", "GET OUT ITC", "SET OUT ITC",
       "GET OUT 4K-AUTO", "SET OUT 4K-AUTO",
       // Multiview
       "GET MULTIVIEW", "SET MULTIVIEW", "GET MULTIVIEW-SYNC", "GET PIP POS", "SET PIP POS",
       "GET PIP SIZE", "SET PIP SIZE", "GET PIP USER", "SET PIP USER", "GET PBP ASPECT",
       "SET PBP ASPECT", "GET PBP MODE", "SET PBP MODE", "GET PBP-PRESENTER", "SET PBP-PRESENTER",
       "GET 3xWIN ASPECT", "SET 3xWIN ASPECT", "GET 3xWIN MODE", "SET 3xWIN MODE",
       "GET 4xWIN ASPECT", "SET 4xWIN ASPECT", "GET 4xWIN MODE", "SET 4xWIN MODE", "SET SAVE SCENE",
       "SET LOAD SCENE", "GET IN RESOLUTION", "GET AUTO SWITCH", "SET AUTO SWITCH",
       "GET WINDOW1 IN", "SET WINDOW1 IN", "GET WINDOW2 IN", "SET WINDOW2 IN", "GET WINDOW3 IN",
       "SET WINDOW3 IN", "GET WINDOW4 IN", "SET WINDOW4 IN",
       // Audio
       "GET AUDIO SOURCE", "SET AUDIO SOURCE", "GET AUDIO VOL", "SET AUDIO VOL", "SET AUDIO VOL+",
       "SET AUDIO VOL-", "GET AUDIO-MUTE", "SET AUDIO-MUTE", "GET MAIN-AUDIO ONOFF",
       "SET MAIN-AUDIO ONOFF", "GET MIC1 ONOFF", "SET MIC1 ONOFF", "GET MIC2 ONOFF",
       "SET MIC2 ONOFF", "GET MIC1 VOL", "SET MIC1 VOL", "SET MIC1 VOL+", "SET MIC1 VOL-",
       "GET MIC2 VOL", "SET MIC2 VOL", "SET MIC2 VOL+", "SET MIC2 VOL-",
       // System
       "GET IN EDIDMODE", "SET IN EDIDMODE", "SET EDID-USER", "SET RESET", "GET VERSION",
       "GET SUB-VERSION", "GET EXPAND-VERSION", "GET KEYBOARD-VERSION", "GET NETWORK-INFO",
       "SET NETWORK-INFO", "GET BAUDRATE", "SET BAUDRATE"};
} // namespace

const QStringList &Catalogue_CommandWords()
{
    static const QStringList words = [] {
        QStringList list;
        for (const char *word : Words)
            list << QString::fromLatin1(word);
        return list;
    }();
    return words;
}

QStringList Catalogue_Complete(const QString &prefix)
{
    QStringList out;
    for (const QString &word : Catalogue_CommandWords()) {
        if (word.startsWith(prefix, Qt::CaseInsensitive))
            out << word;
    }
    return out;
}
