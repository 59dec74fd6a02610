// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/referencesources.h"

#include "core/asciitext.h"
#include "platform/store/settingsstore.h"

namespace calmdesk {

namespace {

ReferenceSource row(std::initializer_list<std::pair<ReferenceSource::Field, const char *>> values)
{
    ReferenceSource source;
    for (const auto &[field, text] : values)
        source[field] = QString::fromLatin1(text);
    return source;
}

// The built-in rows, marker for marker as the services' pages were written.
ReferenceSources builtInSources()
{
    using F = ReferenceSource;
    ReferenceSources sources;
    sources[0] = row({{F::Name, "thesaurus.com"},
                      {F::UrlTemplate, "http://thesaurus.com/browse/%s"},
                      {F::Start1, "<b>Part of Speech:</b></td>"},
                      {F::End1, "</td>"},
                      {F::Start2, "<b>Definition:</b></td>"},
                      {F::End2, "</td>"},
                      {F::Start3, "<b>Synonyms:</b></td>"},
                      {F::End3, "</td>"},
                      {F::NotFound, "No results found"}});
    sources[1] = row({{F::Name, "The Free Dictionary"},
                      {F::UrlTemplate, "http://www.thefreedictionary.com/%s"},
                      {F::Start2, "<div class=\"pseg\"><i>"},
                      {F::End2, "<div class=\"pseg\">|</table>|<i>|</div><hr"},
                      {F::NotFound, "Word not found"}});
    sources[2] = row({{F::Name, "en.wiktionary.org (Wikisaurus)"},
                      {F::UrlTemplate, "http://en.wiktionary.org/wiki/Wikisaurus:%s"},
                      {F::Start3, "<span class=\"mw-headline\">Synonyms</span></h5>"},
                      {F::End3, "</ul>"},
                      {F::NotFound, "does not yet have"}});
    sources[3] = row({{F::Name, "Encarta (MSN)"},
                      {F::UrlTemplate, "http://encarta.msn.com/dictionary_/%s.html"},
                      {F::Start2, "<td class=\"ResultBodyBlack\">Definition:</td>"},
                      {F::End2, "</table>"},
                      {F::NotFound, "No results found"}});
    sources[4] = row({{F::Name, "Wikipedia (Article)"},
                      {F::UrlTemplate, "http://en.wikipedia.org/wiki/%s"},
                      {F::Start1, "<p>"},
                      {F::End1, "</p>"},
                      {F::Start2, "<h2><span class=\"mw-headline\">"},
                      {F::End2, "<p><a name=\"See_also\" id=\"See_also\"></a>"},
                      {F::NotFound, "does not yet have"},
                      {F::Flags, "*"},
                      {F::SpanStart, "["},
                      {F::SpanEnd, "]"},
                      {F::TopicLink, "<a href=\"/wiki/"}});
    return sources;
}

} // namespace

ReferenceSources loadReferenceSources(const SettingsStore &store, const QString &root)
{
    ReferenceSources sources = builtInSources();
    for (int n = 1; n <= kReferenceSlots; ++n) {
        const QString key = root + QStringLiteral("\\refs%1").arg(n);
        if (trimmed(store.regReadString(key, QStringLiteral("ref1"))).isEmpty())
            continue;
        ReferenceSource &source = sources[n - 1];
        for (int m = 1; m <= 10; ++m)
            source.fields[m - 1] =
                trimmed(store.regReadString(key, QStringLiteral("ref%1").arg(m)));
    }
    return sources;
}

QStringList referenceSourceItems(const ReferenceSources &sources)
{
    QStringList items;
    for (int n = 1; n <= kReferenceSlots; ++n) {
        const ReferenceSource &source = sources[n - 1];
        const QString name = trimmed(source[ReferenceSource::Name]);
        if (!name.isEmpty() && !trimmed(source[ReferenceSource::UrlTemplate]).isEmpty())
            items << QStringLiteral("%1. %2").arg(n).arg(name);
    }
    return items;
}

int referenceSlotOfItem(const QString &item)
{
    const QString text = trimmed(item);
    if (text.isEmpty() || !text.contains(QStringLiteral(". ")))
        return 0;
    const bool twoDigits = text.size() > 1 && isAsciiDigit(text.at(1));
    const int slot = text.left(twoDigits ? 2 : 1).toInt();
    return slot >= 1 ? slot : 0;
}

QStringList webSearchAddresses(const QString &word)
{
    QStringList addresses;
    for (const char *search :
         {"http://www.google.com/search?q=%1", "http://search.yahoo.com/search?p=%1",
          "http://www.bing.com/results.aspx?q=%1"})
        addresses << QString::fromLatin1(search).arg(word);
    return addresses;
}

} // namespace calmdesk
