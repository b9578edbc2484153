// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/MainMenuBar.h"

#include "core/app/MainMenus.h"
#include "core/app/MenuPlacement.h"
#include "core/platform/Twips.h"
#include "core/skins/LookColors.h"
#include "widgets/DropDownPanel.h"
#include "widgets/MenuButton.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

constexpr int barHeight = 23;
constexpr int titleLeftMargin = 4;
constexpr int entryHeight = 24;
constexpr int minimumPanelWidth = 150;
constexpr int panelBottomMargin = 3; // bare margin the pointer crosses when it leaves downwards

// The access key of a key event as an upper-case letter or digit, or null.
QChar keyLetter(const QKeyEvent *key)
{
    const int code = key->key();
    if ((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9))
        return QChar(code);
    return {};
}

} // namespace

MainMenuBar::MainMenuBar(QWidget *window) : QWidget(window), m_window(window)
{
    setObjectName(QStringLiteral("MenuBar"));
    setAccessibleName(QStringLiteral("菜单栏"));
    setFixedHeight(barHeight);

    int left = titleLeftMargin;
    const QList<MainMenus::Title> &menus = MainMenus::titles();
    for (int i = 1; i <= int(menus.size()); ++i) {
        const MainMenus::Title &menu = menus[i - 1];
        auto *title = new MenuButton(menu.caption, this);
        title->setObjectName(QStringLiteral("SmartNetXpButton2_%1").arg(i));
        const QSize size = title->sizeHint();
        title->setGeometry(left, 0, size.width(), barHeight);
        left += size.width();
        connect(title, &QAbstractButton::clicked, this, [this, i] { showMenu(i); });
        connect(title, &MenuButton::mousePressed, this, [this](Qt::MouseButton button) {
            if (button == Qt::RightButton)
                Conceal_Menu();
        });
        m_titles.append(title);

        auto *panel = new DropDownPanel(window);
        panel->setObjectName(QStringLiteral("Picture3_%1").arg(i));
        panel->setAccessibleName(title->text());
        panel->hide();
        connect(panel, &DropDownPanel::marginHovered, panel, &QWidget::hide);
        connect(panel, &DropDownPanel::marginHovered, title, [title] { title->setOpen(false); });
        m_panels.append(panel);

        QList<MenuButton *> entries;
        int widest = minimumPanelWidth;
        for (int k = 1; k <= int(menu.entries.size()); ++k) {
            auto *entry = new MenuButton(menu.entries[k - 1], panel);
            entry->setObjectName(QStringLiteral("SmartNetXpButtonm%1_%2").arg(i).arg(k));
            entry->setTextAlignment(Qt::AlignLeft);
            entry->setCaptionBackColor(Qt::white);
            entry->resize(entry->sizeHint().width(), entryHeight);
            widest = std::max(widest, entry->sizeHint().width() + 16);
            connect(entry, &QAbstractButton::clicked, this, [this, i, k] { emit entryChosen(i, k); });
            entries.append(entry);
        }
        // A one-pixel frame surrounds the inner area the entries are stacked in.
        panel->resize(widest + 2, int(entries.size()) * entryHeight + 2 + panelBottomMargin);
        m_entries.append(entries);
    }
    setMinimumWidth(left);
    qApp->installEventFilter(this);
}

MenuButton *MainMenuBar::title(int menu) const
{
    return m_titles.value(menu - 1);
}

DropDownPanel *MainMenuBar::panel(int menu) const
{
    return m_panels.value(menu - 1);
}

MenuButton *MainMenuBar::entry(int menu, int entry) const
{
    return m_entries.value(menu - 1).value(entry - 1);
}

int MainMenuBar::openMenu() const
{
    for (int i = 0; i < m_panels.size(); ++i) {
        if (m_panels[i]->isVisible())
            return i + 1;
    }
    return 0;
}

void MainMenuBar::Conceal_Menu()
{
    for (int i = 0; i < m_panels.size(); ++i) {
        m_panels[i]->hide();
        m_titles[i]->setOpen(false);
    }
}

