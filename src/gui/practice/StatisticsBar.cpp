// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/StatisticsBar.h"

#include "core/ime/ImeMetrics.h"
#include "core/practice/ExerciseLabels.h"
#include "gui/app/AppPictures.h"
#include "widgets/KorvelButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

const QColor cardColor(Qt::white);
const QColor cardBorder(0xc9, 0xd5, 0xe3);
const QColor captionColor(0x5c, 0x6f, 0x84);
const QColor valueColor(Qt::black); // the six statistics labels are black in every look
constexpr int rowSpacing = 8;
constexpr int denseRowSpacing = 2;

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

KorvelButton *controlButton(const QString &name, const QString &caption, const QString &picture,
                            QWidget *parent)
{
    auto *button = new KorvelButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(caption);
    button->setPicture(AppPictures::load(picture));
    button->setPictureSize(0);
    button->setXPStyle(true);
    button->setToolBar(false);
    button->setBackColor(QColor(0xf7, 0xf9, 0xfc));
    button->setOuterBorderColor(QColor(0x9f, 0xb3, 0xc8));
    button->setFixedHeight(30);
    return button;
}

} // namespace

StatisticsBar::StatisticsBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setAccessibleName(QStringLiteral("练习统计"));
    // A white card in every look: its frame titles stay dark whatever text
    // colour a skin gives the window's labels.
    setTextColor(this, valueColor);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 10);
    column->setSpacing(10);

    auto *figures = new QGridLayout;
    m_figures = figures;
    figures->setHorizontalSpacing(4);
    figures->setVerticalSpacing(rowSpacing);
    column->addLayout(figures);

    m_Label5 = new QLabel(QStringLiteral("练习时间："), this);
    m_Label5->setObjectName(QStringLiteral("Label5"));
    m_Lab_time = addFigure(figures, QStringLiteral("Lab_time"), m_Label5, QStringLiteral("00:00:00"));
    m_Lab_zishu = addFigure(figures, QStringLiteral("Lab_zishu"),
                            captionLabel(QStringLiteral("Label6"), QStringLiteral("输入字数：")), QStringLiteral("0"));
    m_Lab_zhenquizishu = addFigure(figures, QStringLiteral("Lab_zhenquizishu"),
                                   captionLabel(QStringLiteral("Label7"), QStringLiteral("正确字数：")),
                                   QStringLiteral("0"));
    m_Lab_chuowuzishu = addFigure(figures, QStringLiteral("Lab_chuowuzishu"),
                                  captionLabel(QStringLiteral("Label8"), QStringLiteral("错误字数：")),
                                  QStringLiteral("0"));
    m_Lab_zhengquilluei = addFigure(figures, QStringLiteral("Lab_zhengquilluei"),
                                    captionLabel(QStringLiteral("Label9"), QStringLiteral("正确率：")),
                                    QStringLiteral("0"));
    m_Lab_zimefen = addFigure(figures, QStringLiteral("Lab_zimefen"),
                              captionLabel(QStringLiteral("Label10"), QStringLiteral("字/分：")), QStringLiteral("0"));
    m_inputCaption = captionLabel(QStringLiteral("inputCaption"), QStringLiteral("输入法："));
    m_Lab_shurufa = addFigure(figures, QStringLiteral("Lab_shurufa"), m_inputCaption, QString());
    m_keystrokeCaption = captionLabel(QStringLiteral("keystrokeCaption"), ImeMetrics::Caption);
    m_Lab_jijian = addFigure(figures, QStringLiteral("Lab_jijian"), m_keystrokeCaption, QString());
    m_keystrokeCaption->setToolTip(ImeMetrics::Explained);
    m_Lab_jijian->setAccessibleDescription(ImeMetrics::Caption + ImeMetrics::Explained);
    showInput({}, {});

    auto *group = new QGroupBox(QStringLiteral("控制"), this);
    group->setObjectName(QStringLiteral("Frame8"));
    auto *buttons = new QHBoxLayout(group);
    buttons->setContentsMargins(6, 4, 6, 6);
    buttons->setSpacing(6);
    m_KorvelButton1 = controlButton(QStringLiteral("KorvelButton1"), QStringLiteral("开始"),
                                    QStringLiteral("start_button"), group);
    m_KorvelButton2 = controlButton(QStringLiteral("KorvelButton2"), QStringLiteral("暂停"),
                                    QStringLiteral("pause_button"), group);
    buttons->addWidget(m_KorvelButton1);
    buttons->addWidget(m_KorvelButton2);
    column->addWidget(group);
    column->addStretch(1);

    m_abreastHints = new QGroupBox(QStringLiteral("提示"), this);
    m_abreastHints->setObjectName(QStringLiteral("abreastHints"));
    auto *hints = new QVBoxLayout(m_abreastHints);
    hints->setContentsMargins(6, 4, 6, 6);
    hints->setSpacing(4);
    m_Label21 = hintLabel(QStringLiteral("Label21"), 20, QStringLiteral("提示字词"));
    m_Label22 = hintLabel(QStringLiteral("Label22"), 13, QStringLiteral("编码或词意"));
    hints->addWidget(m_Label21);
    hints->addWidget(m_Label22);
    column->addWidget(m_abreastHints);
    m_abreastHints->hide();

    connect(m_KorvelButton1, &QAbstractButton::clicked, this, &StatisticsBar::startClicked);
    connect(m_KorvelButton2, &QAbstractButton::clicked, this, &StatisticsBar::pauseClicked);
}

