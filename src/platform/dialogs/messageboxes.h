// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace calmdesk {

// A message box as the program words it: fixed text, caption, icon and buttons.
struct Message
{
    enum class Icon { None, Question, Error, Warning, Information };
    enum class Buttons { Ok, YesNoCancel };

    QString text;
    QString caption;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

enum class Answer { Ok, Yes, No, Cancel };

// Shows messages and returns the writer's answer. The program asks through this one
// interface, so tests can answer in the writer's place.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(const Message &message) = 0;
};

// Modal Qt message boxes parented to the editor, so they open on its screen.
class QtMessageBoxes : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget *parent)
        : m_parent(parent)
    {}
    // Dialogs open over this window, on its screen.
    void setParentWidget(QWidget *parent) { m_parent = parent; }
    Answer show(const Message &message) override;

private:
    QWidget *m_parent;
};

} // namespace calmdesk
