// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/tfrmhelp.h"

#include "platform/shell/urlopener.h"
#include "platform/text/textcontrol.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace calmdesk {

namespace {

constexpr int kClientWidth = 665;
constexpr int kClientHeight = 505;

constexpr int kStripHeight = 65;
const QColor kHeaderColour(255, 255, 255);
const QColor kShadowColour(160, 160, 160);
const QColor kFooterColour(241, 241, 241);
constexpr int kFooterTop = 440;

constexpr int kHeaderImageSize = 48;
constexpr int kFooterImageSize = 40;
constexpr int kStripImageLeft = 12;
constexpr int kHeaderImageTop = 8;
constexpr int kFooterImageTop = 12;
constexpr int kStripTextLeft = 72;
constexpr int kTitleTop = 12;
constexpr int kSubtitleTop = 38;
constexpr int kTitlePointSizeIncrease = 3;
constexpr int kFooterNameTop = 14;
constexpr int kFooterAddressTop = 34;

constexpr int kColumnTop = 72;
constexpr int kColumnHeight = 281;
struct ColumnPlace
{
    int left;
    int width;
};
constexpr ColumnPlace kColumns[] = {{8, 97}, {120, 177}, {312, 97}, {424, 233}};
// Paragraph space after each line of a column, so each key's line stands level with its
// meaning's.
constexpr int kLineSpaceTwips = 100;
constexpr int kTwipsPerPoint = 20;
constexpr qreal kPointsPerInch = 72.0;
// The document's own margin inside a column, on every side.
constexpr int kColumnMargin = 4;
// The card's text shrinks to fit its columns, never below this.
constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kPointSizeStep = 0.5;

constexpr int kHintLeft = 8;
constexpr int kHintTops[] = {408, 424};
constexpr int kHintGap = 4;

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonRight = 12;

const QString kIcon = QStringLiteral(":/calmdesk/calmdesk-256.png");

QWidget *strip(QWidget *parent, int top, const QColor &colour)
{
    auto *widget = new QWidget(parent);
    widget->setGeometry(0, top, kClientWidth, kStripHeight);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
    return widget;
}

QLabel *imageLabel(QWidget *parent, int size, int top)
{
    auto *image = new QLabel(parent);
    image->setPixmap(
        QPixmap(kIcon).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    image->setGeometry(kStripImageLeft, top, size, size);
    return image;
}

QLabel *textLabel(QWidget *parent, const QString &text, int left, int top, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->adjustSize();
    label->move(left, top);
    return label;
}

// The largest size, from the card's own font down, at which no line of a column wraps
// and the thirteen lines with their spacing fit the columns' height.
qreal fittingPointSize(const QFont &base, qreal spacingPixels)
{
    QFont font = base;
    for (qreal size = base.pointSizeF(); size > kSmallestPointSize; size -= kPointSizeStep) {
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font);
        bool fits = true;
        for (int column = 0; column < 4 && fits; ++column) {
            const QStringList lines = TfrmHelp::columnLines(column);
            const qreal room = kColumns[column].width - 2 * kColumnMargin - 1;
            for (const QString &line : lines)
                fits = fits && metrics.horizontalAdvance(line) <= room;
            const qreal height =
                lines.size() * (metrics.lineSpacing() + spacingPixels) + 2 * kColumnMargin;
            fits = fits && height <= kColumnHeight;
        }
        if (fits)
            return size;
    }
    return kSmallestPointSize;
}

} // namespace

TfrmHelp::TfrmHelp(QWidget *parent, UrlOpener &opener)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , txtCol1(new TextControl(this))
    , txtCol2(new TextControl(this))
    , txtCol3(new TextControl(this))
    , txtCol4(new TextControl(this))
    , lblClick1(new QLabel(tr("Click"), this))
    , lblHint1(new QLabel(tr("the time bar (in the status bar) to open a Diary page."), this))
    , lblClick2(new QLabel(tr("Click"), this))
    , lblHint2(new QLabel(tr("the filename panel (status bar) to show Recent files."), this))
    , imgFooter(new QLabel(this))
    , Label1(new QLabel(tr("Calmdesk"), this))
    , Label2(new QLabel(webAddress(), this))
    , cmdClose(new QPushButton(tr("&Close"), this))
    , m_opener(opener)
{
    setObjectName(QStringLiteral("TfrmHelp"));
    setWindowTitle(tr("Help"));
    setFixedSize(kClientWidth, kClientHeight);
    buildHeader();
    buildColumns();
    buildHints();
    buildFooter();
    centreOver(parent);
    cmdClose->setFocus();
}

void TfrmHelp::showHelp(QWidget *parent, UrlOpener &opener)
{
    TfrmHelp help(parent, opener);
    help.exec();
}

QString TfrmHelp::webAddress()
{
    return QStringLiteral("calmdesk.org");
}

