// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own cost, for the whole-editor comparison (docs/performance.md): a bare
// full-screen Qt editing widget that opens a file after it shows and saves it with
// Ctrl+S, nothing else. Run it under ../shared/tools/editor-bench beside Calmdesk.
//
//   bare_editor FILE          (QTextEdit; with BARE_PLAIN=1 in the environment,
//                              QPlainTextEdit)

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    QWidget *editor = nullptr;
    QTextDocument *document = nullptr;
    if (qEnvironmentVariableIsSet("BARE_PLAIN")) {
        auto *plain = new QPlainTextEdit;
        editor = plain;
        document = plain->document();
    } else {
        auto *rich = new QTextEdit;
        rich->setAcceptRichText(false);
        editor = rich;
        document = rich->document();
    }
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(12);
    editor->setFont(font);
    editor->showFullScreen();
    QTimer::singleShot(0, editor, [path, document] {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            document->setPlainText(QString::fromUtf8(file.readAll()));
    });
    auto *save = new QShortcut(QKeySequence(QStringLiteral("Ctrl+S")), editor);
    QObject::connect(save, &QShortcut::activated, editor, [path, document] {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(document->toPlainText().toUtf8());
            file.commit();
        }
    });
    const int status = QApplication::exec();
    delete editor;
    return status;
}
