// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QDialog>

class QLabel;
struct AccountsLocation;
class UrlOpener;

// The about box `Frmabout`: the program's picture, its version line, the
// maker's lines and the folder the accounts live in. A click on the box or leaving it closes it; a click on the
// mail line starts a mail to the maker. A double click on the version line,
// or a Shift+right click on it, shows a hidden picture; a Shift+right click on
// the author line shows a hidden notice; a click on the picture hides both.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    AboutBox(UrlOpener &urlOpener, const AccountsLocation &accounts, QWidget *parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *addLine(const QString &name, const QString &text);
    void hideSecrets();

    UrlOpener &m_urlOpener;
    bool m_closing = false;  // hiding the box deactivates it; that must not close it again
    QLabel *m_Image1;   // the program's picture
    QLabel *m_Image2;   // hidden picture
    QLabel *m_Label1;   // program name
    QLabel *m_Label2;   // version line
    QLabel *m_Label3;   // author line
    QLabel *m_Label4;   // contact number line
    QLabel *m_Label5;   // mail line
    QLabel *m_Label6;   // hidden notice
    QLabel *m_Label7;   // the accounts folder in use
};
