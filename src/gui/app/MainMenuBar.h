// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QWidget>

class DropDownPanel;
class MenuButton;
struct LookColors;

// The main window's menu bar: seven title buttons `SmartNetXpButton2_1` to
// `SmartNetXpButton2_7`, each opening its drop-down panel `Picture3_i` with
// the entry buttons `SmartNetXpButtonm<i>_<k>` (menus and entries count from
// 1). The panels float over the window, which is their parent. At most one
// panel is open. Alt and a title's access key open that menu; while a panel is
// open, an entry's access key chooses it and Esc closes the panel.
class MainMenuBar : public QWidget
{
    Q_OBJECT

public:
    // Builds the bar as a child of window and the panels over it.
    explicit MainMenuBar(QWidget *window);

    int menuCount() const { return int(m_titles.size()); }
    MenuButton *title(int menu) const;
    DropDownPanel *panel(int menu) const;
    MenuButton *entry(int menu, int entry) const;
    // The open menu, or 0.
    int openMenu() const;

    // Hides every panel.
    void Conceal_Menu();
    // Hides every panel, then shows panel i (its placement is the caller's).
    void clack_menu(int menu);
    // Stacks the entries of every panel from its top, inside its frame.
    void ArrangeMenus();
    // What a click on title i does: open its panel below it, then report it.
    void showMenu(int menu);

    // The menu colours of a look: titles and entries take its menu face,
    // hover, pressed, edge and text colours; the titles sit on the window
    // colour (their idle background is the one further colour the bar takes
    // from the window), the entries and their panels' sheets on the menu face.
    void setColors(const LookColors &colors);

signals:
    // A title opened its menu (the window then gives the focus back to the input box).
    void menuOpened(int menu);
    // An entry was chosen by click or access key.
    void entryChosen(int menu, int entry);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QKeyEvent *key);
    void placePanel(int menu);

    QWidget *m_window;
    QList<MenuButton *> m_titles;
    QList<DropDownPanel *> m_panels;
    QList<QList<MenuButton *>> m_entries;
};
