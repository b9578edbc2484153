// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/ToolBand.h"

#include "core/skins/LookColors.h"
#include "gui/app/AppPictures.h"
#include "widgets/KorvelButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int bandHeight = 36;
const QColor hotColor(224, 224, 224);    // hover and pressed faces of toolbar buttons
const QColor lineColor(0xd9, 0xd4, 0xc8);
const QColor textColor(0x3a, 0x4a, 0x5c);

struct ButtonText
{
    const char16_t *toolTip;
    const char16_t *caption; // shown beside the picture; most buttons show only the picture
};

const ButtonText buttonTexts[] = {
    {u"最近英文练习", u""}, {u"最近中文练习", u""}, {u"数字练习", u""}, {u"打字游戏", u""},
    {u"查看成绩", u""},     {u"系统设置", u""},     {u"上下对照练习", u"上下对照"},
    {u"交替对照练习", u"交替对照"}, {u"声音开关", u""}, {u"相关帮助", u""},
};

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFixedSize(9, 22);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, lineColor);
    line->setPalette(palette);
    return line;
}

} // namespace

ToolBand::ToolBand(QWidget *parent)
    : QWidget(parent), m_Image6(new QLabel(this)), m_backColor(LookColors::builtIn().window)
{
    setObjectName(QStringLiteral("ToolBand"));
    setAccessibleName(QStringLiteral("工具栏"));
    setFixedHeight(bandHeight);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 3);
    row->setSpacing(2);
    for (int index = 0; index < 10; ++index) {
        const ButtonText &text = buttonTexts[index];
        auto *button = new KorvelButton(this);
        button->setObjectName(QStringLiteral("KorvelButton3_%1").arg(index));
        button->setToolTip(QString::fromUtf16(text.toolTip));
        button->setText(QString::fromUtf16(text.caption));
        button->setPicture(AppPictures::load(QStringLiteral("tool%1").arg(index)));
        button->setPictureDimensions({24, 24});
        button->setXPStyle(true);
        button->setXPWinStyle(false);
        button->setXPDefaultColors(false);
        button->setBackColor(m_backColor);
        button->setXPColorHover(hotColor);
        button->setXPColorPressed(hotColor);
        button->setForeColor(textColor);
        // Clicking keeps the focus in the input box; Tab still reaches the buttons.
        button->setFocusPolicy(Qt::TabFocus);
        button->setFixedHeight(31);
        if (text.caption[0] == 0)
            button->setFixedWidth(34);
        connect(button, &QAbstractButton::clicked, this, [this, index] { emit buttonClicked(index); });
        m_buttons.append(button);
        row->addWidget(button);
        // Groups: recent articles and drills | games and results | settings | views | sound and help.
        if (index == 2 || index == 4 || index == 5 || index == 7)
            row->addWidget(separator(this));
    }
    row->addStretch(1);
    m_Image6->setObjectName(QStringLiteral("Image6"));
    m_Image6->setAccessibleName(QStringLiteral("朗读"));
    m_Image6->setFixedSize(32, 32);
    m_Image6->setScaledContents(true);
    row->addWidget(m_Image6);
}

void ToolBand::setBackColor(const QColor &color)
{
    m_backColor = color;
    for (KorvelButton *button : std::as_const(m_buttons)) {
        button->setBackColor(color);
        button->setXPColorHover(hotColor);
        button->setXPColorPressed(hotColor);
    }
    update();
}

void ToolBand::setTextColor(const QColor &color)
{
    for (KorvelButton *button : std::as_const(m_buttons))
        button->setForeColor(color.isValid() ? color : textColor);
}

void ToolBand::mousePressEvent(QMouseEvent *event)
{
    emit bandPressed();
    QWidget::mousePressEvent(event);
}

void ToolBand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    painter.setPen(lineColor);
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