QLabel *StatisticsBar::captionLabel(const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(name);
    return label;
}

// A hint of the abreast view: a long meaning wraps within the bar.
QLabel *StatisticsBar::hintLabel(const QString &name, int pixelSize, const QString &description)
{
    auto *label = new QLabel(m_abreastHints);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setAccessibleDescription(description);
    setTextColor(label, valueColor);
    return label;
}

void StatisticsBar::showInput(const QString &name, const QString &figures)
{
    const bool named = !name.isEmpty();
    const bool counted = named && !figures.isEmpty();
    m_Lab_shurufa->setText(name);
    m_Lab_jijian->setText(figures);
    m_inputCaption->setVisible(named);
    m_Lab_shurufa->setVisible(named);
    m_keystrokeCaption->setVisible(counted);
    m_Lab_jijian->setVisible(counted);
    // The bar beside the drills has no room to spare: the extra lines
    // stand closer together.
    const int spacing = counted ? denseRowSpacing : named ? rowSpacing / 2 : rowSpacing;
    // Called at every key: the bar is laid out again only when the lines change.
    if (m_figures->verticalSpacing() != spacing)
        m_figures->setVerticalSpacing(spacing);
}

void StatisticsBar::setAbreastHintsShown(bool shown)
{
    m_abreastHints->setVisible(shown);
}

void StatisticsBar::placeAbreastOptions(QWidget *first, QWidget *second)
{
    m_abreastHints->layout()->addWidget(first);
    m_abreastHints->layout()->addWidget(second);
}

QLabel *StatisticsBar::addFigure(QGridLayout *figures, const QString &valueName, QLabel *caption,
                                 const QString &initial)
{
    setTextColor(caption, captionColor);
    auto *value = new QLabel(initial, this);
    value->setObjectName(valueName);
    QFont font = value->font();
    font.setPointSize(11);
    font.setBold(true);
    value->setFont(font);
    setTextColor(value, valueColor);
    // A screen reader reads the value as the label's name; the caption says what it is.
    value->setAccessibleDescription(caption->text());
    caption->setBuddy(value);
    const int row = figures->count() / 2; // two widgets a row
    figures->addWidget(caption, row, 0);
    figures->addWidget(value, row, 1, Qt::AlignRight);
    return value;
}

void StatisticsBar::showLabels(const ExerciseLabels &labels)
{
    m_Label5->setText(labels.Label5);
    m_Lab_time->setAccessibleDescription(labels.Label5);
    m_Lab_time->setText(labels.Lab_time);
    m_Lab_zishu->setText(labels.Lab_zishu);
    m_Lab_zhenquizishu->setText(labels.Lab_zhenquizishu);
    m_Lab_chuowuzishu->setText(labels.Lab_chuowuzishu);
    m_Lab_zhengquilluei->setText(labels.Lab_zhengquilluei);
    m_Lab_zimefen->setText(labels.Lab_zimefen);
}

void StatisticsBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.fillPath(card, cardColor);
    painter.setPen(cardBorder);
    painter.drawPath(card);
}
