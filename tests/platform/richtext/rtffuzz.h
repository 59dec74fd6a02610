// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

namespace calmdesk::test {

// RTF inputs made by random mutation of seed documents: bytes flipped, inserted, deleted,
// pieces of RTF syntax spliced in, runs duplicated or cut short. The same seed gives the
// same inputs, so a failure can be replayed.
class RtfMutator
{
public:
    RtfMutator(QList<QByteArray> seeds, quint32 seed)
        : m_seeds(std::move(seeds))
        , m_random(seed)
    {}

    QByteArray next()
    {
        QByteArray input = m_seeds.at(m_random.bounded(int(m_seeds.size())));
        const int mutations = 1 + m_random.bounded(8);
        for (int i = 0; i < mutations; ++i)
            mutate(input);
        return input;
    }

private:
    void mutate(QByteArray &input)
    {
        static const char *const kPieces[] = {
            "{",
            "}",
            "\\",
            "\\'",
            "\\'9",
            "\\u",
            "\\u-",
            "\\u65535?",
            "\\u-1",
            "\\uc0",
            "\\uc99999",
            "\\bin",
            "\\bin999999999 ",
            "\\bin-5 ",
            "\\*",
            "{\\*\\x ",
            "\\par",
            "\\fs0",
            "\\fs-99999999999",
            "\\f99999999999",
            "\\cf7",
            "\\colortbl;",
            "\\fonttbl",
            "\\b0",
            "\\ulnone",
            "\\plain",
            ";",
            "\\red300",
            "{{{{{{{{",
            "}}}}}}}}",
            "\\~",
            "\\u55357?\\u56832?",
            "\\u56832?",
            "\\'00",
            "\0",
            "\xff\xfe",
        };
        const qsizetype at = input.isEmpty() ? 0 : m_random.bounded(int(input.size()) + 1);
        switch (m_random.bounded(6)) {
        case 0:
            if (!input.isEmpty() && at < input.size())
                input[at] = char(m_random.bounded(256));
            break;
        case 1:
            input.insert(at, char(m_random.bounded(256)));
            break;
        case 2:
            input.remove(at, m_random.bounded(16));
            break;
        case 3: {
            const char *piece = kPieces[m_random.bounded(int(std::size(kPieces)))];
            input.insert(at, QByteArray(piece, qsizetype(std::max<size_t>(1, strlen(piece)))));
            break;
        }
        case 4: {
            const qsizetype length = m_random.bounded(64);
            input.insert(at, input.mid(m_random.bounded(int(input.size()) + 1), length));
            break;
        }
        default:
            input.truncate(at);
            break;
        }
    }

    QList<QByteArray> m_seeds;
    QRandomGenerator m_random;
};

// Documents as other programs write them.
inline QList<QByteArray> rtfSeeds()
{
    return {
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 "
        "Calibri;}{\\f1\\froman Times New Roman;}}\n{\\colortbl ;\\red255\\green0\\blue0;}\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \n\\pard\\sa200\\sl276\\slmult1"
        "\\f0\\fs22\\lang9 Plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  "
        "\\strike gone\\strike0  \\cf1 red\\cf0  \\f1\\fs32 big\\par\nsecond caf\\'e9 "
        "\\u322?\\u-10179?\\u-8704?\\par\n}\n",
        "{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Helvetica;}\\f0\\pard {\\pict\\wmetafile8"
        "\\picw10\\pich10 0a0b0c\\bin2 \x01\x02}\\par}\n\x00}",
        "{\\rtf1{\\info{\\title x}{\\author y}}{\\stylesheet{\\s0 Normal;}}{\\field{\\*\\fldinst "
        "HYPERLINK \"http://x\"}{\\fldrslt link}}\\trowd\\cellx100 a\\cell b\\cell\\row "
        "{\\*\\unknown hidden} \\emdash\\~\\_\\-\\tab end}",
    };
}

} // namespace calmdesk::test