QStringList TfrmHelp::columnLines(int column)
{
    switch (column) {
    case 0:
        return {tr("Ctrl+N"), tr("Ctrl+O"), tr("Ctrl+S, Ctrl+D"), tr("Ctrl+E"),       tr("Ctrl+R"),
                tr("Ctrl+T"), tr("Ctrl+Q"), tr("Ctrl+A"),         tr("Ctrl+X, C, V"), tr("Ctrl+K"),
                tr("Ctrl+J"), tr("Alt+F"),  tr("Ctrl+L")};
    case 1:
        return {tr("New File"),
                tr("Open File..."),
                tr("Save File, Save File As..."),
                tr("Export (rtf, html, pdf)"),
                tr("Recent Files"),
                tr("Minimize to Tray"),
                tr("Exit"),
                tr("Select All"),
                tr("Cut, Copy, Paste"),
                tr("Toggle Always on Top"),
                tr("Swap position (windowed mode)"),
                tr("Full-screen mode"),
                tr("Switch between multiple monitors")};
    case 2:
        return {tr("Ctrl+Space"),   tr("Ctrl+F"),    tr("F3"),      tr("Ctrl+H"),
                tr("Ctrl+B, I, U"), tr("F5"),        tr("Ctrl+F5"), tr("F7"),
                tr("Right-Click"),  tr("Alt+Click"), tr("F9, F11"), tr("Ctrl+P, Alt+P"),
                tr("Alt+B")};
    case 3:
        return {tr("Quick text (Auto-Text)"),
                tr("Find..."),
                tr("Find Next"),
                tr("Replace"),
                tr("Insert HTML Tag or BBCode"),
                tr("Insert Date/Time"),
                tr("Date/Time (long format)"),
                tr("Spelling Check"),
                tr("Spelling suggestions (misspelled word)"),
                tr("References (thesaurus, definitions, articles)"),
                tr("Options"),
                tr("Scratchpad, Global Scratchpad"),
                tr("Internet Browser")};
    default:
        return {};
    }
}

void TfrmHelp::buildHeader()
{
    QWidget *header = strip(this, 0, kHeaderColour);
    imageLabel(header, kHeaderImageSize, kHeaderImageTop);
    QLabel *title = textLabel(header, tr("Keyboard shortcuts"), kStripTextLeft, kTitleTop, true);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() + kTitlePointSizeIncrease);
    title->setFont(titleFont);
    title->adjustSize();
    textLabel(header, tr("You can use these shortcuts anywhere in the program."), kStripTextLeft,
              kSubtitleTop);

    auto *shadow = new QFrame(this);
    shadow->setGeometry(0, kStripHeight, kClientWidth, 1);
    QPalette colours = shadow->palette();
    colours.setColor(QPalette::Window, kShadowColour);
    shadow->setPalette(colours);
    shadow->setAutoFillBackground(true);
}

void TfrmHelp::buildColumns()
{
    const qreal spacingPixels =
        kLineSpaceTwips / qreal(kTwipsPerPoint) * logicalDpiY() / kPointsPerInch;
    const qreal pointSize = fittingPointSize(font(), spacingPixels);
    TextControl *const columns[] = {txtCol1, txtCol2, txtCol3, txtCol4};
    const QString names[] = {tr("Shortcut keys, left"), tr("Commands, left"),
                             tr("Shortcut keys, right"), tr("Commands, right")};
    for (int i = 0; i < 4; ++i) {
        TextControl *column = columns[i];
        column->setObjectName(QStringLiteral("txtCol%1").arg(i + 1));
        column->setGeometry(kColumns[i].left, kColumnTop, kColumns[i].width, kColumnHeight);
        column->setPaperColour(palette().color(QPalette::Window));
        CharAttributes attributes;
        attributes.family = font().family();
        attributes.pointSize = pointSize;
        attributes.colour = palette().color(QPalette::WindowText);
        column->setCharAttributes(attributes, FormatScope::AllText);
        column->setParagraphSpaceAfter(kLineSpaceTwips);
        column->setText(columnLines(i).join(QLatin1String("\r\n")));
        column->setReadOnly(true);
        // Borderless, and the card never scrolls: the widget inside is a scroll area.
        if (auto *area = column->findChild<QAbstractScrollArea *>()) {
            area->setFrameShape(QFrame::NoFrame);
            area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            area->setAccessibleName(names[i]);
        }
    }
}

void TfrmHelp::buildHints()
{
    QLabel *const clicks[] = {lblClick1, lblClick2};
    QLabel *const hints[] = {lblHint1, lblHint2};
    for (int i = 0; i < 2; ++i) {
        QFont bold = clicks[i]->font();
        bold.setBold(true);
        clicks[i]->setFont(bold);
        clicks[i]->adjustSize();
        clicks[i]->move(kHintLeft, kHintTops[i]);
        hints[i]->adjustSize();
        hints[i]->move(clicks[i]->geometry().right() + 1 + kHintGap, kHintTops[i]);
    }
}

void TfrmHelp::buildFooter()
{
    QWidget *footer = strip(this, kFooterTop, kFooterColour);
    imgFooter->setParent(footer);
    imgFooter->setPixmap(QPixmap(kIcon).scaled(kFooterImageSize, kFooterImageSize,
                                               Qt::KeepAspectRatio, Qt::SmoothTransformation));
    imgFooter->setGeometry(kStripImageLeft, kFooterImageTop, kFooterImageSize, kFooterImageSize);
    imgFooter->setAccessibleName(tr("Open %1").arg(webAddress()));

    Label1->setParent(footer);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->adjustSize();
    Label1->move(kStripTextLeft, kFooterNameTop);
    Label2->setParent(footer);
    Label2->adjustSize();
    Label2->move(kStripTextLeft, kFooterAddressTop);
    for (QLabel *link : {imgFooter, Label1, Label2}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    cmdClose->setParent(footer);
    cmdClose->setGeometry(kClientWidth - kButtonRight - kButtonWidth,
                          (kStripHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight);
    // Enter presses it, and Escape closes the card as well.
    cmdClose->setDefault(true);
    cmdClose->setAutoDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmHelp::centreOver(QWidget *parent)
{
    if (!parent)
        return;
    const QRect main = parent->window()->geometry();
    move(main.x() + (main.width() - width()) / 2, main.y() + (main.height() - height()) / 2);
}

bool TfrmHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        (watched == imgFooter || watched == Label1 || watched == Label2)) {
        Label2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmHelp::Label2Click()
{
    openWebAddress(QStringLiteral("http://") + Label2->text(), m_opener);
}

} // namespace calmdesk
