// Strict reading of profile files.
#include "profile/profile_file.h"
#include "profile/profile_json.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <map>

namespace {

// Whether some setting key continues the prefix with another component.
bool IsKeyPrefix(const QString &prefix)
{
    const QString withDot = prefix + QLatin1Char('.');
    for (int i = 0; i < SettingCount; ++i) {
        if (Setting_Key(Setting_At(i)).startsWith(withDot))
            return true;
    }
    return false;
}

class Reader
{
public:
    explicit Reader(QVector<ProfileProblem> *problems)
        : m_problems(problems)
    { }

    bool read(const JsonValue &root, Profile *out)
    {
        if (root.type != JsonValue::Object) {
            problem(root.line,
                    QStringLiteral("a profile is a group in braces { }, not %1")
                        .arg(QLatin1String(root.typeName())));
            return false;
        }
        readHeader(root);
        for (const JsonValue::Member &m : root.members) {
            if (IsHeaderKey(m.key))
                continue;
            // The groups are the first parts of the setting keys ("output", "window"...).
            if (m.key.contains(QLatin1Char('.')) || !IsKeyPrefix(m.key)) {
                problem(m.line, QStringLiteral("unknown key \"%1\"").arg(m.key.left(64)));
                continue;
            }
            if (m.value.type != JsonValue::Object) {
                problem(m.line, QStringLiteral("\"%1\" must be a group in braces { }").arg(m.key));
                continue;
            }
            flatten(m.key, m.value);
        }
        checkLayoutRules();
        if (!m_problems->isEmpty())
            return false;
        *out = m_profile;
        return true;
    }

private:
    static bool IsHeaderKey(const QString &key)
    {
        return key == QLatin1String("format") || key == QLatin1String("version")
            || key == QLatin1String("created") || key == QLatin1String("panel")
            || key == QLatin1String("model");
    }

    void problem(int line, const QString &reason)
    {
        if (m_problems->size() < ProfileMaxProblems)
            m_problems->append({line, reason});
        else if (m_problems->size() == ProfileMaxProblems)
            m_problems->append({0, QStringLiteral("and more problems")});
    }

    const JsonValue::Member *member(const JsonValue &object, const char *key)
    {
        for (const JsonValue::Member &m : object.members) {
            if (m.key == QLatin1String(key))
                return &m;
        }
        return nullptr;
    }

    // A short printable text of at most maxChars.
    bool headerText(const JsonValue::Member &m, int maxChars, QString *text)
    {
        if (m.value.type != JsonValue::String || m.value.text.size() > maxChars) {
            problem(m.line,
                    QStringLiteral("\"%1\" must be a text of at most %2 characters")
                        .arg(m.key)
                        .arg(maxChars));
            return false;
        }
        for (const QChar c : m.value.text) {
            if (c.unicode() < 0x20) {
                problem(m.line, QStringLiteral("\"%1\" holds a control character").arg(m.key));
                return false;
            }
        }
        *text = m.value.text;
        return true;
    }