void MainMenuBar::clack_menu(int menu)
{
    // Every panel draws its grey frame itself whenever it is painted.
    Conceal_Menu();
    if (DropDownPanel *shown = panel(menu)) {
        shown->show();
        shown->raise();
        m_titles[menu - 1]->setOpen(true);
    }
}

void MainMenuBar::ArrangeMenus()
{
    for (int i = 0; i < m_panels.size(); ++i) {
        DropDownPanel *shownPanel = m_panels[i];
        QList<int> heights;
        for (const MenuButton *entry : m_entries[i])
            heights.append(Twips::fromPixels(entry->height()));
        const int innerWidth = Twips::fromPixels(shownPanel->width() - 2);
        const QList<QRect> places = MenuPlacement::entryGeometries(heights, innerWidth);
        for (int k = 0; k < places.size(); ++k) {
            const QRect place = places[k];
            m_entries[i][k]->setGeometry(1 + Twips::toPixels(place.left()), 1 + Twips::toPixels(place.top()),
                                         Twips::toPixels(place.width()), Twips::toPixels(place.height()));
        }
    }
}

void MainMenuBar::setColors(const LookColors &colors)
{
    const auto paint = [&colors](MenuButton *button, const QColor &idle) {
        button->setBackColor(colors.menuBack);
        button->setBackColorPop(colors.menuUp);
        button->setBackColorPush(colors.menuDown);
        button->setEdgeColor(colors.menuFrame);
        button->setForeColor(colors.menuFont);
        button->setCaptionBackColor(idle);
    };
    for (int i = 0; i < m_titles.size(); ++i) {
        paint(m_titles[i], colors.window);
        m_panels[i]->setSheetColor(colors.menuBack);
        for (MenuButton *entry : std::as_const(m_entries[i]))
            paint(entry, colors.menuBack);
    }
}

void MainMenuBar::placePanel(int menu)
{
    const int titleLeft = title(menu)->mapTo(m_window, QPoint(0, 0)).x();
    const int rightLimit = mapTo(m_window, QPoint(width(), 0)).x();
    const QPoint place = MenuPlacement::panelPosition(Twips::fromPixels(titleLeft),
                                                      Twips::fromPixels(panel(menu)->width()),
                                                      Twips::fromPixels(rightLimit));
    panel(menu)->move(Twips::toPixels(place.x()), Twips::toPixels(place.y()));
}

void MainMenuBar::showMenu(int menu)
{
    if (!panel(menu))
        return;
    clack_menu(menu);
    placePanel(menu);
    emit menuOpened(menu);
}

bool MainMenuBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window || !m_window->isActiveWindow())
        return false;
    return handleKey(static_cast<QKeyEvent *>(event));
}

bool MainMenuBar::handleKey(QKeyEvent *key)
{
    const int open = openMenu();
    if (open && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        Conceal_Menu();
        return true;
    }
    const QChar letter = keyLetter(key);
    if (letter.isNull() || key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;

    if (key->modifiers() & Qt::AltModifier) {
        for (int i = 0; i < m_titles.size(); ++i) {
            if (MainMenus::accessKey(m_titles[i]->caption()) == letter) {
                showMenu(i + 1);
                return true;
            }
        }
    }
    if (!open)
        return false;
    // A plain letter belongs to the box that has the caret, as on a form
    // whose focus is in a text box; there an entry's access key needs Alt.
    const QWidget *focus = QApplication::focusWidget();
    if (!(key->modifiers() & Qt::AltModifier) && focus && focus->testAttribute(Qt::WA_InputMethodEnabled))
        return false;
    const QList<MenuButton *> &entries = m_entries[open - 1];
    for (int k = 0; k < entries.size(); ++k) {
        if (MainMenus::accessKey(entries[k]->caption()) == letter && entries[k]->isEnabled()) {
            emit entryChosen(open, k + 1);
            return true;
        }
    }
    return false;
}
