// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/AboutBox.h"

#include "core/app/MakerLinks.h"
#include "core/platform/UrlOpener.h"
#include "core/users/AccountsLocation.h"
#include "gui/app/AppPictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QColor border(0x2e, 0x64, 0xaa);
const QColor textColor(0x2b, 0x3a, 0x4a);

} // namespace

AboutBox::AboutBox(UrlOpener &urlOpener, const AccountsLocation &accounts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_urlOpener(urlOpener),
      m_Image1(new QLabel(this)),
      m_Image2(new QLabel(this))
{
    setObjectName(QStringLiteral("Frmabout"));
    setWindowTitle(QStringLiteral("关于 Qintara"));
    setFixedSize(400, 214);

    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setPixmap(AppPictures::load(QStringLiteral("logo")));
    m_Image1->setFixedSize(64, 64);
    m_Image1->setScaledContents(true);
    m_Image1->setAccessibleName(QStringLiteral("Qintara"));
    m_Image1->installEventFilter(this);

    m_Image2->setObjectName(QStringLiteral("Image2"));
    m_Image2->setPixmap(AppPictures::load(QStringLiteral("about_hidden")));
    m_Image2->setFixedSize(120, 96);
    m_Image2->setScaledContents(true);
    m_Image2->setAccessibleName(QStringLiteral("键盘的笑脸"));

    m_Label1 = addLine(QStringLiteral("Label1"), QStringLiteral("Qintara 打字练习"));
    QFont titleFont = m_Label1->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    m_Label1->setFont(titleFont);
    m_Label2 = addLine(QStringLiteral("Label2"), QStringLiteral("版　本：4.8 Build 1001"));
    m_Label3 = addLine(QStringLiteral("Label3"), QStringLiteral("作　者：Qintara 开发组"));
    m_Label4 = addLine(QStringLiteral("Label4"), QStringLiteral("电　话：请用电子邮件联系"));
    m_Label5 = addLine(QStringLiteral("Label5"), QStringLiteral("邮　件：") + MakerLinks::mailAddress);
    m_Label5->setCursor(Qt::PointingHandCursor);
    m_Label5->setToolTip(QStringLiteral("给作者写信"));
    QPalette linkPalette = m_Label5->palette();
    linkPalette.setColor(QPalette::WindowText, border);
    m_Label5->setPalette(linkPalette);
    m_Label6 = addLine(QStringLiteral("Label6"), QStringLiteral("谢谢你每天坚持练习！手指会记住每一个键。"));
    m_Label6->setWordWrap(true);
    // An installed program keeps accounts in the user's data folder, a
    // program folder that can be written keeps them beside the program.
    m_Label7 = addLine(QStringLiteral("Label7"), accounts.describe());
    m_Label7->setWordWrap(true);
    m_Label7->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Label7->setToolTip(accounts.error.isEmpty() ? accounts.path : accounts.error);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(24, 24, 24, 20);
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(6);
    grid->addWidget(m_Image1, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(m_Label1, 0, 1);
    grid->addWidget(m_Label2, 1, 1);
    grid->addWidget(m_Label3, 2, 1);
    grid->addWidget(m_Label4, 3, 1);
    grid->addWidget(m_Label5, 4, 1);
    grid->addWidget(m_Label6, 5, 0, 1, 2);
    grid->addWidget(m_Label7, 6, 0, 1, 2);
    grid->setRowStretch(5, 1);
    m_Image2->move(width() - m_Image2->width() - 16, height() - m_Image2->height() - 12);
    m_Image2->raise();
    hideSecrets();
}

QLabel *AboutBox::addLine(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColor);
    label->setPalette(palette);
    label->installEventFilter(this);
    return label;
}

void AboutBox::hideSecrets()
{
    m_Image2->hide();
    m_Label6->hide();
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (watched == m_Label2)
            m_Image2->show();
        return watched == m_Label2;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            if (watched == m_Label2)
                m_Image2->show();
            else if (watched == m_Label3)
                m_Label6->show();
            return true;
        }
        if (mouse->button() == Qt::LeftButton && watched == m_Label5) {
            m_urlOpener.open(QUrl(QStringLiteral("mailto:") + MakerLinks::mailAddress));
            return true;
        }
        if (mouse->button() == Qt::LeftButton && watched == m_Image1) {
            hideSecrets();
            return true;
        }
        // A click on any other line belongs to that line: it must not reach
        // the box, where a click closes it.
        return true;
    default:
        return false;
    }
}

void AboutBox::done(int result)
{
    m_closing = true;
    QDialog::done(result);
    m_closing = false;
}

void AboutBox::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !m_closing && isVisible() && !isActiveWindow())
        reject();
}

void AboutBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        accept();
    else
        QDialog::mouseReleaseEvent(event);
}

void AboutBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient back(0, 0, 0, height());
    back.setColorAt(0, Qt::white);
    back.setColorAt(1, QColor(0xe8, 0xef, 0xf8));
    painter.fillRect(rect(), back);
    painter.fillRect(0, 0, width(), 4, border);
    painter.setPen(border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
