// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace calmdesk::test {

// Points HOME and every XDG folder at a fresh temporary tree, so a test never reads
// or writes the real home. A new instance (or reset()) gives a new, empty tree.
class IsolatedEnvironment
{
public:
    IsolatedEnvironment();
    ~IsolatedEnvironment();

    IsolatedEnvironment(const IsolatedEnvironment &) = delete;
    IsolatedEnvironment &operator=(const IsolatedEnvironment &) = delete;

    // Empties the tree and points the variables at new folders.
    void reset();
    // Points HOME and the XDG folders (all but the runtime folder) at folders that do not
    // exist, as for a user who has never started a desktop program.
    void pointAtMissingFolders();

    QString root() const;
    // The folders the variables name now.
    QString configHome() const;
    QString dataHome() const;
    QString stateHome() const;
    QString runtimeDir() const;

    // The environment the most recently created instance set up (for helper code).
    static IsolatedEnvironment *current();

private:
    void populate();

    QTemporaryDir *m_dir = nullptr;
};

// The folder holding the program's built executables (for tests that start real
// processes), taken from the test's environment.
QString binaryDir();

// The path of the built calmdesk executable.
QString calmdeskExecutable();

} // namespace calmdesk::test