    void readHeader(const JsonValue &root)
    {
        const JsonValue::Member *format = member(root, "format");
        QString text;
        if (!format || !headerText(*format, 64, &text)
            || text != QLatin1String(ProfileFormatName)) {
            problem(format ? format->line : root.line,
                    QStringLiteral("not a Korvane profile (\"format\" must be \"%1\")")
                        .arg(QLatin1String(ProfileFormatName)));
        }
        const JsonValue::Member *version = member(root, "version");
        if (!version) {
            problem(root.line, QStringLiteral("\"version\" is missing"));
        } else if (!version->value.isInteger || version->value.integer < 1) {
            problem(version->line, QStringLiteral("\"version\" must be a whole number from 1"));
        } else if (version->value.integer > ProfileFormatVersion) {
            problem(version->line,
                    QStringLiteral("format version %1 is newer than this program reads (%2); "
                                   "use a newer Korvane")
                        .arg(version->value.integer)
                        .arg(ProfileFormatVersion));
        }
        if (const JsonValue::Member *created = member(root, "created")) {
            if (headerText(*created, 64, &text)) {
                if (!QDateTime::fromString(text, Qt::ISODate).isValid())
                    problem(created->line,
                            QStringLiteral("\"created\" is not a date and time like "
                                           "2024-05-01T12:00:00Z"));
                else
                    m_profile.created = text;
            }
        }
        if (const JsonValue::Member *panel = member(root, "panel")) {
            if (headerText(*panel, 64, &text))
                m_profile.panelVersion = text;
        }
        const JsonValue::Member *model = member(root, "model");
        if (!model) {
            problem(root.line, QStringLiteral("\"model\" is missing"));
        } else if (headerText(*model, 64, &text)) {
            m_profile.model = Profile_ModelFromName(text);
            if (m_profile.model < 0)
                problem(model->line,
                        QStringLiteral("unknown model \"%1\" (Halden, Corvo, Marlet, "
                                       "Tessin or Brimo)")
                            .arg(text));
        }
    }

    void flatten(const QString &prefix, const JsonValue &object)
    {
        for (const JsonValue::Member &m : object.members) {
            const QString key = prefix + QLatin1Char('.') + m.key;
            if (m.value.type == JsonValue::Object && IsKeyPrefix(key)) {
                flatten(key, m.value);
                continue;
            }
            const std::optional<SettingId> id = Setting_FromKey(key);
            if (!id) {
                problem(m.line, QStringLiteral("unknown key \"%1\"").arg(key.left(80)));
                continue;
            }
            leaf(*id, m);
        }
    }

    bool typeIs(SettingId id, const JsonValue::Member &m, JsonValue::Type type, const char *what)
    {
        if (m.value.type == type && (type != JsonValue::Number || m.value.isInteger))
            return true;
        if (m.value.type == JsonValue::Number && type == JsonValue::Number
            && !m.value.text.contains(QRegularExpression(QStringLiteral("[.eE]")))) {
            problem(m.line,
                    QStringLiteral("%1: %2 is out of range")
                        .arg(Setting_Key(id), m.value.text.left(24)));
            return false;
        }
        problem(m.line,
                QStringLiteral("%1 must be %2, not %3")
                    .arg(Setting_Key(id), QLatin1String(what),
                         QLatin1String(m.value.type == JsonValue::Number && !m.value.isInteger
                                           ? "a fraction"
                                           : m.value.typeName())));
        return false;
    }

    // The canonical text of a JSON value, or false after reporting why not.
    bool canonical(SettingId id, const JsonValue::Member &m, QString *out)
    {
        switch (Setting_Kind(id)) {
        case SettingKind::Word: {
            if (!typeIs(id, m, JsonValue::String, "a text"))
                return false;
            QString reason;
            if (!Setting_Parse(id, m.value.text, out, &reason)) {
                problem(m.line, Setting_Key(id) + QStringLiteral(": ") + reason);
                return false;
            }
            return true;
        }
        case SettingKind::Number:
            if (!typeIs(id, m, JsonValue::Number, "a whole number"))
                return false;
            if (m.value.integer < 0 || m.value.integer > 999999999) {
                problem(m.line,
                        QStringLiteral("%1: %2 is out of range")
                            .arg(Setting_Key(id), m.value.text.left(24)));
                return false;
            }
            *out = QString::number(m.value.integer);
            return true;
        case SettingKind::Numbers: {
            const int count = Setting_NumberCount(id);
            if (!typeIs(id, m, JsonValue::Array, "a list of whole numbers"))
                return false;
            QStringList parts;
            for (const JsonValue &item : m.value.items) {
                if (!item.isInteger || item.integer < 0 || item.integer > 999999999)
                    break;
                parts.append(QString::number(item.integer));
            }
            if (parts.size() != count || static_cast<int>(m.value.items.size()) != count) {
                problem(m.line,
                        QStringLiteral("%1 must be a list of %2 whole numbers")
                            .arg(Setting_Key(id))
                            .arg(count));
                return false;
            }
            *out = parts.join(QLatin1Char(' '));
            return true;
        }
        case SettingKind::Text:
            if (!typeIs(id, m, JsonValue::String, "a text"))
                return false;
            *out = m.value.text;
            return true;
        }
        return false;
    }

