// SPDX-License-Identifier: GPL-3.0-or-later
// Makes english.dct from a word list of one UTF-8 word per line: each word on a line of
// its own ending in CR LF, in Windows-1252. Words that code page cannot hold are left out.
//
// Usage: make_dictionary WORDLIST OUTPUT

#include "platform/codec/windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_dictionary WORDLIST OUTPUT\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_dictionary: cannot read %s\n", argv[1]);
        return 1;
    }
    QByteArray out;
    int kept = 0;
    int left = 0;
    for (const QByteArray &line : input.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (word.isEmpty())
            continue;
        if (const std::optional<QByteArray> bytes = calmdesk::encodeWindows1252(word)) {
            out += *bytes + "\r\n";
            ++kept;
        } else {
            ++left;
        }
    }
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(out) != out.size() || !output.commit()) {
        std::fprintf(stderr, "make_dictionary: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("english.dct: %d words, %d left out\n", kept, left);
    return 0;
}
