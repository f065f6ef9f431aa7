// The command words the catalogue sends (verb and item, without the value), for completion
// in the debug terminal. Kept beside the builders; the catalogue's tests check that every
// command a builder queues starts with one of them and that each of them is sent by some
// builder.
#pragma once

#include <QStringList>

const QStringList &Catalogue_CommandWords();

// The words that start with prefix (case-insensitive), in catalogue order.
QStringList Catalogue_Complete(const QString &prefix);
