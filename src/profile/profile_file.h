// Profile files: strict reading and deterministic writing.
//
// Reading refuses a file that is too large (before reading it), empty, cut off, not JSON, not
// a profile, of a newer format, or that holds an unknown key or a value outside the model's
// lists and limits. Every problem found is reported with its line; a refused file yields no
// profile at all, so nothing is ever applied from half a file.
//
// Writing puts every setting on a line of its own in a fixed order (UTF-8, LF line ends), so
// two profiles compare well with a text diff, and replaces the file only once it is complete.
#pragma once

#include "profile/profile.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// A profile is a few kilobytes; anything past this is not one and is not read at all.
inline constexpr qint64 ProfileMaxFileBytes = 1 << 20;
inline constexpr int ProfileMaxProblems = 50; // problems listed before "and more"

struct ProfileProblem
{
    int line = 0; // 0: the problem concerns the whole file
    QString reason;
};

// "line 12: reason" or just the reason.
QString Profile_ProblemText(const ProfileProblem &problem);
// All problems, one per line.
QString Profile_ProblemsText(const QVector<ProfileProblem> &problems);

bool Profile_FromJson(const QByteArray &bytes, Profile *profile, QVector<ProfileProblem> *problems);
bool Profile_ReadFile(const QString &path, Profile *profile, QVector<ProfileProblem> *problems);

QByteArray Profile_ToJson(const Profile &profile);
// False with a reason in plain words when the file could not be written; an existing file is
// then left as it was.
bool Profile_WriteFile(const QString &path, const Profile &profile, QString *error);
// Whether Profile_WriteFile could save there now (the folder exists and takes a new file, the
// path is no folder); false with the same reason it would give. Leaves nothing behind.
bool Profile_CheckWritable(const QString &path, QString *error);
