#pragma once

#include <QObject>

class QWidget;

namespace calmdesk {

// Lets a window see every key released in it before the focused control does, whichever
// of its controls has the focus (the window-wide commands work in every panel).
class KeyPreview : public QObject
{
    Q_OBJECT

public:
    explicit KeyPreview(QWidget *window);

signals:
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace calmdesk
