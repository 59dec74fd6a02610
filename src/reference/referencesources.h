// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace calmdesk {

class SettingsStore;

// One web source a word can be looked up on: where its page is and how to cut the useful
// parts out of it. Fields 2 to 8 may hold several alternatives separated by "|".
struct ReferenceSource
{
    enum Field {
        Name,
        UrlTemplate, // "%s" stands for the word
        Start1,
        End1,
        Start2,
        End2, // also opens the related-topics region
        Start3,
        End3,
        NotFound,
        Flags, // "*": section 2 keeps the start marker that matched
        SpanStart,
        SpanEnd, // spans cut out of every section
        TopicLink,
        FieldCount
    };
    std::array<QString, FieldCount> fields;

    const QString &operator[](Field f) const { return fields[f]; }
    QString &operator[](Field f) { return fields[f]; }
};

inline constexpr int kReferenceSlots = 24;
// Slots 1 to 24, kept at indexes 0 to 23.
using ReferenceSources = std::array<ReferenceSource, kReferenceSlots>;

// The five built-in rows, then the store's refs1..refs24 overrides: a key whose "ref1" is
// not blank replaces fields 0 to 9 of its slot (fields 10 to 12 stay built in).
ReferenceSources loadReferenceSources(const SettingsStore &store, const QString &root);

// The items of the sources list, "5. Wikipedia (Article)", for the slots that have both a
// name and an address.
QStringList referenceSourceItems(const ReferenceSources &sources);
// The slot an item names ("12. Name" is slot 12), or 0 when it names none.
int referenceSlotOfItem(const QString &item);

// The three web searches offered under every result, with the word in place.
QStringList webSearchAddresses(const QString &word);

} // namespace calmdesk