    void leaf(SettingId id, const JsonValue::Member &m)
    {
        QString value;
        if (!canonical(id, m, &value))
            return;
        if (m_profile.model >= 0) {
            const QString reason = Setting_Check(id, value, m_profile.model);
            if (!reason.isEmpty()) {
                problem(m.line, Setting_Key(id) + QStringLiteral(": ") + reason);
                return;
            }
        }
        m_profile.set(id, value);
        m_lines[id] = m.line;
    }

    void misplaced(SettingId id, const QString &reason)
    {
        problem(m_lines[id], Setting_Key(id) + QStringLiteral(": ") + reason);
        m_profile.remove(id);
    }

    // Settings that only mean something together with the layout (or resolution) they
    // belong to; a file that mixes them up would be applied in a way nobody intended.
    void checkLayoutRules()
    {
        for (int pass = 0; pass < 2; ++pass) {
            for (const auto &entry : std::map<SettingId, QString>(m_profile.values)) {
                const QString why = Profile_Misfit(m_profile, entry.first);
                if (!why.isEmpty())
                    misplaced(entry.first, why);
            }
        }
    }

    QVector<ProfileProblem> *m_problems;
    Profile m_profile;
    std::map<SettingId, int> m_lines;
};

} // namespace

QString Profile_ProblemText(const ProfileProblem &problem)
{
    if (problem.line <= 0)
        return problem.reason;
    return QStringLiteral("line %1: %2").arg(problem.line).arg(problem.reason);
}

QString Profile_ProblemsText(const QVector<ProfileProblem> &problems)
{
    QStringList lines;
    for (const ProfileProblem &p : problems)
        lines.append(Profile_ProblemText(p));
    return lines.join(QLatin1Char('\n'));
}

bool Profile_FromJson(const QByteArray &bytes, Profile *profile, QVector<ProfileProblem> *problems)
{
    problems->clear();
    if (bytes.size() > ProfileMaxFileBytes) {
        problems->append({0,
                          QStringLiteral("the file is larger than %1 bytes; a profile is a "
                                         "few kilobytes")
                              .arg(ProfileMaxFileBytes)});
        return false;
    }
    JsonValue root;
    JsonError error;
    if (!Json_Parse(bytes, &root, &error)) {
        problems->append({error.line, error.reason});
        return false;
    }
    return Reader(problems).read(root, profile);
}

bool Profile_ReadFile(const QString &path, Profile *profile, QVector<ProfileProblem> *problems)
{
    problems->clear();
    const QFileInfo info(path);
    if (info.isDir()) {
        problems->append({0, QStringLiteral("%1 is a folder, not a profile file").arg(path)});
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems->append({0, QStringLiteral("cannot open %1: %2").arg(path, file.errorString())});
        return false;
    }
    // Refused before reading: a huge file must not be loaded into memory to find out.
    if (file.size() > ProfileMaxFileBytes) {
        problems->append({0,
                          QStringLiteral("%1 is %2 bytes; a profile is at most %3 bytes")
                              .arg(path)
                              .arg(file.size())
                              .arg(ProfileMaxFileBytes)});
        return false;
    }
    // A pipe or device reports size 0: read one byte past the limit to tell.
    const QByteArray bytes = file.read(ProfileMaxFileBytes + 1);
    if (bytes.size() > ProfileMaxFileBytes) {
        problems->append(
            {0, QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(ProfileMaxFileBytes)});
        return false;
    }
    return Profile_FromJson(bytes, profile, problems);
}
