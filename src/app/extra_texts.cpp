#include "app/extra_texts.h"

#include "app/config_values.h"

QString Extra_Text(const ExtraText &text, bool english)
{
    return QString::fromUtf8(english ? text.english : text.chinese);
}

QString Extra_Text(const ExtraText &text)
{
    return Extra_Text(text, Key_LanguageIsEnglish == QLatin1String("1"));
}
