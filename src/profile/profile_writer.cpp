// Deterministic writing of profile files.
#include "profile/profile_file.h"
#include "profile/profile_json.h"

#include <QFileInfo>
#include <QSaveFile>

#include <vector>

namespace {

// Settings nested by the components of their keys, in setting order.
struct Node
{
    QString name;
    std::vector<Node> children;
    int setting = -1; // a leaf: the setting's index
};

Node &Child(Node &parent, const QString &name)
{
    for (Node &c : parent.children) {
        if (c.name == name)
            return c;
    }
    parent.children.push_back(Node {name, {}, -1});
    return parent.children.back();
}

QByteArray ValueText(SettingId id, const QString &value)
{
    switch (Setting_Kind(id)) {
    case SettingKind::Number:
        return value.toLatin1();
    case SettingKind::Numbers:
        return "[" + value.split(QLatin1Char(' ')).join(QStringLiteral(", ")).toLatin1() + "]";
    case SettingKind::Word:
    case SettingKind::Text:
        break;
    }
    return Json_Quote(value);
}

bool AllLeaves(const Node &node)
{
    for (const Node &c : node.children) {
        if (c.setting < 0)
            return false;
    }
    return true;
}

void Render(const Node &node, const Profile &profile, int depth, QByteArray *out)
{
    if (node.setting >= 0) {
        const SettingId id = Setting_At(node.setting);
        *out += ValueText(id, profile.value(id));
        return;
    }
    // Numbered items ("window": {"1": {...}}) keep their few settings on one line each.
    if (depth >= 2 && AllLeaves(node)) {
        *out += '{';
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            *out += (i ? ", " : "") + Json_Quote(node.children[i].name) + ": ";
            Render(node.children[i], profile, depth + 1, out);
        }
        *out += '}';
        return;
    }
    const QByteArray indent((depth + 1) * 2, ' ');
    *out += "{\n";
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        *out += indent + Json_Quote(node.children[i].name) + ": ";
        Render(node.children[i], profile, depth + 1, out);
        *out += i + 1 < node.children.size() ? ",\n" : "\n";
    }
    *out += QByteArray(depth * 2, ' ') + '}';
}

} // namespace

QByteArray Profile_ToJson(const Profile &profile)
{
    Node root;
    for (const auto &entry : profile.values) {
        const QStringList parts = Setting_Key(entry.first).split(QLatin1Char('.'));
        Node *node = &root;
        for (const QString &part : parts)
            node = &Child(*node, part);
        node->setting = Setting_Index(entry.first);
    }
    QByteArray out = "{\n";
    out += "  \"format\": " + Json_Quote(QLatin1String(ProfileFormatName)) + ",\n";
    out += "  \"version\": " + QByteArray::number(ProfileFormatVersion) + ",\n";
    if (!profile.created.isEmpty())
        out += "  \"created\": " + Json_Quote(profile.created) + ",\n";
    if (!profile.panelVersion.isEmpty())
        out += "  \"panel\": " + Json_Quote(profile.panelVersion) + ",\n";
    out += "  \"model\": " + Json_Quote(Profile_ModelName(profile.model));
    for (const Node &group : root.children) {
        out += ",\n  " + Json_Quote(group.name) + ": ";
        Render(group, profile, 1, &out);
    }
    out += "\n}\n";
    return out;
}

bool Profile_WriteFile(const QString &path, const Profile &profile, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = Profile_ToJson(profile);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool Profile_CheckWritable(const QString &path, QString *error)
{
    if (QFileInfo(path).isDir()) {
        *error = QStringLiteral("cannot write %1: it is a folder").arg(path);
        return false;
    }
    // The same save file the write uses: its temporary file is created and removed again.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    file.cancelWriting();
    return true;
}
