// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace calmdesk {

// True for "/auto" and "-auto" in any letter case, blanks around ignored.
bool isAutoSwitch(const QString &argument);

// What the command line asks of the first instance's window.
struct CommandLineDocument
{
    QString path;             // the first argument naming an existing file, trimmed
    bool startHidden = false; // an /auto seen before that file
};

// Examines the arguments from the first: /auto sets startHidden; the first argument that
// names an existing file is the document to open, and nothing after it is looked at.
// The path is used as typed (trimmed): on a file system that tells letter case apart,
// a lower-cased path would name another file or none.
CommandLineDocument examineCommandLine(const QStringList &arguments,
                                       const std::function<bool(const QString &)> &fileExists);

// True when any argument is an /auto switch: the program entry then keeps the window in
// the tray whatever the window's own examination found.
bool commandLineAsksHidden(const QStringList &arguments);

// Which document the "At Startup" setting opens when nothing else did.
struct FirstDocument
{
    QString path;                 // empty: the untitled document stays
    bool createIfMissing = false; // today's diary page is made when it does not exist
};

// Any other `openlst` opens nothing.
struct FirstDocumentInputs
{
    StartupDocument openlst = StartupDocument::NewFile;
    QString lastKnown; // the "lastknonw" value
    QString diaryDir;  // the diary folder setting
    QDate today;
    std::function<bool(const QString &)> fileExists;
    std::function<QString(const QString &folder, const QString &mask)> findNewestFile;
};

FirstDocument chooseFirstDocument(const FirstDocumentInputs &inputs);

} // namespace calmdesk
