// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTest>

namespace calmdesk::test {

// The golden file's bytes under tests/data/export/. With CALMDESK_UPDATE_GOLDEN set, the
// file is first written from `actual`: a changed golden file is then a reviewed change.
inline QByteArray goldenBytes(const QString &name, const QByteArray &actual)
{
    const QString path =
        QDir(qEnvironmentVariable("CALMDESK_TEST_DATA")).filePath(QStringLiteral("export/") + name);
    if (qEnvironmentVariableIsSet("CALMDESK_UPDATE_GOLDEN")) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("missing golden file ") + path.toUtf8();
    return file.readAll();
}

// Runs a program that reads files (qpdf, pdftotext, pandoc); empty when it is missing.
struct ToolRun
{
    bool found = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};
ToolRun runTool(const QString &program, const QStringList &arguments);

} // namespace calmdesk::test
