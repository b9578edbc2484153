// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/RadicalAnalysisStrip.h"

#include "core/platform/Twips.h"
#include "core/wubi/RadicalGrid.h"
#include "core/wubi/RadicalTable.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {

// Positions in twips from the strip's top-left.
constexpr int WidthTwips = 3705;
constexpr int HeightTwips = 345;
constexpr int CaptionLeft = 30;
constexpr int MessageLeft = 540;
constexpr int RadicalCaptionLeft = 1920;
constexpr std::array<int, 4> PictureLefts{2370, 2700, 3030, 3360};
constexpr int PictureWidth = 315;
constexpr int PictureHeight = 255;

// The longest message, "该字为二级简码！", has to end before "字根：".
constexpr int TextPixelSize = 11;

QSize stripSize()
{
    return QSize(Twips::toPixels(WidthTwips), Twips::toPixels(HeightTwips));
}

QLabel *makeLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

RadicalAnalysisStrip::RadicalAnalysisStrip(QWidget *parent)
    : QFrame(parent)
    , m_table(RadicalTable::builtIn())
    , m_grid(RadicalGrid::builtIn())
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setFixedSize(stripSize());
    setFocusPolicy(Qt::NoFocus);
    QFont small = font();
    small.setPixelSize(TextPixelSize);
    setFont(small);

    m_caption = makeLabel(QStringLiteral("分析："), this);
    m_message = makeLabel(QString(), this);
    m_message->setObjectName(QStringLiteral("message"));
    QPalette red = m_message->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_message->setPalette(red);
    m_radicalCaption = makeLabel(QStringLiteral("字根："), this);
    placeLabels();

    setAccessibleName(QStringLiteral("五笔字根分析"));
}

void RadicalAnalysisStrip::WBZGDemand(const QString &text)
{
    const RadicalAnalysis analysis = RadicalAnalysis::analyse(m_table, text, m_messageText);
    if (analysis.messageChanged() && analysis.message() != m_messageText) {
        m_messageText = analysis.message();
        m_message->setText(m_messageText);
        m_message->setAccessibleName(m_messageText);
        placeLabels();
    }
    if (analysis.cells() != m_cells) {
        m_cells = analysis.cells();
        for (int n = 0; n < RadicalAnalysis::PictureCount; ++n)
            update(pictureRect(n));
    }
    setAccessibleDescription(analysis.spokenText());
}

QRect RadicalAnalysisStrip::pictureRect(int n)
{
    // 120 twips from the top would push the 17-pixel boxes past the bottom of
    // the 23-pixel strip, so they are centred in its height instead.
    const QSize box(Twips::toPixels(PictureWidth), Twips::toPixels(PictureHeight));
    const int top = (stripSize().height() - box.height()) / 2;
    return QRect(QPoint(Twips::toPixels(PictureLefts.at(std::size_t(n))), top), box);
}

QSize RadicalAnalysisStrip::sizeHint() const
{
    return stripSize();
}

QSize RadicalAnalysisStrip::minimumSizeHint() const
{
    return stripSize();
}

void RadicalAnalysisStrip::placeLabels()
{
    // 165 twips from the top leaves 10 pixels above the lower frame line,
    // less than a line of text needs, so the texts are centred in the strip.
    // Each text ends where the next item begins: "字根：" is a few pixels
    // wider than its room, and a style sheet that fills label backgrounds
    // would otherwise cover the first picture. Only the blank right half of
    // its colon is lost.
    struct Place
    {
        QLabel *label;
        int left;
        int next;
    };
    const std::array<Place, 3> places{{
        {m_caption, CaptionLeft, MessageLeft},
        {m_message, MessageLeft, RadicalCaptionLeft},
        {m_radicalCaption, RadicalCaptionLeft, PictureLefts.front()},
    }};
    for (const Place &place : places) {
        const QSize size = place.label->sizeHint();
        const int left = Twips::toPixels(place.left);
        const int width = qMin(size.width(), Twips::toPixels(place.next) - left);
        place.label->setGeometry(left, (height() - size.height()) / 2, width, size.height());
    }
}

void RadicalAnalysisStrip::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);

    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QColor ink = palette().color(QPalette::Text);
    for (int n = 0; n < RadicalAnalysis::PictureCount; ++n) {
        const QRect box = pictureRect(n);
        painter.fillRect(box, palette().color(QPalette::Base));
        if (m_cells.at(std::size_t(n)) < 0)
            continue;
        // The 18-pixel cell is a pixel taller than its box; centred, it
        // loses only white margin.
        const QImage picture = m_grid.cell(m_cells.at(std::size_t(n)), ratio, ink);
        const QSizeF side = QSizeF(picture.size()) / ratio;
        const QPointF at = QRectF(box).center() - QPointF(side.width(), side.height()) / 2;
        painter.save();
        painter.setClipRect(box);
        painter.drawImage(at, picture);
        painter.restore();
    }
}

void RadicalAnalysisStrip::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    // The first font change comes from the constructor, before the labels.
    const bool labelsMade = m_radicalCaption != nullptr;
    if (labelsMade && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        placeLabels();
}
