#pragma once

#include <QString>

class QWidget;

namespace calmdesk {

// The open and save dialogs the document commands ask for a path. An empty result
// means the writer cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual QString openPath() = 0;
    virtual QString savePath(const QString &currentPath) = 0;
};

// Qt's dialogs, parented to the editor so they open on its screen.
class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *parent)
        : m_parent(parent)
    {}
    // Dialogs open over this window, on its screen.
    void setParentWidget(QWidget *parent) { m_parent = parent; }
    QString openPath() override;
    QString savePath(const QString &currentPath) override;

    // The dialogs' titles, each joined by a no-break space.
    static QString openTitle();
    static QString saveTitle();

private:
    QWidget *m_parent;
};

} // namespace calmdesk
